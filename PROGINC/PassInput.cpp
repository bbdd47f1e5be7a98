// A file read in more than one pass, read once where it cannot be read again.
#include "PROGINC/PassInput.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {
// The copy grows by blocks, so it is never moved as it grows: the first
// small, for the short files that channel files are, each further one as
// large as the copy so far, up to the largest.
const size_t kFirstBlock = size_t(1) << 16;
const size_t kLargestBlock = size_t(1) << 20;

bool IsRegularFile(const char* path) {
  std::error_code ec;
  return std::filesystem::status(path, ec).type() == std::filesystem::file_type::regular;
}
}  // namespace

PassInput::PassInput() : stream_(nullptr) {}

bool PassInput::Open(const char* path) {
  file_.close();
  if (copied_ != path && IsRegularFile(path)) {
    file_.clear();
    file_.open(path, std::ios::binary);
    stream_.rdbuf(file_.rdbuf());
    return file_.is_open();
  }
  if (copied_ != path && !ReadCopy(path)) return false;
  copy_.Rewind();
  stream_.rdbuf(&copy_);
  return true;
}

void PassInput::Release() {
  file_.close();
  stream_.rdbuf(nullptr);
  copy_.Rewind();
  copy_.blocks = std::vector<std::string>();
  copied_.clear();
}

// A read that stops short has reached the end of the input, or failed.
bool PassInput::ReadCopy(const char* path) {
  Release();
  std::ifstream once(path, std::ios::binary);
  if (!once.is_open()) return false;
  size_t copied = 0;
  do {
    const size_t size = std::min(kLargestBlock, std::max(kFirstBlock, copied));
    copy_.blocks.emplace_back(size, '\0');
    std::string& block = copy_.blocks.back();
    once.read(&block[0], static_cast<std::streamsize>(size));
    block.resize(static_cast<size_t>(once.gcount()));
    copied += block.size();
  } while (once);
  if (once.bad()) {
    Release();
    return false;
  }
  copied_ = path;
  return true;
}

void PassInput::CopyBuffer::Rewind() {
  next_ = 0;
  setg(nullptr, nullptr, nullptr);
}

PassInput::CopyBuffer::int_type PassInput::CopyBuffer::underflow() {
  while (next_ < blocks.size()) {
    std::string& block = blocks[next_++];
    if (block.empty()) continue;
    setg(&block[0], &block[0], &block[0] + block.size());
    return traits_type::to_int_type(block[0]);
  }
  return traits_type::eof();
}
