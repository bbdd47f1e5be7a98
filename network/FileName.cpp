// Station, day and form from the two RINEX naming conventions.
#include "network/FileName.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

bool Digits(const std::string& text, size_t from, size_t count, int& value) {
  if (from + count > text.size()) return false;
  value = 0;
  for (size_t i = from; i < from + count; i++) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Takes ".gz" or ".Z" off the end of `name` and notes it.
void StripCompression(std::string& name, NamedFile& file) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return;
  const std::string suffix = name.substr(dot);
  if (suffix == ".gz" || suffix == ".GZ") file.compression = 1;
  if (suffix == ".Z" || suffix == ".z") file.compression = 2;
  if (file.compression != 0) name.erase(dot);
}

bool ValidDay(const NamedFile& file) {
  return file.dayOfYear >= 1 && file.dayOfYear <= 366 && file.startMinute < 24 * 60;
}

// ssssdddf.yyt, or ssssdddhmm.yyt for hourly pieces of 15 minutes.
bool ParseShortName(const std::string& name, NamedFile& file) {
  const size_t dot = name.find('.');
  if ((dot != 8 && dot != 10) || name.size() != dot + 4) return false;
  int yy = 0;
  if (!Digits(name, 4, 3, file.dayOfYear) || !Digits(name, dot + 1, 2, yy)) return false;
  const char session = static_cast<char>(std::tolower(static_cast<unsigned char>(name[7])));
  if (session >= 'a' && session <= 'x')
    file.startMinute = (session - 'a') * 60;
  else if (session != '0' || dot != 8)
    return false;
  int minute = 0;
  if (dot == 10 && (session == '0' || !Digits(name, 8, 2, minute) || minute > 59)) return false;
  file.startMinute += minute;
  file.piece = session != '0';
  const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(name[dot + 3])));
  if (std::strchr("odngplfhq", type) == nullptr) return false;
  file.navigation = type != 'o' && type != 'd';
  file.compact = type == 'd';
  file.year = yy < 80 ? 2000 + yy : 1900 + yy;
  file.station = Lower(name.substr(0, 4));
  return ValidDay(file);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
    parts.push_back(text.substr(from, at - from));
    from = at + 1;
  }
  parts.push_back(text.substr(from));
  return parts;
}

// SSSSMRCCC_S_YYYYDDDHHMM_PER_FRQ_TT.FMT; navigation files may lack FRQ.
bool ParseLongName(const std::string& name, NamedFile& file) {
  const std::vector<std::string> parts = Split(name, '_');
  if ((parts.size() != 5 && parts.size() != 6) || parts[0].size() != 9 || parts[1].size() != 1 ||
      parts[2].size() != 11 || parts[3].size() != 3)
    return false;
  int hour = 0;
  int minute = 0;
  if (!Digits(parts[2], 0, 4, file.year) || !Digits(parts[2], 4, 3, file.dayOfYear) ||
      !Digits(parts[2], 7, 2, hour) || !Digits(parts[2], 9, 2, minute) || hour > 23 || minute > 59)
    return false;
  file.startMinute = hour * 60 + minute;
  file.piece = parts[3] != "01D";
  const std::string& last = parts.back();
  if (last.size() != 6 || last[2] != '.') return false;
  const std::string format = Lower(last.substr(3));
  const char content = static_cast<char>(std::toupper(static_cast<unsigned char>(last[1])));
  if ((content != 'O' && content != 'N') || (format != "rnx" && format != "crx")) return false;
  file.navigation = content == 'N';
  if (!file.navigation && parts.size() != 6) return false;
  file.compact = format == "crx";
  file.longName = true;
  file.station = Lower(parts[0].substr(0, 4));
  return ValidDay(file);
}

}  // namespace

bool ParseFileName(const std::string& name, NamedFile& file) {
  file = NamedFile();
  std::string stem = name;
  StripCompression(stem, file);
  const bool parsed =
      stem.find('_') != std::string::npos ? ParseLongName(stem, file) : ParseShortName(stem, file);
  if (!parsed) file = NamedFile();
  return parsed;
}

int FormRank(const NamedFile& file) {
  return (file.longName ? 0 : 6) + (file.compact ? 3 : 0) + file.compression;
}
