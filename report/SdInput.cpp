// Forming the report's rows from a single-difference file.
#include "report/SdInput.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <memory>
#include <string_view>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "GNSS/SatNumber.h"
#include "GNSS/SatRecordIndex.h"
#include "GNSS/SatelliteName.h"
#include "GNSS/TimeConverse.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/TextField.h"
#include "catalogue/ObsCatalogue.h"
#include "catalogue/ObsColumn.h"
#include "catalogue/RowLayouts.h"
#include "catalogue/SatelliteFactors.h"
#include "report/ColumnKind.h"
#include "report/DataContext.h"

namespace {

using Q = ObsCombination;

// The systems whose satellites the report takes, in the listing's order.
constexpr char kReportedSystems[] = "GREC";

// The QC set: each system takes those of these that its data can form, and
// of the pairs MW[P]/MW[C] and MP1[P]/MP1[C] the first it can form.
constexpr int kQcCodes[] = {Q::LGEOMFREE, Q::MELWUBP, Q::MELWUBC, Q::MP1, Q::MC1, Q::MP2, Q::C1L1};

using TypePresence = std::bitset<PhsDiffHeader::NTYPES>;

// The inputs a code takes for satellites of `letter`, as the listing resolves them.
const ObsInputs& InputsFor(const ObsCatalogueEntry& entry, char letter) {
  return letter == 'E' && entry.scope == ObsScope::PerSystem ? entry.galileo : entry.gpsGlonass;
}

bool HasInputs(const TypePresence& present, const ObsCatalogueEntry& entry, char letter) {
  const ObsInputs& inputs = InputsFor(entry, letter);
  if (inputs.count == 0) return false;
  for (short i = 0; i < inputs.count; i++)
    if (!IsObsType(inputs.type[i]) || !present.test(static_cast<size_t>(inputs.type[i])))
      return false;
  return true;
}

// Per reported system, the types that hold a value in at least one record.
std::array<TypePresence, sizeof kReportedSystems> TypesPresent(PhsDiffData& data,
                                                               const PhsDiffData::TypeSet& read) {
  std::vector<short> types;
  for (short t = 0; t < PhsDiffHeader::NTYPES; t++)
    if (read.test(static_cast<size_t>(t))) types.push_back(t);
  std::array<TypePresence, sizeof kReportedSystems> present{};
  for (long r = 0; r < data.nobs; r++) {
    const char* system = std::strchr(kReportedSystems, SatLetter(data.sat(r)));
    if (system == nullptr || *system == '\0') continue;
    TypePresence& found = present[static_cast<size_t>(system - kReportedSystems)];
    for (short t : types)
      if (!found.test(static_cast<size_t>(t)) && data.StoredValue(t, r) != 0)
        found.set(static_cast<size_t>(t));
  }
  return present;
}

// Which of the columns each system forms.
struct ColumnPlan {
  std::vector<int> codes;
  std::array<std::vector<bool>, sizeof kReportedSystems> formed;
};

std::size_t SystemPlace(char letter) {
  return static_cast<std::size_t>(std::strchr(kReportedSystems, letter) - kReportedSystems);
}

ColumnPlan QcPlan(const std::array<TypePresence, sizeof kReportedSystems>& present) {
  std::array<std::vector<int>, sizeof kReportedSystems> chosen;
  for (std::size_t s = 0; kReportedSystems[s] != '\0'; s++) {
    const char letter = kReportedSystems[s];
    auto can = [&](int code) { return HasInputs(present[s], *FindObsEntry(code), letter); };
    // BeiDou has no constants: no combination of the set is formed for it.
    if (letter == 'C') continue;
    for (int code : {Q::LGEOMFREE, Q::MP2, Q::C1L1})
      if (can(code)) chosen[s].push_back(code);
    if (can(Q::MELWUBP))
      chosen[s].push_back(Q::MELWUBP);
    else if (can(Q::MELWUBC))
      chosen[s].push_back(Q::MELWUBC);
    if (can(Q::MP1))
      chosen[s].push_back(Q::MP1);
    else if (can(Q::MC1))
      chosen[s].push_back(Q::MC1);
  }
  ColumnPlan plan;
  for (int code : kQcCodes) {
    bool any = false;
    for (const std::vector<int>& codes : chosen)
      for (int c : codes) any = any || c == code;
    if (any) plan.codes.push_back(code);
  }
  for (std::size_t s = 0; s < chosen.size(); s++)
    for (int code : plan.codes) {
      bool taken = false;
      for (int c : chosen[s]) taken = taken || c == code;
      plan.formed[s].push_back(taken);
    }
  return plan;
}

ColumnPlan ListedPlan(const std::vector<int>& codes) {
  ColumnPlan plan;
  plan.codes = codes;
  for (std::vector<bool>& formed : plan.formed) formed.assign(codes.size(), true);
  return plan;
}

// The types whose values the columns read, for any system.
PhsDiffData::TypeSet TypesRead(const std::vector<int>& codes) {
  PhsDiffData::TypeSet types;
  for (int code : codes) {
    const ObsCatalogueEntry* entry = FindObsEntry(code);
    for (const ObsInputs* inputs : {&entry->gpsGlonass, &entry->galileo})
      for (short k = 0; k < inputs->count; k++)
        if (IsObsType(inputs->type[k])) types.set(static_cast<size_t>(inputs->type[k]));
  }
  return types;
}

// The calendar date and the modified Julian date of every epoch, as the
// listing writes them, and the stream state the values are written in.
// Epoch e's date ("2024-06-24 08:36:00.0") and seconds of day ("30960.0")
// lie one after the other in `text` from start[e]; `split[e]` is where the
// seconds begin.  One block of text: a day at 1 s holds 86400 epochs.
struct EpochTexts {
  std::string text;
  std::vector<std::uint32_t> start;  // one more than there are epochs
  std::vector<std::uint32_t> split;
  StreamState state{};

