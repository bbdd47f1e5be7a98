// sdsim: writes a simulated single-difference file, on request the matching
// GLONASS frequency-channel file and the base's and the rover's RINEX
// observation files (see PrintSimUsage for the options).
#include <fstream>
#include <iostream>
#include <memory>

#include "tools/SimConfig.h"
#include "tools/SimNetwork.h"
#include "tools/SimRun.h"

namespace {

[[noreturn]] void CannotWrite(const std::string& name) {
  std::cerr << "sdsim: cannot write " << name << "\n";
  std::exit(1);
}

void WriteChannels(const SimPlan& plan, const std::string& name) {
  std::ofstream out(name, std::ios::binary);
  out << ChannelFileText(plan);
  if (!out.flush()) CannotWrite(name);
}

// A file to write, or standard output for "-".
class OutputFile {
 public:
  explicit OutputFile(const std::string& name) : name_(name == "-" ? "standard output" : name) {
    if (name == "-") return;
    file_ = std::make_unique<std::ofstream>(name, std::ios::binary);
    if (!*file_) CannotWrite(name_);
  }
  std::ostream& Stream() { return file_ ? *file_ : std::cout; }
  void Close() {
    if (!Stream().flush()) CannotWrite(name_);
  }

 private:
  std::string name_;
  std::unique_ptr<std::ofstream> file_;
};

void WriteFiles(SimPlan& plan, const SimConfig& config) {
  std::unique_ptr<OutputFile> sd, base, rover;
  if (!config.sdFile.empty()) sd = std::make_unique<OutputFile>(config.sdFile);
  SimRinexOutputs rinex;
  if (!config.baseRinexFile.empty()) {
    base = std::make_unique<OutputFile>(config.baseRinexFile);
    rover = std::make_unique<OutputFile>(config.roverRinexFile);
    rinex = {&base->Stream(), &rover->Stream(), config.compactRinex, config.rinexClockOffsets};
  }
  WriteRun(plan, sd ? &sd->Stream() : nullptr, rinex);
  for (OutputFile* file : {sd.get(), base.get(), rover.get()})
    if (file != nullptr) file->Close();
}

}  // namespace

int main(int argc, char** argv) {
  const SimConfig config = ParseSimArgs(argc, argv);
  if (config.networkStations > 0) {
    for (const std::string& path : WriteNetwork(config)) std::cout << path << "\n";
    return 0;
  }
  SimPlan plan = MakePlan(config);
  if (!config.channelFile.empty()) WriteChannels(plan, config.channelFile);
  WriteFiles(plan, config);
  return 0;
}
