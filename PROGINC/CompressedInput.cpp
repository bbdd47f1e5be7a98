// Compressed input files, recognised by their first bytes.
#include "PROGINC/CompressedInput.h"

#include <string>

#include "PROGINC/ProgramError.h"

namespace {

bool StartsWith(std::string_view head, std::string_view magic) {
  return head.substr(0, magic.size()) == magic;
}

}  // namespace

Compression CompressionOf(std::string_view head) {
  using namespace std::string_view_literals;
  if (StartsWith(head, "\x1f\x8b"sv)) return Compression::GZIP;
  if (StartsWith(head, "\x1f\x9d"sv)) return Compression::COMPRESS;
  if (StartsWith(head,
                 "\xfd"
                 "7zXZ\0"sv))
    return Compression::XZ;
  if (StartsWith(head, "BZh"sv) && head.size() > 3 && head[3] >= '1' && head[3] <= '9')
    return Compression::BZIP2;
  if (StartsWith(head, "PK\x03\x04"sv)) return Compression::ZIP;
  return Compression::NONE;
}

const char* CompressionName(Compression form) {
  switch (form) {
    case Compression::GZIP:
      return "gzip";
    case Compression::COMPRESS:
      return "compress";
    case Compression::XZ:
      return "xz";
    case Compression::BZIP2:
      return "bzip2";
    case Compression::ZIP:
      return "zip";
    case Compression::NONE:
      break;
  }
  return "none";
}

// The first bytes of a file are still in its stream buffer once read, so
// they can be put back.
Compression CompressionOf(std::istream& in) {
  std::streambuf& buffer = *in.rdbuf();
  char head[2];
  std::streamsize got = buffer.sgetn(head, sizeof head);
  const Compression form = CompressionOf(std::string_view(head, static_cast<size_t>(got)));
  while (got > 0) buffer.sputbackc(head[--got]);
  return form;
}

void CompressedInputError(const char* prog, const char* what, Compression form, const char* path,
                          const char* option, const char* hint) {
  const std::string message = std::string(what) + " IS COMPRESSED (" + CompressionName(form) +
                              "); READ IT THROUGH A PIPE: zcat " + path + " | " + prog + " " +
                              option + "/dev/stdin ...";
  if (hint != nullptr) ProgramErrorWithHint(prog, message.c_str(), hint);
  ProgramError(prog, message.c_str());
}
