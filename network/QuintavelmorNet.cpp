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
#include "network/ClusterCommand.h"
#include "network/Inventory.h"
#include "network/LocalExecutor.h"
#include "network/NetOptions.h"
#include "network/NetworkPlan.h"
#include "network/NetworkSummary.h"
#include "network/SlurmExecutor.h"

namespace fs = std::filesystem;

namespace {

void Fail(const std::string& what) { ProgramError(kNetworkName, what.c_str()); }

// This program's file; empty when the system does not tell.
std::string SelfPath() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? "" : self.string();
}

// The companions beside this program when they are there, else the PATH's.
std::string ProgramsFolder() {
  const fs::path folder = fs::path(SelfPath()).parent_path();
  if (folder.empty()) return "";
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

RunSettings Settings(const NetOptions& options) {
  return {options.output, ProgramsFolder(), options.keep, options.systems};
}

int Run(const NetOptions& options) {
  if (options.slurm && !OnPath("sbatch"))
    Fail(
        "--slurm: sbatch is not on the PATH; run where the cluster's commands are, or without "
        "--slurm on this machine");
  const NetworkPlan plan = Plan(options);
  if (options.slurm) {
    SlurmSettings cluster = options.cluster;
    cluster.program = SelfPath();
    const SlurmRun run = RunOnSlurm(plan.tasks, options.rule, Settings(options), cluster);
    if (run.state != SlurmRun::FINISHED) {
      const bool stopped = run.state == SlurmRun::STOPPED_WAITING;
      std::cerr << (stopped ? "stopped waiting: the arrays run on; \"" : "submitted; \"")
                << kNetworkName << " status " << options.output
                << "\" counts the tasks as they end\n";
      return stopped ? 130 : 0;
    }
    Summarise(options.output);
    return ReportTally(run.tally);
  }
  const RunTally tally = RunLocally(plan.tasks, Settings(options), options.jobs);
  Summarise(options.output);
  return ReportTally(tally);
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
  if (options.command == "run-chunk")
    return RunChunk(options.inputs.front(), Settings(options), options.first, options.size,
                    options.jobs);
  if (!fs::is_directory(options.output)) Fail(options.output + " is no output folder of a run");
  if (options.command == "status") WriteStatus(std::cout, CollectRows(options.output));
  if (options.command == "summary") Summarise(options.output);
  return 0;
}
