// Compressed input files, recognised by their first bytes: gzip (1f 8b) and
// Unix compress (1f 9d).  The listing program does not decompress; it names
// the form and shows how to read such a file through a pipe.
#ifndef PROGINC_COMPRESSEDINPUT_H
#define PROGINC_COMPRESSEDINPUT_H

#include <istream>
#include <string_view>

enum class Compression { NONE, GZIP, COMPRESS };

// The form of the data that begin with `head`.
Compression CompressionOf(std::string_view head);
// The form of the bytes ahead in `in`, which stay unread.
Compression CompressionOf(std::istream& in);

// Fatal error of program `prog`: the file `path`, given to `option` and
// described as `what`, is compressed in `form`; the message shows how to
// decompress it into the program through a pipe, and a `hint`, if given,
// follows it on a line of its own.
[[noreturn]] void CompressedInputError(const char* prog, const char* what, Compression form,
                                       const char* path, const char* option,
                                       const char* hint = nullptr);

#endif
