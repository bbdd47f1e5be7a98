// ByteStream: the bytes of one input file, read in large blocks, on which
// the converter stacks its decompressors.  It is a stream buffer, so text
// lines can be taken from it through std::istream, and it lets the layer
// above look at the bytes ahead before it takes them.
#ifndef RINEX_BYTESTREAM_H
#define RINEX_BYTESTREAM_H

#include <cstddef>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

class ByteStream : public std::streambuf {
 public:
  // `name` is the file's name as the user gave it, for messages.
  explicit ByteStream(std::string name);

  // The bytes ahead: at least `count` of them, or all that are left when
  // fewer are.  The view stays valid until the next Peek or Consume.
  std::string_view Peek(size_t count);
  // Takes `count` bytes of those Peek showed.
  void Consume(size_t count) { gbump(static_cast<int>(count)); }

  const std::string name;

 protected:
  // Writes up to `room` next bytes of the source to `to`; returns how many,
  // 0 only at the source's end.
  virtual size_t Fill(char* to, size_t room) = 0;

  int_type underflow() override;

 private:
  std::vector<char> buffer_;
  bool atEnd_ = false;  // Fill has returned 0
};

// The bytes of a file; a file that cannot be opened or read is a fatal error
// naming it.
std::unique_ptr<ByteStream> OpenFileBytes(const std::string& path);
// Bytes held in memory (which the caller keeps alive), under `name`.
std::unique_ptr<ByteStream> MemoryBytes(const std::string& name, std::string_view bytes);

#endif
