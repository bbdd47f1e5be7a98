// Where an output goes: symbolic links followed, devices written through.
#include "rinex/OutputPlace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "rinex/ConverterError.h"

namespace {

// Links followed before the chain counts as a loop, as the system counts.
constexpr int kMostLinks = 40;

[[noreturn]] void CannotWrite(const std::string& target, int error) {
  FileSystemError(target, "can not be written", error);
}

// The standard output or error when `file` is open there, or -1.
int StandardStreamOf(const struct stat& file) {
  for (const int descriptor : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat open;
    if (fstat(descriptor, &open) == 0 && open.st_dev == file.st_dev && open.st_ino == file.st_ino)
      return descriptor;
  }
  return -1;
}

// The path at the end of a chain of symbolic links (the path itself when it
// is no link); a relative link is read from the folder of the link.
std::string FollowLinks(const std::string& target) {
  std::string path = target;
  for (int link = 0; link < kMostLinks; link++) {
    struct stat entry;
    if (lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) return path;
    char text[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), text, sizeof text);
    if (length < 0) CannotWrite(target, errno);
    if (static_cast<size_t>(length) == sizeof text) CannotWrite(target, ENAMETOOLONG);
    std::string next(text, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    path = next;
  }
  CannotWrite(target, ELOOP);
}

int OpenThrough(const std::string& target, int standardStream) {
  const int descriptor = standardStream >= 0
                             ? fcntl(standardStream, F_DUPFD_CLOEXEC, 0)
                             : open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) CannotWrite(target, errno);
  return descriptor;
}

}  // namespace

OutputPlace FindOutputPlace(const std::string& target) {
  struct stat file;
  if (stat(target.c_str(), &file) != 0) {
    // Not there yet; a link that leads nowhere makes the file it names.
    if (errno != ENOENT) CannotWrite(target, errno);
    return {FollowLinks(target), -1};
  }
  if (S_ISDIR(file.st_mode)) CannotWrite(target, EISDIR);
  const int standardStream = StandardStreamOf(file);
  if (S_ISREG(file.st_mode) && standardStream < 0) return {FollowLinks(target), -1};
  return {"", OpenThrough(target, standardStream)};
}
