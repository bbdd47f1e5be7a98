// sdsim: writes a simulated single-difference file and, on request, the
// matching GLONASS frequency-channel file (see PrintSimUsage for the options).
#include <fstream>
#include <iostream>

#include "tools/SimConfig.h"
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

void WriteRecords(SimPlan& plan, const std::string& name) {
  if (name == "-") {
    WriteSingleDifferences(plan, std::cout);
    if (!std::cout.flush()) CannotWrite("standard output");
    return;
  }
  std::ofstream out(name, std::ios::binary);
  if (!out) CannotWrite(name);
  WriteSingleDifferences(plan, out);
  if (!out.flush()) CannotWrite(name);
}

}  // namespace

int main(int argc, char** argv) {
  const SimConfig config = ParseSimArgs(argc, argv);
  SimPlan plan = MakePlan(config);
  if (!config.channelFile.empty()) WriteChannels(plan, config.channelFile);
  WriteRecords(plan, config.sdFile);
  return 0;
}
