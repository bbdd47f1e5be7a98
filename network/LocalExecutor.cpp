// Workers that take the plan's tasks in turn.
#include "network/LocalExecutor.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>

namespace {

// Set by SIGINT or SIGTERM; read by the workers between steps.
volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

class Progress {
 public:
  Progress(int total, bool shown) : shown_(shown), start_(std::chrono::steady_clock::now()) {
    tally_.total = total;
  }

  void Count(const Task& task, const TaskResult& result) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (result.outcome == TaskOutcome::DONE) tally_.done++;
    if (result.outcome == TaskOutcome::SKIPPED) tally_.skipped++;
    if (result.outcome == TaskOutcome::FAILED) tally_.failed++;
    if (result.outcome == TaskOutcome::STOPPED) tally_.stopped = true;
    if (result.outcome == TaskOutcome::FAILED)
      failed_.emplace_back(&task, task.Folder() + ": " + result.message);
    Show();
  }

  RunTally Finish(const std::vector<Task>& tasks) {
    if (shown_) std::fputc('\n', stderr);
    for (const Task& task : tasks)
      for (const auto& [which, line] : failed_)
        if (which == &task) tally_.failures.push_back(line);
    return tally_;
  }

 private:
  bool shown_;
  std::chrono::steady_clock::time_point start_;
  std::mutex mutex_;
  RunTally tally_;
  std::vector<std::pair<const Task*, std::string>> failed_;

  void Show() const {
    if (!shown_) return;
    const int finished = tally_.done + tally_.failed + tally_.skipped;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double left = finished > 0 ? elapsed / finished * (tally_.total - finished) : 0;
    std::fprintf(stderr, "\r%d done, %d failed, %d skipped of %d; about %.0f s left  ", tally_.done,
                 tally_.failed, tally_.skipped, tally_.total, left);
    std::fflush(stderr);
  }
};

}  // namespace

RunTally RunLocally(const std::vector<Task>& tasks, const RunSettings& settings, int jobs) {
  stopRequested = 0;
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  Progress progress(static_cast<int>(tasks.size()), isatty(STDERR_FILENO) != 0);
  std::atomic<size_t> next{0};
  auto work = [&]() {
    for (size_t k = next++; k < tasks.size() && !stopRequested; k = next++)
      progress.Count(tasks[k], RunTask(tasks[k], settings, stopRequested));
  };
  std::vector<std::thread> workers;
  for (int w = 1; w < jobs; w++) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  RunTally tally = progress.Finish(tasks);
  tally.stopped = tally.stopped || stopRequested != 0;
  return tally;
}

int ReportTally(const RunTally& tally) {
  std::cerr << tally.total << " tasks: " << tally.done << " done, " << tally.failed << " failed, "
            << tally.skipped << " skipped\n";
  for (const std::string& failure : tally.failures) std::cerr << "failed " << failure << "\n";
  if (tally.stopped) {
    std::cerr << "stopped: the tasks not finished are left for the next run\n";
    return 130;
  }
  return tally.failed > 0 ? 1 : 0;
}
