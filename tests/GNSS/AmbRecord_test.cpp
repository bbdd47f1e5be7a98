// Tests of the ambiguity records: the 18-byte little-endian layout and the
// file's writer and reader with their fatal reports.
#include "GNSS/AmbRecord.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "tests/support/fatal_output.h"
#include "tests/support/program_frames.h"
#include "tests/support/temp_file.h"

namespace {

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
}

TEST(AmbRecordLayout, FieldsStandAtTheirOffsetsLittleEndian) {
  const AmbRecord rec{-2, 0x01020304L, 0x0A0B0C0DL, -1L, 0x7FFFFFFFL};
  unsigned char bytes[AmbRecordBytes];
  AmbRecord2Bytes(rec, bytes);
  const unsigned char expected[AmbRecordBytes] = {
      0xFE, 0xFF,              // offset 0: satellite -2
      0x04, 0x03, 0x02, 0x01,  // offset 2: first epoch
      0x0D, 0x0C, 0x0B, 0x0A,  // offset 6: first record of that epoch
      0xFF, 0xFF, 0xFF, 0xFF,  // offset 10: last epoch -1
      0xFF, 0xFF, 0xFF, 0x7F,  // offset 14: count
  };
  for (int b = 0; b < AmbRecordBytes; b++) EXPECT_EQ(bytes[b], expected[b]) << "byte " << b;

  const AmbRecord back = Bytes2AmbRecord(bytes);
  EXPECT_EQ(back.sat, -2);
  EXPECT_EQ(back.firstEpoch, 0x01020304L);
  EXPECT_EQ(back.firstRecord, 0x0A0B0C0DL);
  EXPECT_EQ(back.lastEpoch, -1L);
  EXPECT_EQ(back.count, 0x7FFFFFFFL);
}

TEST(AmbRecordFile, WriterPutsRecordsBackToBackAndReaderReturnsThem) {
  TempFile file;
  {
    AmbRecordWriter out(file.path.c_str());
    out.Write(AmbRecord{211, 1, 2, 3, 4});
    out.Write(AmbRecord{5, 256, 65536, 70000, 9});
    out.Close();
  }
  const std::vector<unsigned char> bytes = FileBytes(file.path);
  ASSERT_EQ(bytes.size(), 2u * AmbRecordBytes);
  EXPECT_EQ(bytes[0], 211);
  EXPECT_EQ(bytes[AmbRecordBytes + 3], 1);      // 256 = 0x100, second byte
  EXPECT_EQ(bytes[AmbRecordBytes + 8], 1);      // 65536 = 0x10000, third byte
  EXPECT_EQ(bytes[AmbRecordBytes + 10], 0x70);  // 70000 = 0x11170

  const matrix<AmbRecord> recs = ReadAmbRecords(file.path.c_str(), 2);
  ASSERT_EQ(recs.r, 2);
  EXPECT_EQ(recs(1).sat, 5);
  EXPECT_EQ(recs(1).firstEpoch, 256);
  EXPECT_EQ(recs(1).firstRecord, 65536);
  EXPECT_EQ(recs(1).lastEpoch, 70000);
  EXPECT_EQ(recs(1).count, 9);
}

TEST(AmbRecordFile, WriterTruncatesAnEarlierFile) {
  TempFile file;
  {
    std::ofstream junk(file.path, std::ios::binary);
    junk << std::string(100, 'x');
  }
  AmbRecordWriter out(file.path.c_str());
  out.Write(AmbRecord{1, 0, 0, 0, 1});
  out.Close();
  EXPECT_EQ(FileBytes(file.path).size(), static_cast<size_t>(AmbRecordBytes));
}

TEST(AmbRecordFile, FailuresEndTheProgramNamingTheFile) {
  TempFile file;
  {
    AmbRecordWriter out(file.path.c_str());
    out.Write(AmbRecord{1, 0, 0, 0, 1});
    out.Close();
  }
  const std::string missing = ::testing::TempDir() + "no_such_folder_q/amb.bin";
  struct Case {
    const char* name;
    std::function<void()> run;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"fewer records than asked", [&] { ReadAmbRecords(file.path.c_str(), 2); },
       "AMBIGUITY FILE HOLDS FEWER THAN 2 RECORDS: " + file.path},
      {"reading a missing file", [&] { ReadAmbRecords(missing.c_str(), 1); },
       "AMBIGUITY FILE CANNOT BE OPENED FOR READING: " + missing},
      {"writing into a missing folder", [&] { AmbRecordWriter out(missing.c_str()); },
       "AMBIGUITY FILE CANNOT BE OPENED FOR WRITING: " + missing},
      {"negative count", [&] { ReadAmbRecords(file.path.c_str(), -1); },
       "NEGATIVE NUMBER OF AMBIGUITY RECORDS REQUESTED FROM: " + file.path},
      {"count beyond 32 bits",
       [] {
         unsigned char bytes[AmbRecordBytes];
         AmbRecord2Bytes(AmbRecord{1, 0, 0, 0, 0x80000000L}, bytes);
       },
       "AMBIGUITY RECORD FIELD DOES NOT FIT IN 32 BITS"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChildOutput output = RunExpectingExit(c.run);
    EXPECT_EQ(output.err, ErrorFrame(c.message));
    EXPECT_EQ(output.out, "");
  }
}

TEST(AmbRecordFile, WriteFailureIsFatal) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  const ChildOutput output = RunExpectingExit([] {
    AmbRecordWriter out("/dev/full");
    for (int k = 0; k < 100000; k++) out.Write(AmbRecord{1, k, k, k, 1});
    out.Close();
  });
  EXPECT_EQ(output.err, ErrorFrame("AMBIGUITY FILE CANNOT BE WRITTEN: /dev/full"));
}

}  // namespace
