// Writing the listing as CSV.
#include "report/CsvExport.h"

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string IsoTime(std::string_view listingDate) {
  std::string iso(listingDate);
  const std::size_t blank = iso.find(' ');
  if (blank != std::string::npos) iso[blank] = 'T';
  return iso;
}

void CsvExport::Begin(const ListingSettings&, const ListingColumns& columns) {
  referenceSatellite_ = columns.hasReferenceSatellite;
  buffer_ += referenceSatellite_ ? "time,mjd,sod,sat,rsat" : "time,mjd,sod,sat";
  for (const std::string& label : columns.labels) buffer_ += "," + CsvField(label);
  withAngles_ = angles_ != nullptr && angles_->Available();
  if (withAngles_) buffer_ += ",elevation,azimuth";
  buffer_ += "\n";
}

void CsvExport::Row(const ListingRow& row, const RowTime&) {
  buffer_ += IsoTime(row.date);
  buffer_ += ',';
  buffer_ += std::to_string(row.mjdDay);
  buffer_ += ',';
  buffer_ += row.secondsText;
  buffer_ += ',';
  buffer_ += CsvField(row.satellite);
  if (referenceSatellite_) {
    buffer_ += ',';
    buffer_ += CsvField(row.referenceSatellite);
  }
  for (const ListingValue& value : row.values) {
    buffer_ += ',';
    if (value.present) buffer_ += value.text;
  }
  double elevation = 0, azimuth = 0;
  if (withAngles_ && angles_->Current(elevation, azimuth)) {
    char text[48];
    std::snprintf(text, sizeof text, ",%.2f,%.2f", elevation, azimuth);
    buffer_ += text;
  } else if (withAngles_) {
    buffer_ += ",,";
  }
  buffer_ += '\n';
  if (buffer_.size() > (1 << 20)) Flush();
}

void CsvExport::Flush() {
  if (buffer_.empty()) return;
  std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
  buffer_.clear();
}
