// Text gathered in one large buffer and handed to a stream in big pieces.
#include "PROGINC/OutBlock.h"

#include <cstring>

namespace {
const size_t kBlockSize = size_t(1) << 20;
}

OutBlock::OutBlock(std::ostream& out) : out_(out), buffer_(kBlockSize), filled_(0) {}

char* OutBlock::Room(size_t n) {
  if (filled_ + n > buffer_.size()) {
    HandOver();
    if (n > buffer_.size()) buffer_.resize(n);
  }
  return buffer_.data() + filled_;
}

void OutBlock::Append(const char* text, size_t n) {
  std::memcpy(Room(n), text, n);
  Used(n);
}

void OutBlock::HandOver() {
  if (filled_ > 0) out_.write(buffer_.data(), static_cast<std::streamsize>(filled_));
  filled_ = 0;
}
