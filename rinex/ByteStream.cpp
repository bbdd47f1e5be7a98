// Input bytes in large blocks: the buffer every layer shares, and the two
// sources at the bottom (a file, or memory).
#include "rinex/ByteStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "rinex/ConverterError.h"

namespace {

// Large enough that a read call or a decompressor's turn costs little per
// byte; a Peek never asks for more than a few hundred bytes.
const size_t kBlockSize = size_t(1) << 16;

class FileBytes : public ByteStream {
 public:
  explicit FileBytes(const std::string& path)
      : ByteStream(path), fd_(open(path.c_str(), O_RDONLY)) {
    if (fd_ < 0) FileSystemError(path, "can not be opened", errno);
  }
  ~FileBytes() override { close(fd_); }

 protected:
  size_t Fill(char* to, size_t room) override {
    for (;;) {
      const ssize_t got = read(fd_, to, room);
      if (got >= 0) return static_cast<size_t>(got);
      if (errno != EINTR) FileSystemError(name, "can not be read", errno);
    }
  }

 private:
  int fd_;
};

class InMemoryBytes : public ByteStream {
 public:
  InMemoryBytes(const std::string& name, std::string_view bytes) : ByteStream(name), rest_(bytes) {}

 protected:
  size_t Fill(char* to, size_t room) override {
    const size_t count = std::min(room, rest_.size());
    std::memcpy(to, rest_.data(), count);
    rest_.remove_prefix(count);
    return count;
  }

 private:
  std::string_view rest_;
};

}  // namespace

ByteStream::ByteStream(std::string fileName) : name(std::move(fileName)), buffer_(kBlockSize) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

std::string_view ByteStream::Peek(size_t count) {
  size_t ahead = static_cast<size_t>(egptr() - gptr());
  if (ahead < count && !atEnd_) {
    std::memmove(buffer_.data(), gptr(), ahead);
    while (ahead < count && !atEnd_) {
      const size_t got = Fill(buffer_.data() + ahead, buffer_.size() - ahead);
      atEnd_ = got == 0;
      ahead += got;
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + ahead);
  }
  return std::string_view(gptr(), ahead);
}

ByteStream::int_type ByteStream::underflow() {
  const std::string_view ahead = Peek(1);
  return ahead.empty() ? traits_type::eof() : traits_type::to_int_type(ahead[0]);
}

std::unique_ptr<ByteStream> OpenFileBytes(const std::string& path) {
  return std::make_unique<FileBytes>(path);
}

std::unique_ptr<ByteStream> MemoryBytes(const std::string& name, std::string_view bytes) {
  return std::make_unique<InMemoryBytes>(name, bytes);
}
