// CompressStream: the decompressed bytes of Unix compress data (.Z): LZW
// codes of 9 up to 9..16 bits, optionally in block mode, where a clear code
// empties the table.
#ifndef RINEX_COMPRESSSTREAM_H
#define RINEX_COMPRESSSTREAM_H

#include <cstdint>
#include <vector>

#include "rinex/ByteStream.h"

class CompressStream : public ByteStream {
 public:
  // Reads the three header bytes at once; unsupported settings are fatal.
  explicit CompressStream(ByteStream& compressed);

 protected:
  size_t Fill(char* to, size_t room) override;

 private:
  ByteStream& compressed_;
  int maxBits_;          // the widest code
  bool blockMode_;       // code 256 clears the table
  long tableLimit_;      // 1 << maxBits_: no entry at or above it
  int bits_ = 9;         // the current code width
  long widthLimit_;      // the largest entry number the current width reaches
  long nextEntry_;       // the table entry the next code defines
  bool restart_ = true;  // the next code is a literal that defines no entry
  bool clearPending_ = false;
  int previous_ = 0;       // the code before
  uint8_t firstByte_ = 0;  // the first byte of the previous code's string

  // Codes come in groups of eight (bits_ bytes); a change of width or a
  // clear code drops the rest of the group, as the format's writer pads it.
  // Two spare bytes let a code be read as one three-byte window.
  uint8_t group_[16 + 2] = {};
  long groupBits_ = 0;  // bits of the group that hold whole codes
  long groupOffset_ = 0;

  std::vector<uint16_t> prefix_;
  std::vector<uint8_t> suffix_;
  std::vector<uint16_t> length_;  // length of each entry's string
  std::vector<char> pending_;     // a decoded string not yet handed out
  size_t pendingFrom_ = 0, pendingTo_ = 0;

  long NextCode();
  void ReadGroup();
  void Decode(long code);
};

#endif
