// Compressed input files, recognised by their first bytes: gzip (1f 8b),
// Unix compress (1f 9d), xz (fd 37 7a 58 5a 00), bzip2 ("BZh" and the block
// size digit) and zip ("PK" 03 04).  The listing program does not decompress;
// it names the form and shows how to read such a file through a pipe.
#ifndef PROGINC_COMPRESSEDINPUT_H
#define PROGINC_COMPRESSEDINPUT_H

#include <cstddef>
#include <istream>
#include <string_view>

enum class Compression { NONE, GZIP, COMPRESS, XZ, BZIP2, ZIP };

// How many first bytes tell every form apart.
constexpr size_t kCompressionHeadLength = 6;

// The form of the data that begin with `head`.
Compression CompressionOf(std::string_view head);
// The form of the bytes ahead in `in`, which stay unread: only the first two
// bytes are looked at, which tell gzip and compress, the forms the listing
// program names.
Compression CompressionOf(std::istream& in);
// The form's name: "gzip", "compress", "xz", "bzip2" or "zip".
const char* CompressionName(Compression form);

// Fatal error of program `prog`: the file `path`, given to `option` and
// described as `what`, is compressed in `form`; the message shows how to
// decompress it into the program through a pipe, and a `hint`, if given,
// follows it on a line of its own.
[[noreturn]] void CompressedInputError(const char* prog, const char* what, Compression form,
                                       const char* path, const char* option,
                                       const char* hint = nullptr);

#endif
