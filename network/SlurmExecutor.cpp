// Submitting a plan's tasks as job arrays, and the work of one element.
#include "network/SlurmExecutor.h"

#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "network/ClusterCommand.h"
#include "network/NetOptions.h"
#include "network/SlurmChunks.h"

namespace fs = std::filesystem;

namespace {

// Set by SIGINT while the arrays are waited for.
volatile std::sig_atomic_t waitingStopped = 0;

void StopWaiting(int) { waitingStopped = 1; }

[[noreturn]] void Fail(const std::string& what) { ProgramError(kNetworkName, what.c_str()); }

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// OUT/slurm/N with the first N not yet taken, made.
std::string SubmissionFolder(const std::string& output) {
  std::error_code error;
  fs::create_directories(output + "/slurm", error);
  for (int n = 1;; n++) {
    std::string folder = output + "/slurm/" + std::to_string(n);
    if (fs::create_directory(folder, error)) return folder;
    if (error) Fail("cannot make the folder " + folder);
  }
}

// The plan of the submitted tasks, and the script each element runs.
void WriteSubmission(const std::string& folder, const std::vector<Task>& tasks,
                     const BaselineRule& rule, const std::string& program) {
  std::ofstream plan(folder + "/plan.txt", std::ios::binary);
  WritePlan(plan, NetworkPlan{tasks, {}}, rule);
  std::ofstream script(folder + "/element.sh", std::ios::binary);
  script << "#!/bin/sh\n# One element of a job array: its chunk of plan.txt.\nexec "
         << ShellQuoted(program) << " \"$@\"\n";
  if (!plan.flush() || !script.flush()) Fail("cannot write the submission in " + folder);
  if (chmod((folder + "/element.sh").c_str(), 0755) != 0)
    Fail("cannot make " + folder + "/element.sh executable");
}

// Cores of one array element: its tasks run side by side on them.
long ElementCores(const SlurmSettings& slurm) {
  return slurm.cpusPerTask > 0 ? slurm.cpusPerTask : 1;
}

SiteLimits ReadSiteLimits() {
  ClusterCommand scontrol({"scontrol", "show", "config"});
  const std::string text = scontrol.ReadRest();
  if (scontrol.Wait() != 0 || text.empty()) {
    std::cerr << "scontrol show config gave no limits: taking MaxArraySize " << kDefaultMaxArraySize
              << " and MaxJobCount " << kDefaultMaxJobCount << "\n";
    return {};
  }
  return ParseSiteLimits(text);
}

ChunkPlan CutIntoArrays(long tasks, const SlurmSettings& slurm) {
  const SiteLimits site = ReadSiteLimits();
  ChunkRequest request;
  request.tasks = tasks;
  request.timeLimitSeconds = slurm.time.empty() ? 0 : TimeLimitSeconds(slurm.time);
  request.taskSeconds = slurm.taskSeconds;
  request.cpusPerElement = ElementCores(slurm);
  request.maxJobs =
      slurm.maxJobs > 0 && slurm.maxJobs < site.maxJobCount ? slurm.maxJobs : site.maxJobCount;
  request.maxArraySize = site.maxArraySize;
  ChunkPlan chunks = PlanChunks(request);
  if (!chunks.problem.empty()) Fail(chunks.problem);
  return chunks;
}

void AddOption(std::vector<std::string>& words, const char* name, const std::string& value) {
  if (!value.empty()) words.push_back(std::string(name) + "=" + value);
}

std::vector<std::string> SbatchWords(const ArrayJob& array, long size, const std::string& folder,
                                     const RunSettings& settings, const SlurmSettings& slurm,
                                     const std::string& after) {
  std::vector<std::string> words = {"sbatch", "--parsable", "--job-name=Quintavelmor-net",
                                    "--array=" + ArrayRange(array, slurm.throttle),
                                    "--output=" + folder + "/%A_%a.log"};
  if (slurm.wait) words.emplace_back("--wait");
  AddOption(words, "--partition", slurm.partition);
  AddOption(words, "--account", slurm.account);
  AddOption(words, "--time", slurm.time);
  AddOption(words, "--mem", slurm.memory);
  AddOption(words, "--cpus-per-task",
            slurm.cpusPerTask > 0 ? std::to_string(slurm.cpusPerTask) : "");
  AddOption(words, "--dependency", after.empty() ? "" : "afterany:" + after);
  words.insert(words.end(),
               {folder + "/element.sh", "run-chunk", folder + "/plan.txt", "-o", settings.output,
                "--first", std::to_string(array.firstTask), "--size", std::to_string(size), "-j",
                std::to_string(ElementCores(slurm)), "--keep", KeepName(settings.keep)});
  if (!settings.systems.empty()) words.insert(words.end(), {"--systems", settings.systems});
  return words;
}

struct Submitted {
  ArrayJob array;
  std::string jobId;
  ClusterCommand sbatch;
};

std::string JobId(const std::string& parsable) { return parsable.substr(0, parsable.find(';')); }

// Submits one array and prints its line; `after` is the job it waits for.
Submitted SubmitArray(const ArrayJob& array, long size, long tasks, const std::string& folder,
                      const RunSettings& settings, const SlurmSettings& slurm,
                      const std::string& after) {
  ClusterCommand sbatch(SbatchWords(array, size, folder, settings, slurm, after));
  if (!sbatch.Started()) Fail("cannot start sbatch");
  const std::string jobId = JobId(sbatch.ReadLine());
  if (jobId.empty())
    Fail("sbatch submitted no job for the tasks from " + std::to_string(array.firstTask + 1) +
         " on");
  const long last = std::min(array.firstTask + array.elements * size, tasks);
  std::cout << "job " << jobId << ": tasks " << array.firstTask + 1 << " to " << last << " of "
            << tasks << " in " << folder << "/plan.txt, " << array.elements << " elements of up to "
            << size << std::endl;
  return {array, jobId, std::move(sbatch)};
}

// Waits for the sbatch --wait processes; false when Ctrl-C stopped it.  The
// terminal's SIGINT ends those processes too, not the jobs.
bool WaitForArrays(std::vector<Submitted>& arrays) {
  waitingStopped = 0;
  struct sigaction action {};
  action.sa_handler = StopWaiting;
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
  for (Submitted& submitted : arrays) submitted.sbatch.Wait();
  std::signal(SIGINT, SIG_DFL);
  return waitingStopped == 0;
}

// The outcome of every submitted task from the manifests; a task without one
// points to the log of its element.
void TallyFromManifests(const std::vector<Task>& tasks, const RunSettings& settings,
                        const std::vector<Submitted>& arrays, long size, const std::string& folder,
                        RunTally& tally) {
  for (const Submitted& submitted : arrays)
    for (long k = 0; k < submitted.array.elements * size; k++) {
      const long index = submitted.array.firstTask + k;
      if (index >= static_cast<long>(tasks.size())) break;
      const Task& task = tasks[index];
      const TaskResult result = RecordedResult(task, settings);
      if (result.outcome == TaskOutcome::DONE) {
        tally.done++;
        continue;
      }
      tally.failed++;
      const std::string log =
          folder + "/" + submitted.jobId + "_" + std::to_string(k / size) + ".log";
      tally.failures.push_back(
          task.Folder() + ": " +
          (result.outcome == TaskOutcome::FAILED ? result.message : "no result; see " + log));
    }
}

}  // namespace

