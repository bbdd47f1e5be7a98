// InputFailure: what ends a run that reads RINEX: a file that can not be read
// or written as the run needs it, or inputs that can not be converted.  It is
// thrown where the failure is found and caught once, in the program's main,
// which reports it; a caller that can go on without the file (a survey of
// many files) catches it and keeps the message as the file's reason.
#ifndef RINEX_INPUTFAILURE_H
#define RINEX_INPUTFAILURE_H

#include <exception>
#include <string>

class InputFailure : public std::exception {
 public:
  // A failure that concerns no one file.
  explicit InputFailure(std::string message);
  // One about a file as a whole (`Line` is 0).
  InputFailure(std::string file, std::string message);
  // One about a line of a file, counted from 1.
  InputFailure(std::string file, long line, std::string message);

  const std::string& File() const { return file_; }
  long Line() const { return line_; }
  const std::string& Message() const { return message_; }
  // "<file>, line <n>: <message>", "<file>: <message>" or "<message>".
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string file_;
  long line_ = 0;
  std::string message_;
  std::string text_;
};

// "<file>, line <n>: <message>", as a failure or a warning about a line reads.
std::string AtLine(const std::string& file, long line, const std::string& message);

#endif