  std::string_view Date(long e) const {
    const std::size_t i = static_cast<std::size_t>(e);
    return std::string_view(text).substr(start[i], split[i] - start[i]);
  }
  std::string_view Seconds(long e) const {
    const std::size_t i = static_cast<std::size_t>(e);
    return std::string_view(text).substr(split[i], start[i + 1] - split[i]);
  }
};

EpochTexts BuildEpochTexts(PhsDiffData& data) {
  EpochTexts texts;
  texts.state = StreamState::Of(std::cout);
  for (long e = 0; e < data.neph; e++) {
    texts.start.push_back(static_cast<std::uint32_t>(texts.text.size()));
    texts.text += Trimmed(YmdhmsText(mjd2ymdhms(data.epoch(e)), texts.state));
    texts.split.push_back(static_cast<std::uint32_t>(texts.text.size()));
    const std::string mjdText = MjdText(data.epoch(e), texts.state);
    const std::string_view day = Trimmed(mjdText);
    texts.text += day.substr(day.find(' ') + 1);
  }
  texts.start.push_back(static_cast<std::uint32_t>(texts.text.size()));
  return texts;
}

void FillStation(const PhsDiffHeader& header, int station, StationContext& context) {
  context.marker = header.mname[station];
  context.receiver = header.rectype[station];
  context.antenna = header.anttype[station];
  const xyz& position = header.X0(station);
  context.position[0] = static_cast<double>(position.x);
  context.position[1] = static_cast<double>(position.y);
  context.position[2] = static_cast<double>(position.z);
}

double SecondsSince(std::uint32_t day0, const mjd& epoch) {
  return static_cast<double>(epoch.mjday - day0) * 86400.0 + static_cast<double>(epoch.second);
}

DataContext ContextOf(const PhsDiffHeader& header, PhsDiffData& data, const EpochTexts& texts) {
  DataContext context;
  context.hasStations = true;
  FillStation(header, PhsDiffHeader::BASE, context.base);
  FillStation(header, PhsDiffHeader::ROVER, context.rover);
  context.interval = header.interval;
  for (long e = 0; e < data.neph; e++)
    if (data.nsat(e) > 0) context.epochsPresent++;
  if (data.neph > 0) {
    context.firstEpoch = std::string(texts.Date(0));
    context.lastEpoch = std::string(texts.Date(data.neph - 1));
    const std::uint32_t day0 = data.epoch(0).mjday;
    context.epochsExpected =
        ExpectedEpochs(SecondsSince(day0, data.epoch(0)),
                       SecondsSince(day0, data.epoch(data.neph - 1)), context.interval);
  }
  for (long i = 0; i < data.satList.r; i++) {
    const char letter = SatLetter(data.satList(i));
    if (letter != '\0' && context.systems.find(letter) == std::string::npos)
      context.systems += letter;
  }
  for (long t = 0; t < header.nobs; t++)
    context.types += (t > 0 ? " " : "") + std::string(PhsDiffHeader::TypeName(header.obs(t)));
  return context;
}

ListingSettings SettingsOf(const SdInputOptions& options, const PhsDiffHeader& header,
                           PhsDiffData& data) {
  ListingSettings settings;
  settings.observationFile = options.file;
  settings.interval = header.interval;
  if (data.neph > 0) {
    settings.hasWindow = true;
    settings.startDay = data.epoch(0).mjday;
    settings.startSeconds = static_cast<double>(data.epoch(0).second);
    settings.endDay = data.epoch(data.neph - 1).mjday;
    settings.endSeconds = static_cast<double>(data.epoch(data.neph - 1).second);
  }
  settings.lines.push_back("#Single-difference file: " + options.file);
  if (!options.channelFile.empty())
    settings.lines.push_back("#GLONASS channel file: " + options.channelFile);
  return settings;
}

// One satellite's rows: the values of its columns formed record by record.
class SatelliteRows {
 public:
  SatelliteRows(PhsDiffData& data, const ColumnPlan& plan, const std::vector<bool>& doppler,
                const EpochTexts& epochs, double gapLimit)
      : data_(data), plan_(plan), doppler_(doppler), epochs_(epochs), gapLimit_(gapLimit) {}