SlurmRun RunOnSlurm(const std::vector<Task>& tasks, const BaselineRule& rule,
                    const RunSettings& settings, const SlurmSettings& slurm) {
  std::vector<Task> pending;
  for (const Task& task : tasks)
    if (RecordedResult(task, settings).outcome != TaskOutcome::DONE) pending.push_back(task);
  SlurmRun run;
  run.tally.total = static_cast<int>(tasks.size());
  run.tally.skipped = static_cast<int>(tasks.size() - pending.size());
  if (pending.empty()) {
    run.state = SlurmRun::FINISHED;
    return run;
  }
  const ChunkPlan chunks = CutIntoArrays(static_cast<long>(pending.size()), slurm);
  const std::string folder = SubmissionFolder(settings.output);
  WriteSubmission(folder, pending, rule, slurm.program);
  std::vector<Submitted> arrays;
  for (const ArrayJob& array : chunks.arrays) {
    // Under a throttle each array waits for the one before, so that the
    // throttle holds for the whole plan.
    const std::string after = slurm.throttle > 0 && !arrays.empty() ? arrays.back().jobId : "";
    arrays.push_back(SubmitArray(array, chunks.tasksPerElement, static_cast<long>(pending.size()),
                                 folder, settings, slurm, after));
  }
  if (!slurm.wait) return run;
  if (!WaitForArrays(arrays)) {
    run.state = SlurmRun::STOPPED_WAITING;
    return run;
  }
  TallyFromManifests(pending, settings, arrays, chunks.tasksPerElement, folder, run.tally);
  run.state = SlurmRun::FINISHED;
  return run;
}

int RunChunk(const std::string& planFile, const RunSettings& settings, long first, long size,
             int jobs) {
  const char* index = std::getenv("SLURM_ARRAY_TASK_ID");
  if (index == nullptr || *index == '\0')
    Fail("run-chunk runs as an element of a job array (no SLURM_ARRAY_TASK_ID)");
  std::ifstream in(planFile, std::ios::binary);
  std::vector<Task> tasks;
  if (!in || !ReadPlanTasks(in, tasks)) Fail("cannot read the plan " + planFile);
  const long from = first + std::atol(index) * size;
  const long to = std::min(from + size, static_cast<long>(tasks.size()));
  const std::vector<Task> chunk(tasks.begin() + std::min(from, to), tasks.begin() + to);
  return ReportTally(RunLocally(chunk, settings, jobs));
}
