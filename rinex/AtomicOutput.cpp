// Output files renamed into place when complete.
#include "rinex/AtomicOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "rinex/ConverterError.h"

namespace {

// The temporary files of this process not yet renamed, in a fixed table that
// a signal handler may read: the exit after a fatal report (which unwinds no
// stack) and an interruption (SIGINT, SIGTERM, SIGHUP) remove them.  A slot
// is free while its first character is the terminator; a path is copied in
// behind it and the first character stored last.
constexpr int kSlots = 8;
constexpr size_t kPathRoom = 4096;
char pending[kSlots][kPathRoom];

void RemovePending() {
  for (char* path : pending)
    if (path[0] != '\0') unlink(path);
}

void OnSignal(int signal) {
  RemovePending();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Removal on exit, and on the signals whose default is to end the process
// (a signal the caller ignores stays ignored).
void RegisterRemoval() {
  static const bool registered = std::atexit(RemovePending) == 0;
  (void)registered;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current;
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
      std::signal(signal, OnSignal);
  }
}

int Hold(const std::string& path, const std::string& target) {
  RegisterRemoval();
  for (int slot = 0; slot < kSlots; slot++) {
    if (pending[slot][0] != '\0' || path.size() >= kPathRoom) continue;
    std::memcpy(pending[slot] + 1, path.c_str() + 1, path.size());
    std::atomic_signal_fence(std::memory_order_release);
    pending[slot][0] = path[0];
    return slot;
  }
  std::remove(path.c_str());
  FileError(target, "can not be written (too many outputs open, or a name too long)");
}

void Release(int slot) { pending[slot][0] = '\0'; }

}  // namespace

AtomicOutput::AtomicOutput(const std::string& target) : target_(target) {
  std::vector<char> name(target.begin(), target.end());
  for (const char c : std::string(".tmpXXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) FileError(target, std::string("can not be written (") + std::strerror(errno) + ")");
  // mkstemp makes the file private; the result gets the usual permissions.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  close(fd);
  temporary_ = name.data();
  slot_ = Hold(temporary_, target);
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) FileError(target, "can not be written");
}

AtomicOutput::~AtomicOutput() {
  if (committed_) return;
  out_.close();
  std::remove(temporary_.c_str());
  Release(slot_);
}

void AtomicOutput::Commit() {
  out_.flush();
  out_.close();
  if (!out_) FileError(target_, "writing failed");
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
    FileError(target_, std::string("can not be written (") + std::strerror(errno) + ")");
  committed_ = true;
  Release(slot_);
}
