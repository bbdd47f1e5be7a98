// gzip decompression through zlib, streaming member after member.
#include "rinex/GzipStream.h"

#include <algorithm>

#include "PROGINC/CompressedInput.h"
#include "rinex/ConverterError.h"

bool GzipStream::Starts(std::string_view head) { return CompressionOf(head) == Compression::GZIP; }

GzipStream::GzipStream(ByteStream& compressed)
    : ByteStream(compressed.name), compressed_(compressed) {
  // 16 + 15: a gzip wrapper around a deflate stream of any window size.
  if (inflateInit2(&zlib_, 16 + 15) != Z_OK) FileError(name, "gzip decompression can not start");
}

GzipStream::~GzipStream() { inflateEnd(&zlib_); }

size_t GzipStream::Fill(char* to, size_t room) {
  zlib_.next_out = reinterpret_cast<Bytef*>(to);
  zlib_.avail_out = static_cast<uInt>(room);
  while (zlib_.avail_out > 0) {
    if (betweenMembers_ && !StartNextMember()) break;
    const std::string_view input = compressed_.Peek(1);
    if (input.empty()) FileError(name, "gzip data end early (the file is cut short)");
    zlib_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    zlib_.avail_in = static_cast<uInt>(input.size());
    const int status = inflate(&zlib_, Z_NO_FLUSH);
    compressed_.Consume(input.size() - zlib_.avail_in);
    if (status == Z_STREAM_END) {
      betweenMembers_ = true;
    } else if (status != Z_OK) {
      Corrupt(status);
    }
  }
  return room - zlib_.avail_out;
}

// After a member's end: the end of the data, zero bytes up to the end (the
// padding of tapes and blocks), or the start of the next member.
bool GzipStream::StartNextMember() {
  const std::string_view head = compressed_.Peek(2);
  if (head.empty()) return false;
  const bool padding = head[0] == '\0';
  if (padding && OnlyZerosFollow()) return false;
  if (padding || !Starts(head)) FileError(name, "data that are not gzip data follow the gzip data");
  inflateReset(&zlib_);
  betweenMembers_ = false;
  return true;
}

// Takes the zero bytes ahead; true when the data end with them.
bool GzipStream::OnlyZerosFollow() {
  for (;;) {
    const std::string_view ahead = compressed_.Peek(1);
    if (ahead.empty()) return true;
    const size_t zeros = std::min(ahead.find_first_not_of('\0'), ahead.size());
    compressed_.Consume(zeros);
    if (zeros < ahead.size()) return false;
  }
}

void GzipStream::Corrupt(int status) {
  const std::string detail = zlib_.msg != nullptr ? zlib_.msg : zError(status);
  FileError(name, "gzip data are corrupt (" + detail + ")");
}
