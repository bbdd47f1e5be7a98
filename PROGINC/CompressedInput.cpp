// Compressed input files, recognised by their first bytes.
#include "PROGINC/CompressedInput.h"

#include <string>

#include "PROGINC/ProgramError.h"

Compression CompressionOf(std::string_view head) {
  if (head.size() < 2 || head[0] != '\x1f') return Compression::NONE;
  if (head[1] == '\x8b') return Compression::GZIP;
  if (head[1] == '\x9d') return Compression::COMPRESS;
  return Compression::NONE;
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
  const std::string message =
      std::string(what) + " IS COMPRESSED (" + (form == Compression::GZIP ? "gzip" : "compress") +
      "); READ IT THROUGH A PIPE: zcat " + path + " | " + prog + " " + option + "/dev/stdin ...";
  if (hint != nullptr) ProgramErrorWithHint(prog, message.c_str(), hint);
  ProgramError(prog, message.c_str());
}
