// Ambiguity records: byte layout and the binary file of arcs.
#include "GNSS/AmbRecord.h"

#include <cstdint>
#include <limits>

#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

[[noreturn]] void FileError(const char* what, const std::string& path) {
  const std::string message = std::string(what) + ": " + path;
  ProgramError(kProgramName, message.c_str());
}

// Little-endian whatever the host, so that the file's layout never depends on
// the machine that wrote it.
void PutLittleEndian(unsigned char* at, std::uint32_t value, int nBytes) {
  for (int b = 0; b < nBytes; b++) at[b] = static_cast<unsigned char>(value >> (8 * b));
}

std::uint32_t GetLittleEndian(const unsigned char* at, int nBytes) {
  std::uint32_t value = 0;
  for (int b = 0; b < nBytes; b++) value |= static_cast<std::uint32_t>(at[b]) << (8 * b);
  return value;
}

void PutInt32(unsigned char* at, long value) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    ProgramError(kProgramName, "AMBIGUITY RECORD FIELD DOES NOT FIT IN 32 BITS");
  PutLittleEndian(at, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)), 4);
}

long GetInt32(const unsigned char* at) { return static_cast<std::int32_t>(GetLittleEndian(at, 4)); }

}  // namespace

void AmbRecord2Bytes(const AmbRecord& rec, unsigned char (&bytes)[AmbRecordBytes]) {
  PutLittleEndian(bytes, static_cast<std::uint16_t>(rec.sat), 2);
  PutInt32(bytes + 2, rec.firstEpoch);
  PutInt32(bytes + 6, rec.firstRecord);
  PutInt32(bytes + 10, rec.lastEpoch);
  PutInt32(bytes + 14, rec.count);
}

AmbRecord Bytes2AmbRecord(const unsigned char (&bytes)[AmbRecordBytes]) {
  AmbRecord rec;
  rec.sat = static_cast<std::int16_t>(GetLittleEndian(bytes, 2));
  rec.firstEpoch = GetInt32(bytes + 2);
  rec.firstRecord = GetInt32(bytes + 6);
  rec.lastEpoch = GetInt32(bytes + 10);
  rec.count = GetInt32(bytes + 14);
  return rec;
}

AmbRecordWriter::AmbRecordWriter(const char* filePath) : path(filePath) {
  out.open(path, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!out) FileError("AMBIGUITY FILE CANNOT BE OPENED FOR WRITING", path);
}

void AmbRecordWriter::Write(const AmbRecord& rec) {
  unsigned char bytes[AmbRecordBytes];
  AmbRecord2Bytes(rec, bytes);
  out.write(reinterpret_cast<const char*>(bytes), AmbRecordBytes);
  if (!out) FileError("AMBIGUITY FILE CANNOT BE WRITTEN", path);
}

void AmbRecordWriter::Close() {
  out.close();
  if (!out) FileError("AMBIGUITY FILE CANNOT BE WRITTEN", path);
}

matrix<AmbRecord> ReadAmbRecords(const char* path, long n) {
  if (n < 0) FileError("NEGATIVE NUMBER OF AMBIGUITY RECORDS REQUESTED FROM", path);
  std::ifstream in(path, std::ios::binary);
  if (!in) FileError("AMBIGUITY FILE CANNOT BE OPENED FOR READING", path);
  matrix<AmbRecord> records(n, 1);
  for (long k = 0; k < n; k++) {
    unsigned char bytes[AmbRecordBytes];
    if (!in.read(reinterpret_cast<char*>(bytes), AmbRecordBytes))
      FileError(("AMBIGUITY FILE HOLDS FEWER THAN " + std::to_string(n) + " RECORDS").c_str(),
                path);
    records(k) = Bytes2AmbRecord(bytes);
  }
  return records;
}
