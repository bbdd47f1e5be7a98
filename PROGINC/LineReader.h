// LineReader: the lines of a text stream, read in large blocks into one
// reused buffer.  A line is handed out without its line end (LF or CR LF)
// and stays valid until the next call; lines are whole up to a maximum length
// that the caller may set (none by default).
#ifndef PROGINC_LINEREADER_H
#define PROGINC_LINEREADER_H

#include <cstddef>
#include <cstdint>
#include <istream>
#include <vector>

class LineReader {
 public:
  // Reads from the stream's current position; lines are numbered on from
  // `linesBefore` (the number of lines already read by others).  A line of
  // more than `maxLength` characters is handed out in pieces of that length,
  // each marked `overlong`, so the buffer never grows past it.
  LineReader(std::istream& in, long linesBefore, size_t maxLength = SIZE_MAX);

  // Moves to the next line; false at the end of the input.
  bool Next();

  const char* line;       // the current line, not zero-terminated
  size_t length;          // its number of characters
  long lineNo;            // its number in the file, counted from 1
  bool terminated;        // false for a last line that has no line end
  bool overlong;          // the line goes on past maxLength characters
  std::streamoff offset;  // where the line starts, in bytes from where reading began

 private:
  std::istream& in_;
  size_t maxLength_;
  std::vector<char> buffer_;
  size_t start_;           // first unread character in the buffer
  size_t filled_;          // characters held in the buffer
  std::streamoff before_;  // characters of the stream that came before the buffer's
  bool atEnd_;             // the stream has no more characters

  bool ReadMore();
  void Hand(size_t from, size_t to, bool lineEnd);
};

#endif
