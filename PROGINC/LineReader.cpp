// Lines of a text stream, read in large blocks into one reused buffer.
#include "PROGINC/LineReader.h"

#include <cstring>

namespace {
// Large enough for a few hundred record lines per read; the buffer grows when
// one line does not fit.
const size_t kBlockSize = size_t(1) << 16;
}  // namespace

LineReader::LineReader(std::istream& in, long linesBefore, size_t maxLength)
    : line(nullptr),
      length(0),
      lineNo(linesBefore),
      terminated(true),
      overlong(false),
      offset(0),
      in_(in),
      maxLength_(maxLength),
      buffer_(kBlockSize),
      start_(0),
      filled_(0),
      before_(0),
      atEnd_(false) {}

bool LineReader::Next() {
  for (;;) {
    const char* from = buffer_.data() + start_;
    const void* lf = std::memchr(from, '\n', filled_ - start_);
    const size_t end =
        lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - buffer_.data()) : 0;
    if (lf != nullptr && end - start_ <= maxLength_) {
      Hand(start_, end, true);
      start_ = end + 1;
      return true;
    }
    if (filled_ - start_ > maxLength_) {
      Hand(start_, start_ + maxLength_, false);
      overlong = true;
      start_ += maxLength_;
      return true;
    }
    if (atEnd_) {
      if (start_ == filled_) return false;
      Hand(start_, filled_, false);
      start_ = filled_;
      return true;
    }
    if (!ReadMore()) atEnd_ = true;
  }
}

// Moves the unread rest to the front, grows the buffer when one line fills
// it, and appends the next block of the stream.
bool LineReader::ReadMore() {
  const size_t rest = filled_ - start_;
  if (start_ > 0) std::memmove(buffer_.data(), buffer_.data() + start_, rest);
  before_ += static_cast<std::streamoff>(start_);
  start_ = 0;
  filled_ = rest;
  if (filled_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  in_.read(buffer_.data() + filled_, static_cast<std::streamsize>(buffer_.size() - filled_));
  const size_t got = static_cast<size_t>(in_.gcount());
  filled_ += got;
  return got > 0;
}

void LineReader::Hand(size_t from, size_t to, bool lineEnd) {
  offset = before_ + static_cast<std::streamoff>(from);
  if (to > from && buffer_[to - 1] == '\r') to--;
  line = buffer_.data() + from;
  length = to - from;
  lineNo++;
  terminated = lineEnd;
  overlong = false;
}
