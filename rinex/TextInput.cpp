// Opening an input file of the converter as text lines: the layers of
// compression are recognised by their first bytes and peeled off one by one,
// then compact RINEX by its first line.
#include "rinex/TextInput.h"

#include <istream>
#include <vector>

#include "PROGINC/CompressedInput.h"
#include "PROGINC/LineReader.h"
#include "rinex/ByteStream.h"
#include "rinex/CompactRinexInput.h"
#include "rinex/CompressStream.h"
#include "rinex/ConverterError.h"
#include "rinex/GzipStream.h"

namespace {

// A line holding only this character (^Z) ends the text of some DOS files.
constexpr std::string_view kDosEndOfFile = "\x1a";

// gzip inside gzip is sound, but data can be made that decompress to
// themselves; real files are never compressed this often.
const size_t kMaxLayers = 4;

// The lines of the innermost layer of a stack of byte streams.
class StreamTextInput : public TextInput {
 public:
  explicit StreamTextInput(std::vector<std::unique_ptr<ByteStream>> layers)
      : layers_(std::move(layers)), in_(layers_.back().get()), lines_(in_, 0, kMaxLineLength) {
    name = layers_.front()->name;
    // A failure thrown by a layer (corrupt or cut-off compressed data)
    // passes through the stream instead of ending the input quietly.
    in_.exceptions(std::ios::badbit);
  }

  bool Next() override {
    if (!lines_.Next()) return false;
    line = std::string_view(lines_.line, lines_.length);
    lineNo = lines_.lineNo;
    if (lines_.overlong)
      InputError(*this, "line longer than " + std::to_string(kMaxLineLength) + " characters");
    if (line == kDosEndOfFile) return !EndOfFileMark();
    if (!lines_.terminated)
      InputError(*this, "the last line has no line end (the file is cut short)");
    return true;
  }

 private:
  std::vector<std::unique_ptr<ByteStream>>
      layers_;  // the file first, each decompressor on the one before
  std::istream in_;
  LineReader lines_;

  // A DOS end-of-file mark (^Z) ends the file when nothing follows it.
  bool EndOfFileMark() {
    if (!lines_.Next()) return true;
    InputError(*this, "a DOS end-of-file mark (^Z) stands before more lines");
  }
};

// The decompressor of the data ahead in `below`; null for data that are not
// compressed.  Forms the converter does not read are a fatal error naming
// the form.
std::unique_ptr<ByteStream> Decompressor(ByteStream& below) {
  const Compression form = CompressionOf(below.Peek(kCompressionHeadLength));
  if (form == Compression::GZIP) return std::make_unique<GzipStream>(below);
  if (form == Compression::COMPRESS) return std::make_unique<CompressStream>(below);
  if (form != Compression::NONE)
    FileError(below.name, std::string("is compressed with ") + CompressionName(form) +
                              ", which the converter does not read; decompress it first");
  return nullptr;
}

std::unique_ptr<TextInput> Open(std::unique_ptr<ByteStream> file) {
  std::vector<std::unique_ptr<ByteStream>> layers;
  layers.push_back(std::move(file));
  while (std::unique_ptr<ByteStream> layer = Decompressor(*layers.back())) {
    if (layers.size() > kMaxLayers)
      FileError(layers.front()->name,
                "compressed more than " + std::to_string(kMaxLayers) + " times");
    layers.push_back(std::move(layer));
  }
  const bool compact = IsCompactRinex(layers.back()->Peek(kCompactRinexHeadLength));
  auto text = std::make_unique<StreamTextInput>(std::move(layers));
  if (compact) return std::make_unique<CompactRinexInput>(std::move(text));
  return text;
}

}  // namespace

std::unique_ptr<TextInput> OpenTextInput(const std::string& path) {
  return Open(OpenFileBytes(path));
}

std::unique_ptr<TextInput> OpenTextInputInMemory(const std::string& name, std::string_view bytes) {
  return Open(MemoryBytes(name, bytes));
}
