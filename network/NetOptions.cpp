// The network program's options, read through the companions' one reader.
#include "network/NetOptions.h"

#include <fstream>

#include "PROGINC/CommandLine.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "network/PairsFile.h"
#include "network/SlurmChunks.h"

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

std::vector<Baseline> ReadPairs(const std::string& path) {
  std::ifstream in(path);
  if (!in) OptionError("--pairs: cannot read " + path);
  const PairsFile file = ReadPairsFile(in, path);
  if (!file.error.empty()) OptionError(file.error);
  for (const std::string& note : file.notes) ProgramWarning(kNetworkName, note.c_str());
  return file.pairs;
}

void SetRule(NetOptions& o, BaselineRule::Kind kind) {
  if (o.ruleGiven) OptionError("only one of --pairs, --star, --within, --nearest");
  o.ruleGiven = true;
  o.rule.kind = kind;
}

// What a task keeps, by its --keep word.
const char* const kKeepNames[] = {"report", "sd", "listing"};

int Keep(const std::string& text) {
  for (int keep = 0; keep < 3; keep++)
    if (text == kKeepNames[keep]) return keep;
  OptionError("--keep \"" + text + "\" is none of report, sd, listing");
}

enum Code {
  PAIRS = 256,
  STAR,
  WITHIN,
  NEAREST,
  KEEP,
  SYSTEMS,
  VERSION,
  SLURM,
  PARTITION,
  ACCOUNT,
  TIME,
  MEMORY,
  CPUS,
  THROTTLE,
  TASK_SECONDS,
  MAX_JOBS,
  WAIT,
  FIRST,
  SIZE
};

const option kLongOptions[] = {{"output", required_argument, nullptr, 'o'},
                               {"jobs", required_argument, nullptr, 'j'},
                               {"pairs", required_argument, nullptr, PAIRS},
                               {"star", required_argument, nullptr, STAR},
                               {"within", required_argument, nullptr, WITHIN},
                               {"nearest", required_argument, nullptr, NEAREST},
                               {"keep", required_argument, nullptr, KEEP},
                               {"systems", required_argument, nullptr, SYSTEMS},
                               {"slurm", no_argument, nullptr, SLURM},
                               {"partition", required_argument, nullptr, PARTITION},
                               {"account", required_argument, nullptr, ACCOUNT},
                               {"time", required_argument, nullptr, TIME},
                               {"mem", required_argument, nullptr, MEMORY},
                               {"cpus-per-task", required_argument, nullptr, CPUS},
                               {"throttle", required_argument, nullptr, THROTTLE},
                               {"task-seconds", required_argument, nullptr, TASK_SECONDS},
                               {"max-jobs", required_argument, nullptr, MAX_JOBS},
                               {"wait", no_argument, nullptr, WAIT},
                               {"first", required_argument, nullptr, FIRST},
                               {"size", required_argument, nullptr, SIZE},
                               {"help", no_argument, nullptr, 'h'},
                               {"version", no_argument, nullptr, VERSION},
                               {nullptr, 0, nullptr, 0}};

std::string TimeLimit(const std::string& text) {
  if (TimeLimitSeconds(text) < 0)
    OptionError("--time \"" + text +
                "\" is no time limit (MINUTES, HOURS:MINUTES:SECONDS, DAYS-HOURS...)");
  return text;
}

// The options that go to the cluster; true when the word was one of them.
bool ApplyCluster(SlurmSettings& c, const CommandWord& word) {
  const std::string& v = word.value;
  switch (word.code) {
    case PARTITION:
      c.partition = v;
      return true;
    case ACCOUNT:
      c.account = v;
      return true;
    case TIME:
      c.time = TimeLimit(v);
      return true;
    case MEMORY:
      c.memory = v;
      return true;
    case CPUS:
      c.cpusPerTask = WholeNumber("--cpus-per-task", v, 1);
      return true;
    case THROTTLE:
      c.throttle = WholeNumber("--throttle", v, 1);
      return true;
    case TASK_SECONDS:
      c.taskSeconds = WholeNumber("--task-seconds", v, 1);
      return true;
    case MAX_JOBS:
      c.maxJobs = WholeNumber("--max-jobs", v, 1);
      return true;
    case WAIT:
      c.wait = true;
      return true;
    default:
      return false;
  }
}

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
    case SLURM:
      o.slurm = true;
      break;
    case FIRST:
      o.first = WholeNumber("--first", v, 0);
      break;
    case SIZE:
      o.size = WholeNumber("--size", v, 1);
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

