// Starting a cluster command with posix_spawnp and reading its output.
#include "network/ClusterCommand.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

extern char** environ;

bool OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path == nullptr ? "" : path);
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::string file = (folder.empty() ? "." : folder) + "/" + name;
    struct stat facts {};
    if (stat(file.c_str(), &facts) == 0 && S_ISREG(facts.st_mode) &&
        access(file.c_str(), X_OK) == 0)
      return true;
  }
  return false;
}

ClusterCommand::ClusterCommand(const std::vector<std::string>& argv) {
  int ends[2];
  // Close-on-exec, so that commands started later hold no end of this pipe.
  if (pipe2(ends, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
  std::vector<char*> words;
  words.reserve(argv.size() + 1);
  for (const std::string& word : argv) words.push_back(const_cast<char*>(word.c_str()));
  words.push_back(nullptr);
  pid_t child = 0;
  const int failed = posix_spawnp(&child, words[0], &actions, nullptr, words.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  if (failed != 0) {
    close(ends[0]);
    return;
  }
  child_ = child;
  output_ = ends[0];
}

ClusterCommand::ClusterCommand(ClusterCommand&& other) noexcept
    : child_(other.child_), output_(other.output_) {
  other.child_ = -1;
  other.output_ = -1;
}

ClusterCommand::~ClusterCommand() { Wait(); }

std::string ClusterCommand::ReadLine() {
  std::string line;
  char c = 0;
  while (output_ >= 0) {
    const ssize_t got = read(output_, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0 || c == '\n') break;
    line += c;
  }
  return line;
}

std::string ClusterCommand::ReadRest() {
  std::string text;
  char block[4096];
  while (output_ >= 0) {
    const ssize_t got = read(output_, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    text.append(block, static_cast<size_t>(got));
  }
  return text;
}

int ClusterCommand::Wait() {
  // Read to its end first: a command writing into a closed pipe would die.
  ReadRest();
  if (output_ >= 0) close(output_);
  output_ = -1;
  if (child_ <= 0) return -1;
  int status = 0;
  while (waitpid(child_, &status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
