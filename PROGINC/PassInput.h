// PassInput: a file that its reader goes through more than once, a counting
// pass and then a reading pass.
//
// A regular file is opened anew for every pass.  Any other file (a pipe, a
// FIFO, /dev/stdin, a terminal) gives its bytes only once: the first pass
// reads them all into memory, and every pass reads that copy, so the passes
// see exactly the bytes they would see in a regular file of that content.
#ifndef PROGINC_PASSINPUT_H
#define PROGINC_PASSINPUT_H

#include <cstddef>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

class PassInput {
 public:
  PassInput();
  PassInput(const PassInput&) = delete;
  PassInput& operator=(const PassInput&) = delete;

  // Starts a pass over the file `path` at its first byte; false when it can
  // not be opened or, read once, not be read to its end.
  bool Open(const char* path);
  // The bytes of the current pass.
  std::istream& Stream() { return stream_; }
  // Whether the passes read a copy: the file can not be opened again.
  bool ReadsCopy() const { return !copied_.empty(); }
  // After the last pass: closes the file and frees the copy.
  void Release();

 private:
  // The copy, read as one stream block after block.
  class CopyBuffer : public std::streambuf {
   public:
    std::vector<std::string> blocks;
    void Rewind();

   protected:
    int_type underflow() override;

   private:
    size_t next_ = 0;
  };

  bool ReadCopy(const char* path);

  std::string copied_;  // the path whose bytes the copy holds; empty without a copy
  CopyBuffer copy_;
  std::ifstream file_;
  std::istream stream_;
};

#endif
