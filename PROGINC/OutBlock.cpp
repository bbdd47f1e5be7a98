// Text gathered in one large buffer and handed to a stream in big pieces.
#include "PROGINC/OutBlock.h"

namespace {
// The buffer starts small, so a short listing costs little, and doubles up
// to the block handed over at once.
const size_t kFirstSize = size_t(1) << 14;
const size_t kBlockSize = size_t(1) << 20;
}  // namespace

OutBlock::OutBlock(std::ostream& out) : out_(&out), buffer_(kFirstSize), filled_(0) {}

OutBlock::OutBlock() : out_(nullptr), buffer_(kFirstSize), filled_(0) {}

void OutBlock::MakeRoom(size_t n) {
  if (out_ != nullptr && filled_ + n > kBlockSize) HandOver();
  size_t size = buffer_.size();
  while (size < filled_ + n) size *= 2;
  buffer_.resize(size);
}

void OutBlock::HandOverTo(std::ostream& out) {
  if (filled_ > 0) out.write(buffer_.data(), static_cast<std::streamsize>(filled_));
  filled_ = 0;
}
