// The converter's command line, read through one table of options with
// getopt_long.
#include "rinex/SdOptions.h"

#include <iterator>

#include "PROGINC/CommandLine.h"
#include "PROGINC/NumField.h"
#include "rinex/ConverterError.h"

namespace {

[[noreturn]] void OptionError(const std::string& what) { ConverterError(what + " (see --help)"); }

double ParseTolerance(const std::string& text) {
  const char* p = text.c_str();
  double seconds = 0;
  if (!ScanReal(p, p + text.size(), seconds) || *p != '\0' || !(seconds >= 0 && seconds < 1))
    OptionError("the tolerance \"" + text + "\" is no number of seconds from 0 to below 1");
  return seconds;
}

// Letters of either case.
std::string ParseSystems(const std::string& text) {
  if (text.empty()) OptionError("--systems needs at least one of the letters G, R, E, C");
  std::string systems = text;
  for (char& c : systems) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (SystemIndex(c) < 0)
      OptionError(std::string("--systems: \"") + c + "\" is none of G, R, E, C");
  }
  return systems;
}

std::vector<short> ParseTypes(const std::string& text) {
  std::vector<short> types;
  size_t from = 0;
  while (from <= text.size()) {
    const size_t comma = std::min(text.find(',', from), text.size());
    const std::string name = text.substr(from, comma - from);
    const short code = PhsDiffHeader::TypeCode(name);
    if (code == PhsDiffHeader::NOTYPE)
      OptionError("--types: \"" + name + "\" is no single-difference type");
    types.push_back(code);
    from = comma + 1;
  }
  return types;
}

AttributePriority ParsePriority(const std::string& text) {
  AttributePriority priority;
  std::string reason;
  if (!ParseAttributePriority(text, priority, reason))
    OptionError("--priority \"" + text + "\": " + reason);
  return priority;
}

// One option: its short and long names, whether it takes a value, and what
// it does with the value.
struct Option {
  char shortName;
  const char* longName;
  bool takesValue;
  void (*apply)(SdOptions& options, const std::string& value);
};

const Option kOptions[] = {
    {'o', "output", true, [](SdOptions& o, const std::string& v) { o.output = v; }},
    {'g', "glonass-channels", true, [](SdOptions& o, const std::string& v) { o.channels = v; }},
    {'n', "navigation", true,
     [](SdOptions& o, const std::string& v) { o.navigation.push_back(v); }},
    {'t', "tolerance", true,
     [](SdOptions& o, const std::string& v) { o.tolerance = ParseTolerance(v); }},
    {'s', "systems", true, [](SdOptions& o, const std::string& v) { o.systems = ParseSystems(v); }},
    {0, "types", true, [](SdOptions& o, const std::string& v) { o.types = ParseTypes(v); }},
    {0, "priority", true,
     [](SdOptions& o, const std::string& v) { o.priorities.push_back(ParsePriority(v)); }},
    {0, "base-piece", true, [](SdOptions& o, const std::string& v) { o.basePieces.push_back(v); }},
    {0, "rover-piece", true,
     [](SdOptions& o, const std::string& v) { o.roverPieces.push_back(v); }},
    {0, "lli-list", true, [](SdOptions& o, const std::string& v) { o.lliList = v; }},
    {'v', "verbose", false, [](SdOptions& o, const std::string&) { o.verbose = true; }},
    {'h', "help", false, [](SdOptions& o, const std::string&) { o.help = true; }},
    {0, "version", false, [](SdOptions& o, const std::string&) { o.version = true; }},
};

// Long options without a short name get codes beyond every letter.
constexpr int kLongOnlyCode = 256;

int CodeOf(size_t index) {
  const Option& o = kOptions[index];
  return o.shortName != 0 ? o.shortName : kLongOnlyCode + static_cast<int>(index);
}

const Option& OptionOf(int code) {
  if (code < kLongOnlyCode) {
    for (const Option& option : kOptions)
      if (option.shortName == code) return option;
  }
  return kOptions[code - kLongOnlyCode];
}

// The table in getopt_long's terms: the short letters and the long names.
struct GetoptTable {
  std::string shortOptions;
  std::vector<option> longOptions;
};

GetoptTable MakeGetoptTable() {
  GetoptTable table;
  for (size_t k = 0; k < std::size(kOptions); k++) {
    const Option& o = kOptions[k];
    if (o.shortName != 0)
      table.shortOptions += std::string(1, o.shortName) + (o.takesValue ? ":" : "");
    table.longOptions.push_back(
        {o.longName, o.takesValue ? required_argument : no_argument, nullptr, CodeOf(k)});
  }
  table.longOptions.push_back({nullptr, 0, nullptr, 0});
  return table;
}