  void Send(short sat, const RowFactors& factors, const SatRecordIndex& index,
            const std::vector<ListingConsumer*>& consumers) {
    const char letter = SatLetter(sat);
    const std::vector<bool>& formed = plan_.formed[SystemPlace(letter)];
    std::vector<ObsColumn> columns;
    for (std::size_t k = 0; k < plan_.codes.size(); k++)
      columns.push_back(MakeObsColumn(data_, letter, formed[k] ? plan_.codes[k] : -1));
    const std::string name = SatName(sat);
    ListingRow row;
    row.satellite = name;
    row.values.resize(columns.size());
    const std::uint32_t day0 = data_.epoch(0).mjday;
    for (long p = index.First(sat); p < index.End(sat); p++) {
      const long e = index.epochAt(p);
      FormValues(columns, factors, index.record(p), row);
      row.date = epochs_.Date(e);
      row.mjdDay = data_.epoch(e).mjday;
      row.secondsText = epochs_.Seconds(e);
      row.secondsOfDay = static_cast<double>(data_.epoch(e).second);
      RowTime time;
      time.seconds = SecondsSince(day0, data_.epoch(e));
      time.gapLimit = gapLimit_;
      for (ListingConsumer* consumer : consumers) consumer->Row(row, time);
    }
    for (ListingConsumer* consumer : consumers) consumer->EndOfBlock();
  }

 private:
  // The values of record k, and their texts as the listing writes them.
  void FormValues(const std::vector<ObsColumn>& columns, const RowFactors& factors, long k,
                  ListingRow& row) {
    text_.clear();
    std::vector<std::size_t>& ends = ends_;
    ends.clear();
    StreamState state = epochs_.state;
    char field[kFixedTextRoom];
    for (std::size_t c = 0; c < columns.size(); c++) {
      const ObsColumn& column = columns[c];
      long double value = 0;
      if (column.kind == ObsColumn::DOPPLER) {
        const gnssobsshort doppler = ColumnDoppler(column, k);
        value = doppler.obs;
        ObsText(field, sizeof field, doppler, state);
      } else {
        const gnssobs formed = ColumnValue(factors, column, k);
        value = formed.obs;
        ObsText(field, sizeof field, formed, state);
      }
      text_ += Trimmed(field);
      ends.push_back(text_.size());
      ListingValue& out = row.values[c];
      out.value = static_cast<double>(value);
      out.present = !(doppler_[c] && value == 0);
    }
    std::size_t start = 0;
    for (std::size_t c = 0; c < columns.size(); c++) {
      ListingValue& out = row.values[c];
      out.text = std::string_view(text_).substr(start, ends[c] - start);
      if (out.text == "*.***") out.present = false;
      start = ends[c];
    }
  }

