// LZW decompression of Unix compress data, streaming code by code.  The code
// widths, the padding of code groups and the table's growth follow the
// format's original writer, which readers must mirror exactly.
#include "rinex/CompressStream.h"

#include <algorithm>
#include <cstring>

#include "rinex/ConverterError.h"

namespace {

const long kClearCode = 256;
const int kFirstBits = 9;
const long kFirstWidthLimit = (1L << kFirstBits) - 1;
const size_t kTableSize = size_t(1) << 16;

}  // namespace

CompressStream::CompressStream(ByteStream& compressed)
    : ByteStream(compressed.name),
      compressed_(compressed),
      prefix_(kTableSize),
      suffix_(kTableSize),
      length_(kTableSize),
      pending_(kTableSize) {
  const std::string_view head = compressed_.Peek(3);
  if (head.size() < 3) FileError(name, "compress data end early (the file is cut short)");
  const auto settings = static_cast<uint8_t>(head[2]);
  compressed_.Consume(3);
  maxBits_ = settings & 0x1f;
  blockMode_ = (settings & 0x80) != 0;
  if (maxBits_ < kFirstBits || maxBits_ > 16 || (settings & 0x60) != 0)
    FileError(name, "compress data with settings this reader does not know");
  tableLimit_ = 1L << maxBits_;
  widthLimit_ = kFirstWidthLimit;
  nextEntry_ = blockMode_ ? kClearCode + 1 : kClearCode;
  for (int byte = 0; byte < 256; byte++) {
    suffix_[byte] = static_cast<uint8_t>(byte);
    length_[byte] = 1;
  }
}

size_t CompressStream::Fill(char* to, size_t room) {
  size_t produced = 0;
  while (produced < room) {
    if (pendingFrom_ < pendingTo_) {
      const size_t count = std::min(room - produced, pendingTo_ - pendingFrom_);
      std::memcpy(to + produced, pending_.data() + pendingFrom_, count);
      produced += count;
      pendingFrom_ += count;
      continue;
    }
    const long code = NextCode();
    if (code < 0) break;
    Decode(code);
  }
  return produced;
}

// The next code, or -1 at the end of the data.  A new group starts when the
// current one is used up, when the table has outgrown the code width, and
// after a clear code.
long CompressStream::NextCode() {
  if (clearPending_ || groupOffset_ >= groupBits_ || nextEntry_ > widthLimit_) {
    if (nextEntry_ > widthLimit_) {
      bits_++;
      widthLimit_ = bits_ == maxBits_ ? tableLimit_ : (1L << bits_) - 1;
    }
    if (clearPending_) {
      bits_ = kFirstBits;
      widthLimit_ = kFirstWidthLimit;
      clearPending_ = false;
    }
    ReadGroup();
    if (groupBits_ <= 0) return -1;
  }
  const long byte = groupOffset_ >> 3;
  const uint32_t window =
      group_[byte] | uint32_t(group_[byte + 1]) << 8 | uint32_t(group_[byte + 2]) << 16;
  groupOffset_ += bits_;
  return static_cast<long>((window >> (groupOffset_ - bits_ - byte * 8)) & ((1u << bits_) - 1));
}

// The group is bits_ bytes; at the end of the data it may be shorter, and
// only the whole codes in it count.
void CompressStream::ReadGroup() {
  const std::string_view input = compressed_.Peek(bits_);
  const size_t count = std::min(input.size(), static_cast<size_t>(bits_));
  std::memcpy(group_, input.data(), count);
  compressed_.Consume(count);
  groupOffset_ = 0;
  groupBits_ = static_cast<long>(count) * 8 - (bits_ - 1);
}

// Puts the string of `code` into pending_ and defines the next table entry:
// the previous code's string and the first byte of this one.
void CompressStream::Decode(long code) {
  pendingFrom_ = pendingTo_ = 0;
  if (restart_) {
    if (code >= kClearCode)
      FileError(name, "compress data are corrupt (a first code is not a byte)");
    pending_[pendingTo_++] = static_cast<char>(code);
    previous_ = static_cast<int>(code);
    firstByte_ = static_cast<uint8_t>(code);
    restart_ = false;
    return;
  }
  if (blockMode_ && code == kClearCode) {
    clearPending_ = restart_ = true;
    nextEntry_ = kClearCode + 1;
    return;
  }
  if (code > nextEntry_ || code >= tableLimit_)
    FileError(name, "compress data are corrupt (a code refers to no table entry)");
  // A code may name the entry it defines itself: its string is the previous
  // string and that string's first byte.
  const bool selfReference = code == nextEntry_;
  const size_t size = length_[selfReference ? previous_ : code] + (selfReference ? 1 : 0);
  size_t at = selfReference ? size - 1 : size;
  if (selfReference) pending_[at] = static_cast<char>(firstByte_);
  for (long entry = selfReference ? previous_ : code;; entry = prefix_[entry]) {
    pending_[--at] = static_cast<char>(suffix_[entry]);
    if (entry < kClearCode) break;
  }
  pendingTo_ = size;
  firstByte_ = static_cast<uint8_t>(pending_[0]);
  if (nextEntry_ < tableLimit_) {
    prefix_[nextEntry_] = static_cast<uint16_t>(previous_);
    suffix_[nextEntry_] = firstByte_;
    length_[nextEntry_] = static_cast<uint16_t>(length_[previous_] + 1);
    nextEntry_++;
  }
  previous_ = static_cast<int>(code);
}