// The listing program takes its channel file as -gfFILE; given to the
// converter, that habit would name the file "fFILE".
void WarnListingChannelForm(const CommandWord& word) {
  if (word.code != 'g' || word.element.compare(0, 2, "--") == 0 || word.value[0] != 'f') return;
  ConverterWarning("-g " + word.value + ": the channel file is written as \"" + word.value +
                   "\"; the converter takes -g FILE, -gfFILE is the listing program's form");
}

void ApplyOption(SdOptions& options, const CommandWord& word) {
  switch (word.kind) {
    case CommandWord::UNKNOWN:
      OptionError("unknown option \"" + word.element + "\"");
    case CommandWord::MISSING_VALUE:
      OptionError("option \"" + word.element + "\" needs a value");
    case CommandWord::UNWANTED_VALUE:
      OptionError("option \"" + word.element + "\" takes no value");
    default:
      WarnListingChannelForm(word);
      OptionOf(word.code).apply(options, word.value);
  }
}

}  // namespace

std::vector<std::string> PieceFiles(const std::string& first,
                                    const std::vector<std::string>& later) {
  std::vector<std::string> files = {first};
  files.insert(files.end(), later.begin(), later.end());
  return files;
}

SdOptions ParseSdOptions(int argc, const char* const* argv) {
  const GetoptTable table = MakeGetoptTable();
  SdOptions options;
  std::vector<std::string> files;
  for (const CommandWord& word :
       ReadCommandLine(argc, argv, table.shortOptions.c_str(), table.longOptions.data())) {
    if (word.kind == CommandWord::OPERAND)
      files.push_back(word.value);
    else
      ApplyOption(options, word);
  }
  if (options.help || options.version) return options;
  if (files.size() != 2) OptionError("give two observation files, the base's and the rover's");
  if (options.output.empty()) OptionError("the single-difference file must be given with -o");
  options.base = files[0];
  options.rover = files[1];
  return options;
}

const char* SdHelpText() {
  return "Usage: Quintavelmor-sd BASE ROVER -o OUT.sd [-g CHANNELS.txt] [options]\n"
         "\n"
         "Makes the single-difference file of a base and a rover receiver from their\n"
         "RINEX observation files (versions 2.10 to 4; plain, gzip, Unix compress or\n"
         "Hatanaka compact RINEX), and optionally the GLONASS frequency-channel file.\n"
         "Every value is the rover's observation minus the base's; the epochs are the\n"
         "rover's time tags, and the time difference on each epoch line is the rover's\n"
         "tag minus the base's, in microseconds.\n"
         "\n"
         "Options:\n"
         "  -o, --output FILE            the single-difference file to write (required)\n"
         "  -g, --glonass-channels FILE  write the GLONASS frequency-channel file, from\n"
         "                               the observation headers and navigation files\n"
         "  -n, --navigation FILE        a RINEX 2, 3 or 4 navigation file, its GLONASS\n"
         "                               records for the channel file; may be repeated\n"
         "  -t, --tolerance SECONDS      largest difference of two time tags that still\n"
         "                               pair as one epoch (default 0.03)\n"
         "  -s, --systems LETTERS        systems to convert, of G R E C (default GREC)\n"
         "      --types LIST             single-difference types to write, e.g. C1,P2,L1,L2\n"
         "                               (default: every type both files carry)\n"
         "      --priority SYS:TYPE:ATTRIBUTES\n"
         "                               tracking attributes for one type, best first,\n"
         "                               e.g. G:L2:LXS; may be repeated\n"
         "      --base-piece FILE        a later piece of the base's day (an hourly or\n"
         "                               15-minute file), read after BASE and the pieces\n"
         "                               given before it; may be repeated\n"
         "      --rover-piece FILE       the same for the rover's day\n"
         "      --lli-list FILE          list every loss-of-lock indicator on a written\n"
         "                               value: satellite, epoch, type, station, indicator\n"
         "  -v, --verbose                also report which RINEX code feeds each type\n"
         "  -h, --help                   this text\n"
         "      --version                the program's name and version\n"
         "\n"
         "Default attribute priorities: GPS C1 C; P1 W P Y N; P2 W P Y D N;\n"
         "L1 C W P Y N L X S; C2 L X S C; L2 W P Y D N L X S C; band 5 Q X I.\n"
         "GLONASS C1, C2 C; P1, P2 P; L1 C P; L2 P C.  Galileo bands 1 and 6 C X B;\n"
         "5, 7, 8 Q X I.  BeiDou B1I (band 2) I Q X; bands 6 and 7 I Q X P Z D;\n"
         "bands 1, 5, 8 P X D.  A type takes the best code that both files carry,\n"
         "else each file's best.  Doppler and signal strength follow the phase of\n"
         "their band.\n"
         "\n"
         "The report on standard error counts what the file cannot show: exact zero\n"
         "differences (written as missing), loss-of-lock indicators per satellite,\n"
         "epochs of one file only, event records and skipped systems.\n"
         "Exit status: 0 on success, 1 on any error.\n";
}
