// Writing and reading a task's manifest.
#include "network/Manifest.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

namespace {

const char kManifestName[] = "/manifest.txt";

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

std::string DescribeInput(const std::string& path) {
  struct stat facts {};
  if (stat(path.c_str(), &facts) != 0) return path;
  const long long nanoseconds =
      static_cast<long long>(facts.st_mtim.tv_sec) * 1000000000LL + facts.st_mtim.tv_nsec;
  return path + " " + std::to_string(static_cast<long long>(facts.st_size)) + " " +
         std::to_string(nanoseconds);
}

bool WriteManifest(const std::string& folder, const Manifest& manifest) {
  const std::string path = folder + kManifestName;
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary);
    out << "status " << manifest.status << "\n";
    out << "message " << OneLine(manifest.message) << "\n";
    out << "options " << manifest.options << "\n";
    for (const std::string& input : manifest.inputs) out << "input " << input << "\n";
    if (!out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool ReadManifest(const std::string& folder, Manifest& manifest) {
  std::ifstream in(folder + kManifestName, std::ios::binary);
  manifest = Manifest();
  std::string line;
  while (std::getline(in, line)) {
    const size_t blank = line.find(' ');
    const std::string key = line.substr(0, blank);
    const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (key == "status") manifest.status = value;
    if (key == "message") manifest.message = value;
    if (key == "options") manifest.options = value;
    if (key == "input") manifest.inputs.push_back(value);
  }
  return !manifest.status.empty();
}
