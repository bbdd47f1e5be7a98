// Operations on file names and files.
#include "PROGINC/cfilef.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// The last backslash or forward slash of `file`, or nullptr.
const char* LastSeparator(const char* file) {
  const char* back = std::strrchr(file, '\\');
  const char* forward = std::strrchr(file, '/');
  if (back == nullptr) return forward;
  if (forward == nullptr) return back;
  return back > forward ? back : forward;
}

}  // namespace

// A folder opens as a stream on some systems but cannot be read as a file.
// A named pipe is not opened: opening it waits for a writer, and closing it
// again before reading can end that writer's stream (or lose its data), so
// there it is only known to exist.
bool FileExists(const char* f) {
  std::error_code ec;
  const std::filesystem::file_type type = std::filesystem::status(f, ec).type();
  if (type == std::filesystem::file_type::directory) return false;
  if (type == std::filesystem::file_type::fifo) return true;
  std::ifstream in(f);
  return in.is_open();
}

bool FileExists(const std::string& f) { return FileExists(f.c_str()); }

bool RemFile(const char* file) {
  errno = 0;
  if (std::remove(file) == 0) return true;
  return errno == ENOENT;
}

void GetBasename(const char* file, char* bname) {
  const char* sep = LastSeparator(file);
  const char* base = sep == nullptr ? file : sep + 1;
  std::memmove(bname, base, std::strlen(base) + 1);
}

void GetDirname(const char* file, char* dname) {
  const char* sep = LastSeparator(file);
  const std::size_t n = sep == nullptr ? 0 : static_cast<std::size_t>(sep - file);
  std::memmove(dname, file, n);
  dname[n] = '\0';
}
