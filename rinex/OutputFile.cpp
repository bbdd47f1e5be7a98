// Outputs published together when complete, or written straight through.
#include "rinex/OutputFile.h"

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
#include "rinex/OutputPlace.h"

namespace {

// The temporary files of this process not yet renamed, in a fixed table that
// a signal handler may read: an exit that unwinds no stack (a base class's
// own fatal report) and a signal that ends the process remove them.  A slot
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
  for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2,
                           SIGXCPU, SIGVTALRM, SIGPROF}) {
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

OutputFile::OutputFile(const std::string& target) : target_(target), out_(&buffer_) {
  OutputPlace place = FindOutputPlace(target);
  if (place.descriptor >= 0) {
    buffer_.Attach(place.descriptor);
    return;
  }
  replaced_ = std::move(place.replaced);
  std::vector<char> name(replaced_.begin(), replaced_.end());
  for (const char c : std::string(".tmpXXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) FileSystemError(target, "can not be written", errno);
  buffer_.Attach(fd);
  temporary_ = name.data();
  slot_ = Hold(temporary_, target);
  // mkstemp makes the file private; the result gets the usual permissions.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
}

OutputFile::~OutputFile() {
  if (published_ || temporary_.empty()) return;
  buffer_.Close();
  std::remove(temporary_.c_str());
  Release(slot_);
}

void OutputFile::Close() {
  out_.flush();
  const int error = buffer_.Close();
  if (error != 0) FileSystemError(target_, "writing failed", error);
}

void OutputFile::Publish() {
  if (temporary_.empty()) return;
  if (std::rename(temporary_.c_str(), replaced_.c_str()) != 0)
    FileSystemError(target_, "can not be written", errno);
  published_ = true;
  Release(slot_);
}

void PublishTogether(std::initializer_list<OutputFile*> outputs) {
  for (OutputFile* output : outputs)
    if (output != nullptr) output->Close();
  for (OutputFile* output : outputs)
    if (output != nullptr) output->Publish();
}
