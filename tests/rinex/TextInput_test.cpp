#include "rinex/TextInput.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "tests/support/input_failure.h"
#include "tests/support/rinex_text.h"

namespace {

const std::string kData = TEST_DATA_DIR "/crinex/";

// Every line of an input, each followed by a line end.
std::string Text(TextInput& in) {
  std::string text;
  while (in.Next()) text.append(in.line).append("\n");
  return text;
}

std::string TextInMemory(const std::string& name, const std::string& bytes) {
  return Text(*OpenTextInputInMemory(name, bytes));
}

// One gzip member holding `data`.
std::string Gzip(const std::string& data) {
  z_stream zlib{};
  deflateInit2(&zlib, 6, Z_DEFLATED, 16 + 15, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&zlib, data.size()), '\0');
  zlib.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  zlib.avail_in = static_cast<uInt>(data.size());
  zlib.next_out = reinterpret_cast<Bytef*>(&out[0]);
  zlib.avail_out = static_cast<uInt>(out.size());
  deflate(&zlib, Z_FINISH);
  out.resize(zlib.total_out);
  deflateEnd(&zlib);
  return out;
}

TEST(TextInputForms, EveryFormOfAFileGivesItsLines) {
  const std::string plain = FileBytes(kData + "zegv0010.21o");
  const std::string compressed = FileBytes(kData + "zegv0010.21o.Z");
  const std::string expected = TextInMemory("plain", plain);
  ASSERT_EQ(expected, plain);
  const struct {
    const char* form;
    std::string bytes;
  } cases[] = {
      {"gzip", Gzip(plain)},
      {"two gzip members", Gzip(plain.substr(0, 1000)) + Gzip(plain.substr(1000))},
      {"compress with cleared tables", compressed},
      {"compress inside gzip", Gzip(compressed)},
      {"gzip inside gzip", Gzip(Gzip(plain))},
      {"empty gzip", Gzip("")},
      {"gzip with zero padding", Gzip(plain) + std::string(1500, '\0')},
      {"DOS end-of-file mark", plain + "\x1a"},
      {"DOS end-of-file mark after CR LF, in gzip", Gzip(plain + "\x1a\r\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    EXPECT_EQ(TextInMemory(c.form, c.bytes), c.bytes == Gzip("") ? "" : expected);
  }
  std::unique_ptr<TextInput> file = OpenTextInput(kData + "zegv0010.21o.Z");
  EXPECT_EQ(Text(*file), expected);
  EXPECT_EQ(file->name, kData + "zegv0010.21o.Z");
  EXPECT_EQ(file->lineNo, 1495);
}

TEST(TextInputErrors, UnreadableInputFailsNamingTheFile) {
  const std::string gzip = Gzip(FileBytes(kData + "zegv0010.21o"));
  std::string badBlock = gzip, badCheck = gzip;
  badBlock[10] = '\x07';  // the first deflate block: last, of the reserved type
  badCheck[badCheck.size() - 6] ^= 1;
  const std::string longLine = "short\n" + std::string(kMaxLineLength + 1, 'x') + "\n";
  const struct {
    const char* name;
    std::string bytes;
    const char* message;
  } cases[] = {
      {"cut.gz", gzip.substr(0, gzip.size() / 2), "cut.gz: gzip data end early"},
      {"block.gz", badBlock, "block.gz: gzip data are corrupt (invalid block type)"},
      {"check.gz", badCheck, "check.gz: gzip data are corrupt (incorrect data check)"},
      {"tail.gz", gzip + "tail", "tail.gz: data that are not gzip data follow the gzip data"},
      {"head.Z", "\x1f\x9d", "head.Z: compress data end early"},
      {"bits.Z", "\x1f\x9d\x91", "bits.Z: compress data with settings this reader does not know"},
      // A literal 'A', then code 300 while the table's next entry is 257.
      {"code.Z", std::string("\x1f\x9d\x90\x41\x58\x02", 6), "code.Z: compress data are corrupt"},
      {"long.txt", longLine, "long.txt, line 2: line longer than 1048576 characters"},
      {"long.gz", Gzip(longLine), "long.gz, line 2: line longer than 1048576 characters"},
      {"zeros.gz", gzip + std::string(3, '\0') + "x",
       "zeros.gz: data that are not gzip data follow the gzip data"},
      {"unended.txt", "one\ntw",
       "unended.txt, line 2: the last line has no line end (the file is cut"},
      {"unended.gz", Gzip("one\ntw"), "unended.gz, line 2: the last line has no line end"},
      {"mark.txt", "one\n\x1a\ntwo\n", "mark.txt, line 2: a DOS end-of-file mark (^Z) stands"},
      {"data.xz",
       std::string("\xfd"
                   "7zXZ\0\0\x04",
                   8),
       "data.xz: is compressed with xz, which the converter does not read"},
      {"data.bz2", "BZh91AY&SY", "data.bz2: is compressed with bzip2"},
      {"data.zip", std::string("PK\x03\x04\x14\0", 6), "data.zip: is compressed with zip"},
      {"xz.gz",
       Gzip(std::string("\xfd"
                        "7zXZ\0\0\x04",
                        8)),
       "xz.gz: is compressed with xz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectFailure([&] { TextInMemory(c.name, c.bytes); }, c.message);
  }
  ExpectFailure([] { OpenTextInput(kData + "none.gz"); },
                kData + "none.gz: can not be opened (No such file or directory)");
  ExpectFailure([] { Text(*OpenTextInput(kData)); }, kData + ": can not be read (Is a directory)");
}

}  // namespace