// The options of one executor only with that executor.
void CheckExecutor(const NetOptions& o, const std::string& clusterOption, bool jobsGiven) {
  if (o.slurm && o.command != "run") OptionError("--slurm is an option of run");
  if (!o.slurm && !clusterOption.empty()) OptionError(clusterOption + " needs --slurm");
  if (o.slurm && jobsGiven)
    OptionError("-j is for this machine; on the cluster give --cpus-per-task");
}

void CheckChunk(const NetOptions& o) {
  if (o.inputs.size() != 1 || o.output.empty() || o.first < 0 || o.size < 1)
    OptionError("run-chunk needs the plan file, -o, --first and --size");
}

void CheckComplete(const NetOptions& o) {
  if (o.command == "run-chunk") return CheckChunk(o);
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
  std::string clusterOption;  // the first option that goes to the cluster
  bool jobsGiven = false;
  for (const CommandWord& word : ReadCommandLine(argc, argv, "o:j:h", kLongOptions)) {
    if (word.kind == CommandWord::UNKNOWN) OptionError("unknown option " + word.element);
    if (word.kind == CommandWord::MISSING_VALUE) OptionError(word.element + " needs a value");
    if (word.kind == CommandWord::UNWANTED_VALUE) OptionError(word.element + " takes no value");
    jobsGiven = jobsGiven || (word.kind == CommandWord::OPTION && word.code == 'j');
    if (word.kind == CommandWord::OPTION && ApplyCluster(options.cluster, word)) {
      if (clusterOption.empty()) clusterOption = word.element.substr(0, word.element.find('='));
      continue;
    }
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
  if (options.command != "run-chunk") CheckExecutor(options, clusterOption, jobsGiven);
  return options;
}

const char* KeepName(int keep) { return kKeepNames[keep]; }

const char* NetHelpText() {
  return "Usage: Quintavelmor-net plan INPUT... -o OUT RULE\n"
         "       Quintavelmor-net run INPUT... -o OUT RULE [-j N] [--keep WHAT] [--systems "
         "LETTERS]\n"
         "       Quintavelmor-net run INPUT... -o OUT RULE --slurm [CLUSTER OPTIONS]\n"
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
         "Cluster options (run --slurm: job arrays submitted with sbatch, each element\n"
         "running a chunk of the plan with the same task runner as -j does):\n"
         "      --partition NAME, --account NAME, --time LIMIT, --mem SIZE,\n"
         "      --cpus-per-task N    passed to sbatch; an element runs N tasks at once\n"
         "      --throttle N         elements running at once (--array=...%N); several\n"
         "                           arrays then run one after the other\n"
         "      --task-seconds S     the estimate of one task on one core (default 300):\n"
         "                           an element gets as many tasks as fit nine tenths\n"
         "                           of --time\n"
         "      --max-jobs N         array elements in all (default: the site's\n"
         "                           MaxJobCount); arrays keep to its MaxArraySize\n"
         "      --wait               wait for the arrays, then write the summary;\n"
         "                           without it the job ids are printed and status\n"
         "                           and summary tell the rest later\n"
         "\n"
         "A task whose manifest shows it done with the same inputs and options is\n"
         "skipped.  Of several forms of one station-day the first is taken in this\n"
         "order: long name, short name, then a name read from the header; within each,\n"
         "plain before compact RINEX, uncompressed before .gz before .Z.\n";
}
