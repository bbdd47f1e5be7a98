// Test support: collect what a standard stream receives while an object of
// this class lives, and give the stream back its buffer and format afterwards.
#ifndef TESTS_SUPPORT_STREAM_CAPTURE_H
#define TESTS_SUPPORT_STREAM_CAPTURE_H

#include <ostream>
#include <sstream>
#include <string>

class StreamCapture {
 public:
  explicit StreamCapture(std::ostream& stream)
      : stream_(stream),
        flags_(stream.flags()),
        precision_(stream.precision()),
        fill_(stream.fill()),
        saved_(stream.rdbuf(captured_.rdbuf())) {}
  ~StreamCapture() {
    stream_.rdbuf(saved_);
    stream_.flags(flags_);
    stream_.precision(precision_);
    stream_.fill(fill_);
  }
  StreamCapture(const StreamCapture&) = delete;
  StreamCapture& operator=(const StreamCapture&) = delete;

  std::string str() const { return captured_.str(); }

 private:
  std::ostream& stream_;
  std::ios_base::fmtflags flags_;
  std::streamsize precision_;
  char fill_;
  std::ostringstream captured_;
  std::streambuf* saved_;
};

#endif
