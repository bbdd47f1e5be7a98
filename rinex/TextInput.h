// TextInput: the text lines of one input file of the converter, whatever form
// it is stored in.  A line is handed out without its line end (LF or CR LF)
// and stays valid until the next call.
#ifndef RINEX_TEXTINPUT_H
#define RINEX_TEXTINPUT_H

#include <memory>
#include <string>
#include <string_view>

class TextInput {
 public:
  virtual ~TextInput() = default;

  // Moves to the next line; false at the end of the input.
  virtual bool Next() = 0;

  std::string_view line;  // the current line
  long lineNo = 0;        // its number in the file as stored, counted from 1
  std::string name;       // the file's name as the user gave it
};

// Opens a file for reading line by line; a file that cannot be opened is a
// fatal error naming it.
std::unique_ptr<TextInput> OpenTextInput(const std::string& path);

#endif
