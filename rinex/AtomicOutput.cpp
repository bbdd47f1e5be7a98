// Output files renamed into place when complete.
#include "rinex/AtomicOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "rinex/ConverterError.h"

namespace {

void RemovePending();

// The temporary files of this process not yet renamed.  Kept so that the
// exit after a fatal report, which unwinds no stack, can remove them; the
// list is made before the removal is registered, so it outlives it.
std::vector<std::string>& Pending() {
  static std::vector<std::string> pending;
  static const bool registered = std::atexit(RemovePending) == 0;
  (void)registered;
  return pending;
}

void RemovePending() {
  for (const std::string& path : Pending()) std::remove(path.c_str());
}

void Forget(const std::string& path) {
  std::vector<std::string>& pending = Pending();
  pending.erase(std::remove(pending.begin(), pending.end(), path), pending.end());
}

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
  Pending().push_back(temporary_);
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) FileError(target, "can not be written");
}

AtomicOutput::~AtomicOutput() {
  if (committed_) return;
  out_.close();
  std::remove(temporary_.c_str());
  Forget(temporary_);
}

void AtomicOutput::Commit() {
  out_.flush();
  out_.close();
  if (!out_) FileError(target_, "writing failed");
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
    FileError(target_, std::string("can not be written (") + std::strerror(errno) + ")");
  committed_ = true;
  Forget(temporary_);
}
