// Output stream buffer on a file descriptor.
#include "rinex/DescriptorBuffer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t kBlockSize = size_t(1) << 16;

}  // namespace

DescriptorBuffer::DescriptorBuffer() : block_(kBlockSize) {
  setp(block_.data(), block_.data() + block_.size());
}

DescriptorBuffer::~DescriptorBuffer() {
  if (descriptor_ >= 0) close(descriptor_);
}

bool DescriptorBuffer::WriteAll(const char* text, size_t count) {
  while (count > 0 && error_ == 0) {
    const ssize_t written = write(descriptor_, text, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    text += written;
    count -= static_cast<size_t>(written);
  }
  return error_ == 0;
}

// Writes the buffered text and empties the buffer.
bool DescriptorBuffer::Drain() {
  const size_t count = static_cast<size_t>(pptr() - pbase());
  setp(block_.data(), block_.data() + block_.size());
  return WriteAll(block_.data(), count);
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

// Text larger than the buffer goes to the descriptor directly.
std::streamsize DescriptorBuffer::xsputn(const char* text, std::streamsize count) {
  const size_t size = static_cast<size_t>(count);
  if (size > static_cast<size_t>(epptr() - pptr())) {
    if (!Drain()) return 0;
    if (size >= block_.size()) return WriteAll(text, size) ? count : 0;
  }
  std::memcpy(pptr(), text, size);
  pbump(static_cast<int>(count));
  return count;
}

int DescriptorBuffer::sync() { return Drain() ? 0 : -1; }

int DescriptorBuffer::Close() {
  Drain();
  if (descriptor_ >= 0 && close(descriptor_) != 0 && error_ == 0) error_ = errno;
  descriptor_ = -1;
  return error_;
}
