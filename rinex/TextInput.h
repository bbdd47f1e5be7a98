// TextInput: the text lines of one input file of the converter, whatever form
// it is stored in: plain, gzip- or compress-compressed (in any nesting), and
// compact RINEX (Hatanaka), which is handed out as the RINEX text it encodes.
// The form is recognised by content, not by the file's name.  A line is
// handed out without its line end (LF or CR LF) and stays valid until the
// next call.  Everything streams: memory does not grow with the file.  The
// fatal errors of this layer are thrown as an InputFailure
// (rinex/InputFailure.h), for the program's main to report.
#ifndef RINEX_TEXTINPUT_H
#define RINEX_TEXTINPUT_H

#include <memory>
#include <string>
#include <string_view>

class TextInput {
 public:
  virtual ~TextInput() = default;

  // Moves to the next line; false at the end of the input.  Input that
  // cannot be read as its form requires (corrupt or cut-off compressed data,
  // inconsistent compact RINEX, a line over kMaxLineLength) is a fatal error
  // naming the file and, where there is one, the line.
  virtual bool Next() = 0;
  // Moves to the next line of the record being read: as Next, except that
  // joined pieces never carry a record over into the next piece (false at the
  // end of each piece, as at the end of a single file).
  virtual bool NextInRecord() { return Next(); }
  // After NextInRecord found the end: true when another piece follows, which
  // the next call of Next begins to read.
  virtual bool PieceFollows() const { return false; }

  std::string_view line;  // the current line
  // Its number in the file as stored, counted from 1: in compressed data the
  // line of the decompressed text; in compact RINEX the compact line the text
  // line was decoded from.
  long lineNo = 0;
  std::string name;  // the file's name as the user gave it
};

// The longest line read: longer lines are a fatal error, never unbounded
// growth.
constexpr size_t kMaxLineLength = size_t(1) << 20;

// Opens a file for reading line by line; a file that cannot be opened is a
// fatal error naming it.
std::unique_ptr<TextInput> OpenTextInput(const std::string& path);
// The same for a file's bytes held in memory (which the caller keeps alive
// while the input is read), reported under `name`.
std::unique_ptr<TextInput> OpenTextInputInMemory(const std::string& name, std::string_view bytes);

#endif
