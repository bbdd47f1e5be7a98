// DescriptorBuffer: an output stream buffer on a file descriptor, written in
// large blocks, that keeps the system's reason for the first write that
// failed, so that the message about it can say why (a full disk, a file-size
// limit, a reader that went away).
#ifndef RINEX_DESCRIPTORBUFFER_H
#define RINEX_DESCRIPTORBUFFER_H

#include <streambuf>
#include <vector>

class DescriptorBuffer : public std::streambuf {
 public:
  DescriptorBuffer();
  // Closes the descriptor, dropping what was not written yet.
  ~DescriptorBuffer() override;
  DescriptorBuffer(const DescriptorBuffer&) = delete;
  DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

  // The descriptor to write to, which the buffer closes.
  void Attach(int descriptor) { descriptor_ = descriptor; }
  // Writes out what is buffered and closes the descriptor; returns 0, or the
  // error number of the first write (or of the close) that failed.
  int Close();

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool Drain();
  bool WriteAll(const char* text, size_t count);

  int descriptor_ = -1;
  int error_ = 0;  // after the first failure, nothing more is written
  std::vector<char> block_;
};

#endif
