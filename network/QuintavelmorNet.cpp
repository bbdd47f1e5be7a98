// Quintavelmor-net: plans, runs and sums up the baselines and days of a
// station network with the converter and the report.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/ProgramVersion.h"
#include "network/Inventory.h"
#include "network/LocalExecutor.h"
#include "network/NetOptions.h"
#include "network/NetworkPlan.h"
#include "network/NetworkSummary.h"

namespace fs = std::filesystem;

namespace {

void Fail(const std::string& what) { ProgramError(kNetworkName, what.c_str()); }

// The companions beside this program when they are there, else the PATH's.
std::string ProgramsFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return "";
  const fs::path folder = self.parent_path();
  return access((folder / "Quintavelmor-sd").c_str(), X_OK) == 0 ? folder.string() : "";
}

void WriteFile(const std::string& path, void (*write)(std::ostream&, const std::vector<TaskRow>&),
               const std::vector<TaskRow>& rows) {
  const std::string temporary = path + ".part";
  std::ofstream out(temporary, std::ios::binary);
  write(out, rows);
  if (!out.flush() || std::rename(temporary.c_str(), path.c_str()) != 0)
    Fail("cannot write " + path);
}

void Summarise(const std::string& output) {
  const std::vector<TaskRow> rows = CollectRows(output);
  WriteFile(output + "/summary.csv", WriteSummaryCsv, rows);
  WriteFile(output + "/index.html", WriteSummaryPage, rows);
}

void ReportInventory(const Inventory& inventory, const NetworkPlan& plan) {
  for (const auto& [path, reason] : inventory.unplaced)
    std::cerr << "not placed: " << path << ": " << reason << "\n";
  for (const std::string& choice : inventory.choices) std::cerr << "forms of " << choice << "\n";
  for (const std::string& note : plan.notes) std::cerr << note << "\n";
}

NetworkPlan Plan(const NetOptions& options) {
  const Inventory inventory = TakeInventory(options.inputs);
  NetworkPlan plan = MakePlan(inventory, options.rule);
  ReportInventory(inventory, plan);
  std::error_code error;
  fs::create_directories(options.output, error);
  std::ofstream out(options.output + "/plan.txt", std::ios::binary);
  WritePlan(out, plan, options.rule);
  if (!out.flush()) Fail("cannot write " + options.output + "/plan.txt");
  return plan;
}

int Run(const NetOptions& options) {
  const NetworkPlan plan = Plan(options);
  const RunSettings settings{options.output, ProgramsFolder(), options.keep, options.systems};
  const RunTally tally = RunLocally(plan.tasks, settings, options.jobs);
  Summarise(options.output);
  std::cerr << tally.total << " tasks: " << tally.done << " done, " << tally.failed << " failed, "
            << tally.skipped << " skipped\n";
  for (const std::string& failure : tally.failures) std::cerr << "failed " << failure << "\n";
  if (tally.stopped) {
    std::cerr << "stopped: the tasks not finished are left for the next run\n";
    return 130;
  }
  return tally.failed > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << NetHelpText();
    return 1;
  }
  const NetOptions options = ParseNetOptions(argc, argv);
  if (options.help) {
    std::cout << NetHelpText();
    CheckOutput(std::cout, kNetworkName, kStandardOutput);
    return 0;
  }
  if (options.version) {
    WriteProgramVersion(stdout, kNetworkName);
    CheckOutput(stdout, kNetworkName, kStandardOutput);
    return 0;
  }
  if (options.command == "plan") {
    WritePlan(std::cout, Plan(options), options.rule);
    return 0;
  }
  if (options.command == "run") return Run(options);
  if (!fs::is_directory(options.output)) Fail(options.output + " is no output folder of a run");
  if (options.command == "status") WriteStatus(std::cout, CollectRows(options.output));
  if (options.command == "summary") Summarise(options.output);
  return 0;
}
