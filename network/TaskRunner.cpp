// The steps of a task, each a child process with its output in files.
#include "network/TaskRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "network/Manifest.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

const char kListedTypes[] = "-lC1:L1:L4:P4:L3:MW:MP1:MP2:CL1:";

struct Step {
  const char* name;               // as a failure message names it
  std::vector<std::string> argv;  // argv[0]: the program
  std::string out;                // standard output to this file
  std::string log;                // standard error to this file
  // The folder it runs in, empty for the run's own: the report and the
  // listing run in the work folder, so that the file names they write into
  // their outputs are the names the kept files have beside them, not the
  // work folder's, which is gone when the task ends.
  std::string folder;
};

std::string Program(const RunSettings& settings, const char* name) {
  return settings.programs.empty() ? name : settings.programs + "/" + name;
}

// A message without the frame of stars or hashes around it.
std::string Unframed(const std::string& line) {
  const size_t from = line.find_first_not_of("*# ");
  if (from == std::string::npos) return "";
  return line.substr(from, line.find_last_not_of("*# ") + 1 - from);
}

// The first line of the log that reports an error, else its last line.
std::string FailureLine(const std::string& log) {
  std::ifstream in(log);
  std::string last;
  for (std::string line; std::getline(in, line);) {
    if (line.find("Error") != std::string::npos || line.find("error") != std::string::npos)
      return Unframed(line);
    if (!Unframed(line).empty()) last = Unframed(line);
  }
  return last;
}

// Runs the step; empty on success, else the message.
std::string RunStep(const Step& step) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, step.out.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, step.log.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (!step.folder.empty() &&
      posix_spawn_file_actions_addchdir_np(&actions, step.folder.c_str()) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return std::string(step.name) + ": cannot run in " + step.folder;
  }
  std::vector<char*> argv;
  for (const std::string& word : step.argv) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return std::string(step.name) + ": cannot start " + step.argv[0];
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return "";
  const std::string line = FailureLine(step.log);
  if (!line.empty()) return std::string(step.name) + ": " + line;
  return std::string(step.name) + ": ended with status " + std::to_string(WEXITSTATUS(status));
}

std::vector<Step> Steps(const Task& task, const RunSettings& settings, const std::string& work) {
  std::vector<std::string> convert = {Program(settings, "Quintavelmor-sd"),
                                      task.baseFile,
                                      task.roverFile,
                                      "-o",
                                      work + "/baseline.sd",
                                      "-g",
                                      work + "/glonass.txt"};
  for (const std::string& piece : task.basePieces)
    convert.insert(convert.end(), {"--base-piece", piece});
  for (const std::string& piece : task.roverPieces)
    convert.insert(convert.end(), {"--rover-piece", piece});
  if (!settings.systems.empty()) convert.insert(convert.end(), {"-s", settings.systems});
  for (const std::string& file : task.navigation) convert.insert(convert.end(), {"-n", file});
  std::vector<Step> steps = {
      {"conversion", convert, work + "/conversion.out", work + "/conversion.log", ""},
      {"report",
       {Program(settings, "Quintavelmor-report"), "baseline.sd", "--channels", "glonass.txt",
        "--stats", "--html", "report", "--summary", "summary.json"},
       work + "/statistics.txt",
       work + "/report.log",
       work},
  };
  // The listing only on request: the report reads the SD file itself.
  if (settings.keep >= 2)
    steps.push_back({"listing",
                     {Program(settings, "Quintavelmor"), "-obaseline.sd", "-gfglonass.txt", "-cGRE",
                      kListedTypes, "-ms"},
                     work + "/listing.txt",
                     work + "/listing.log",
                     work});
  return steps;
}

