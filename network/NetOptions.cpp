// The network program's options, read through the companions' one reader.
#include "network/NetOptions.h"

#include <fstream>
#include <sstream>

#include "PROGINC/CommandLine.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"

namespace {

[[noreturn]] void OptionError(const std::string& what) {
  ProgramError(kNetworkName, (what + " (see --help)").c_str());
}

long WholeNumber(const std::string& option, const std::string& text, long least) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < least || value > 1000000000L)
    OptionError(option + " \"" + text + "\" is no whole number from " + std::to_string(least));
  return value;
}

// Lines "BASE ROVER"; blank lines and lines from # on are passed over.
std::vector<Baseline> ReadPairs(const std::string& path) {
  std::ifstream in(path);
  if (!in) OptionError("--pairs: cannot read " + path);
  std::vector<Baseline> pairs;
  int lineNo = 0;
  for (std::string line; std::getline(in, line);) {
    lineNo++;
    std::istringstream fields(line.substr(0, line.find('#')));
    Baseline pair;
    std::string extra;
    if (!(fields >> pair.base)) continue;
    if (!(fields >> pair.rover) || (fields >> extra) || pair.base == pair.rover)
      OptionError(path + ", line " + std::to_string(lineNo) + ": not two stations BASE ROVER");
    for (std::string* name : {&pair.base, &pair.rover})
      for (char& c : *name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    pairs.push_back(pair);
  }
  return pairs;
}

void SetRule(NetOptions& o, BaselineRule::Kind kind) {
  if (o.ruleGiven) OptionError("only one of --pairs, --star, --within, --nearest");
  o.ruleGiven = true;
  o.rule.kind = kind;
}

int Keep(const std::string& text) {
  if (text == "report") return 0;
  if (text == "sd") return 1;
  if (text == "listing") return 2;
  OptionError("--keep \"" + text + "\" is none of report, sd, listing");
}

enum Code { PAIRS = 256, STAR, WITHIN, NEAREST, KEEP, SYSTEMS, VERSION };

const option kLongOptions[] = {{"output", required_argument, nullptr, 'o'},
                               {"jobs", required_argument, nullptr, 'j'},
                               {"pairs", required_argument, nullptr, PAIRS},
                               {"star", required_argument, nullptr, STAR},
                               {"within", required_argument, nullptr, WITHIN},
                               {"nearest", required_argument, nullptr, NEAREST},
                               {"keep", required_argument, nullptr, KEEP},
                               {"systems", required_argument, nullptr, SYSTEMS},
                               {"help", no_argument, nullptr, 'h'},
                               {"version", no_argument, nullptr, VERSION},
                               {nullptr, 0, nullptr, 0}};

void Apply(NetOptions& o, const CommandWord& word) {
  const std::string& v = word.value;
  switch (word.code) {
    case 'o':
      o.output = v;
      break;
    case 'j':
      o.jobs = static_cast<int>(WholeNumber("--jobs", v, 1));
      break;
    case PAIRS:
      SetRule(o, BaselineRule::PAIRS);
      o.rule.pairs = ReadPairs(v);
      break;
    case STAR:
      SetRule(o, BaselineRule::STAR);
      o.rule.reference = v;
      for (char& c : o.rule.reference)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      break;
    case WITHIN:
      SetRule(o, BaselineRule::WITHIN);
      o.rule.metres = WholeNumber("--within", v, 1);
      break;
    case NEAREST:
      SetRule(o, BaselineRule::NEAREST);
      o.rule.neighbours = static_cast<int>(WholeNumber("--nearest", v, 1));
      break;
    case KEEP:
      o.keep = Keep(v);
      break;
    case SYSTEMS:
      o.systems = v;
      break;
    case 'h':
      o.help = true;
      break;
    case VERSION:
      o.version = true;
      break;
    default:
      break;
  }
}

void CheckComplete(const NetOptions& o) {
  const bool planning = o.command == "plan" || o.command == "run";
  if (!planning && o.command != "status" && o.command != "summary")
    OptionError("\"" + o.command + "\" is none of plan, run, status, summary");
  if (planning && o.inputs.empty()) OptionError(o.command + " needs folders or files to read");
  if (planning && o.output.empty()) OptionError(o.command + " needs the output folder (-o)");
  if (planning && !o.ruleGiven)
    OptionError(o.command + " needs one of --pairs, --star, --within, --nearest");
  if (!planning && o.output.empty()) OptionError(o.command + " needs the output folder");
}

}  // namespace

