// GzipStream: the decompressed bytes of gzip data (one or more members, as
// concatenated .gz files hold them, and zero bytes of padding after the
// last), read from the layer below.
#ifndef RINEX_GZIPSTREAM_H
#define RINEX_GZIPSTREAM_H

#include <zlib.h>

#include "rinex/ByteStream.h"

class GzipStream : public ByteStream {
 public:
  // True when `head` (the first bytes of some data) starts a gzip member.
  static bool Starts(std::string_view head);

  explicit GzipStream(ByteStream& compressed);
  ~GzipStream() override;

 protected:
  size_t Fill(char* to, size_t room) override;

 private:
  ByteStream& compressed_;
  z_stream zlib_{};
  bool betweenMembers_ = false;  // a member has ended; another may follow

  bool StartNextMember();
  bool OnlyZerosFollow();
  [[noreturn]] void Corrupt(int status);
};

#endif
