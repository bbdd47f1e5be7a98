// The listing as CSV: one row per satellite and epoch, columns time (ISO
// 8601), mjd, sod, sat (and rsat), then one column per listing column, and
// the satellite's elevation and azimuth at the base when they can be known.
#ifndef REPORT_CSVEXPORT_H
#define REPORT_CSVEXPORT_H

#include <cstdio>
#include <string>
#include <string_view>

#include "report/ListingReader.h"
#include "report/RowAngles.h"

// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);

// "2017-03-05 06:07:08.5" -> "2017-03-05T06:07:08.5".
std::string IsoTime(std::string_view listingDate);

class CsvExport : public ListingConsumer {
 public:
  // `angles`, when not null, gives the last two columns.
  CsvExport(std::FILE* out, const RowAngles* angles) : out_(out), angles_(angles) {}
  ~CsvExport() override { Flush(); }

  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override {}
  void Finish() override { Flush(); }

 private:
  void Flush();

  std::FILE* out_;
  const RowAngles* angles_;
  bool withAngles_ = false;
  bool referenceSatellite_ = false;
  std::string buffer_;
};

#endif