  PhsDiffData& data_;
  const ColumnPlan& plan_;
  const std::vector<bool>& doppler_;
  const EpochTexts& epochs_;
  double gapLimit_;
  std::string text_;
  std::vector<std::size_t> ends_;
};

[[noreturn]] void Fatal(const std::string& message) {
  ProgramError(kReportProgramName, message.c_str());
}

}  // namespace

bool IsSingleDifferenceFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char line[32] = "";
  const bool read = std::fgets(line, sizeof line, file) != nullptr;
  std::fclose(file);
  const std::string_view text(line);
  return read && text.size() >= 18 && text.substr(6, 12) == "_DIFFERENCES" &&
         (text.substr(0, 6) == "SINGLE" || text.substr(0, 6) == "DOUBLE" ||
          text.substr(0, 6) == "TRIPLE");
}

std::vector<int> ColumnCodes(const std::string& list) {
  std::vector<int> codes;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = list.find_first_of(":,", start);
    const std::string name =
        list.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!name.empty()) {
      int code = FindObsCode(name.c_str());
      if (code < 0) {
        const ObsCatalogueEntry* entry = FindObsEntryByLabel(name.c_str());
        code = entry != nullptr ? entry->code : -1;
      }
      if (code < 0) Fatal("UNKNOWN COLUMN \"" + name + "\" IN --columns");
      codes.push_back(code);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (codes.empty()) Fatal("--columns NAMES NO COLUMN");
  return codes;
}

void ReadSingleDifferences(const SdInputOptions& options,
                           const std::vector<ListingConsumer*>& consumers) {
  // The loaders' messages carry this program's name and option.
  SpeakForLoader(LoaderVoice{kReportProgramName, "--channels="});
  const std::vector<int> listed = options.columns.empty()
                                      ? std::vector<int>(std::begin(kQcCodes), std::end(kQcCodes))
                                      : ColumnCodes(options.columns);
  auto header = std::make_unique<PhsDiffHeader>();
  auto data = std::make_unique<PhsDiffData>(*header);
  auto loader = std::make_unique<PhsDiff>(*header, *data);
  auto channels = std::make_unique<GLNSat>();
  const PhsDiffData::TypeSet read = TypesRead(listed);
  data->KeepTypes(read);
  loader->SetFile(options.file.c_str());
  loader->ReadFile();
  if (!options.channelFile.empty()) {
    channels->SetFile(options.channelFile.c_str());
    channels->ReadFile();
  }
  const ColumnPlan plan =
      options.columns.empty() ? QcPlan(TypesPresent(*data, read)) : ListedPlan(listed);

  SetRowLayouts();
  const EpochTexts epochs = BuildEpochTexts(*data);
  ListingSettings settings = SettingsOf(options, *header, *data);
  settings.context = ContextOf(*header, *data, epochs);
  ListingColumns columns;
  std::vector<bool> doppler;
  for (int code : plan.codes) {
    columns.labels.emplace_back(FindObsEntry(code)->label);
    doppler.push_back(ClassifyColumn(columns.labels.back(), settings.phaseUnit).zeroIsAbsent);
  }
  const bool glonass = !options.channelFile.empty();
  if (!glonass && settings.context.systems.find('R') != std::string::npos)
    settings.context.notes.emplace_back(
        "GLONASS: not reported, as no channel file was given (--channels FILE).");
  for (ListingConsumer* consumer : consumers) consumer->Begin(settings, columns);

  const double gapLimit =
      header->interval > 0 ? 2.0 * header->interval : std::numeric_limits<double>::infinity();
  const SatRecordIndex index(*data);
  SatelliteRows rows(*data, plan, doppler, epochs, gapLimit);
  mjd reference = data->neph > 0 ? data->epoch(0) : mjd();
  RowFactors factors;
  for (long i = 0; i < data->satList.r; i++) {
    const short sat = data->satList(i);
    const char letter = SatLetter(sat);
    if (letter == '\0' || std::strchr(kReportedSystems, letter) == nullptr) continue;
    if (letter == 'R' && !glonass) continue;
    if (const char* reason = LoadSatelliteFactors(sat, *channels, reference, factors)) {
      char message[128];
      std::snprintf(message, sizeof message, "%s (SATELLITE %s NOT REPORTED)!", reason,
                    SatName(sat).c_str());
      ProgramWarning(kReportProgramName, message);
      continue;
    }
    rows.Send(sat, factors, index, consumers);
  }
  for (ListingConsumer* consumer : consumers) consumer->Finish();
}