NetOptions ParseNetOptions(int argc, char** argv) {
  NetOptions options;
  for (const CommandWord& word : ReadCommandLine(argc, argv, "o:j:h", kLongOptions)) {
    if (word.kind == CommandWord::UNKNOWN) OptionError("unknown option " + word.element);
    if (word.kind == CommandWord::MISSING_VALUE) OptionError(word.element + " needs a value");
    if (word.kind == CommandWord::UNWANTED_VALUE) OptionError(word.element + " takes no value");
    if (word.kind == CommandWord::OPTION) Apply(options, word);
    if (word.kind != CommandWord::OPERAND) continue;
    if (options.command.empty())
      options.command = word.value;
    else
      options.inputs.push_back(word.value);
  }
  if (options.help || options.version) return options;
  if (options.command.empty()) OptionError("no subcommand: plan, run, status or summary");
  // status and summary take the output folder as their operand.
  if ((options.command == "status" || options.command == "summary") && options.output.empty() &&
      options.inputs.size() == 1) {
    options.output = options.inputs.front();
    options.inputs.clear();
  }
  CheckComplete(options);
  return options;
}

const char* NetHelpText() {
  return "Usage: Quintavelmor-net plan INPUT... -o OUT RULE\n"
         "       Quintavelmor-net run INPUT... -o OUT RULE [-j N] [--keep WHAT] [--systems "
         "LETTERS]\n"
         "       Quintavelmor-net status OUT\n"
         "       Quintavelmor-net summary OUT\n"
         "\n"
         "Processes a network of stations: every baseline of every day, each one a task\n"
         "that converts the pair (Quintavelmor-sd) and reports it straight from the SD\n"
         "file (Quintavelmor-report) into OUT/YYYY/DDD/BASE-ROVER/.  INPUT is a folder\n"
         "(searched through) or a RINEX observation or navigation file in any form the\n"
         "converter reads.  Station and day come from the file name (RINEX 2 short or\n"
         "RINEX 3/4 long names, also with .gz or .Z), else from the header.\n"
         "\n"
         "  plan     write OUT/plan.txt and print it; notes on standard error\n"
         "  run      plan, run the tasks, write OUT/summary.csv and OUT/index.html;\n"
         "           status 1 when a task failed, each failed task listed\n"
         "  status   count the tasks of OUT by their manifests, list the failed ones\n"
         "  summary  write OUT/summary.csv and OUT/index.html again\n"
         "\n"
         "RULE, one of:\n"
         "      --pairs FILE         the pairs of FILE, one \"BASE ROVER\" a line\n"
         "      --star STATION       STATION as the base of every baseline\n"
         "      --within METRES      every pair shorter than METRES\n"
         "      --nearest K          each station with its K nearest\n"
         "                           (--within and --nearest take the distances from the\n"
         "                           headers' approximate positions; the base is the\n"
         "                           station whose name sorts first)\n"
         "\n"
         "Options:\n"
         "  -o, --output OUT         the output folder\n"
         "  -j, --jobs N             tasks run at once (default 1)\n"
         "      --keep WHAT          what a task keeps besides its report and converter's\n"
         "                           log: report (default), sd (also the SD and channel\n"
         "                           files) or listing (also a listing by Quintavelmor)\n"
         "      --systems LETTERS    the converter's --systems\n"
         "  -h, --help               this text\n"
         "      --version            the program's name and version\n"
         "\n"
         "A task whose manifest shows it done with the same inputs and options is\n"
         "skipped.  Of several forms of one station-day the first is taken in this\n"
         "order: long name, short name, then a name read from the header; within each,\n"
         "plain before compact RINEX, uncompressed before .gz before .Z.\n";
}