// The converter writes no channel file when the pair has no GLONASS: the
// later steps then go without one.
Step WithoutAbsentChannels(Step step) {
  auto& argv = step.argv;
  for (size_t k = 1; k < argv.size(); k++) {
    const bool apart = argv[k] == "--channels" && k + 1 < argv.size();
    const std::string file = apart                           ? argv[k + 1]
                             : argv[k].substr(0, 3) == "-gf" ? argv[k].substr(3)
                                                             : "";
    if (file.empty() || fs::exists(fs::path(step.folder) / file)) continue;
    argv.erase(argv.begin() + static_cast<long>(k),
               argv.begin() + static_cast<long>(k + (apart ? 2 : 1)));
    break;
  }
  return step;
}

std::vector<std::string> KeptOutputs(int keep) {
  std::vector<std::string> kept = {"report", "statistics.txt", "summary.json", "conversion.log"};
  if (keep >= 1) kept.insert(kept.end(), {"baseline.sd", "glonass.txt"});
  if (keep >= 2) kept.emplace_back("listing.txt");
  return kept;
}

// Renames the kept outputs over the previous ones.
bool Publish(const std::string& work, const std::string& folder, int keep) {
  std::error_code error;
  for (const std::string& name : KeptOutputs(keep)) {
    fs::remove_all(folder + "/" + name, error);
    if (!fs::exists(work + "/" + name)) continue;  // a channel file without GLONASS
    fs::rename(work + "/" + name, folder + "/" + name, error);
    if (error) return false;
  }
  return true;
}

Manifest TaskManifest(const Task& task, const RunSettings& settings) {
  Manifest manifest;
  manifest.options = settings.Options();
  for (const std::string& file : {task.baseFile, task.roverFile})
    manifest.inputs.push_back(DescribeInput(file));
  for (const auto* pieces : {&task.basePieces, &task.roverPieces})
    for (const std::string& file : *pieces) manifest.inputs.push_back(DescribeInput(file));
  for (const std::string& file : task.navigation) manifest.inputs.push_back(DescribeInput(file));
  return manifest;
}

}  // namespace

std::string RunSettings::Options() const {
  return "keep=" + std::to_string(keep) + " systems=" + (systems.empty() ? "default" : systems) +
         (keep >= 2 ? std::string(" listing=") + kListedTypes : "");
}

TaskResult RecordedResult(const Task& task, const RunSettings& settings) {
  const std::string folder = settings.output + "/" + task.Folder();
  const Manifest wanted = TaskManifest(task, settings);
  Manifest found;
  if (!ReadManifest(folder, found) || found.options != wanted.options ||
      found.inputs != wanted.inputs)
    return {TaskOutcome::STOPPED, ""};
  if (found.status == "ok" && fs::exists(folder + "/statistics.txt"))
    return {TaskOutcome::DONE, ""};
  if (found.status == "failed") return {TaskOutcome::FAILED, found.message};
  return {TaskOutcome::STOPPED, ""};
}

TaskResult RunTask(const Task& task, const RunSettings& settings,
                   const volatile std::sig_atomic_t& stop) {
  const std::string folder = settings.output + "/" + task.Folder();
  if (RecordedResult(task, settings).outcome == TaskOutcome::DONE)
    return {TaskOutcome::SKIPPED, ""};
  Manifest manifest = TaskManifest(task, settings);
  const std::string work = folder + "/.work";
  std::error_code error;
  fs::remove_all(work, error);
  fs::create_directories(work, error);
  if (error) return {TaskOutcome::FAILED, "cannot make the folder " + work};
  std::string message;
  for (const Step& step : Steps(task, settings, work)) {
    if (stop) break;
    message = RunStep(WithoutAbsentChannels(step));
    if (!message.empty()) break;
  }
  const bool stopped = stop != 0;
  if (!stopped && message.empty() && !Publish(work, folder, settings.keep))
    message = "cannot move the outputs into " + folder;
  fs::remove_all(work, error);
  if (stopped) return {TaskOutcome::STOPPED, ""};
  manifest.status = message.empty() ? "ok" : "failed";
  manifest.message = message;
  if (!WriteManifest(folder, manifest) && message.empty())
    message = "cannot write the manifest in " + folder;
  return {message.empty() ? TaskOutcome::DONE : TaskOutcome::FAILED, message};
}
