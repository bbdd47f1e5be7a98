// Reading a companion's command line with getopt_long.
#include "PROGINC/CommandLine.h"

#include <cstring>

namespace {

// The long option the element "--name[=value]" names exactly, or null.
const option* ExactLongOption(const char* element, const option* longOptions) {
  if (std::strncmp(element, "--", 2) != 0) return nullptr;
  const char* name = element + 2;
  const size_t length = std::strcspn(name, "=");
  for (const option* o = longOptions; o->name != nullptr; o++)
    if (std::strlen(o->name) == length && std::strncmp(o->name, name, length) == 0) return o;
  return nullptr;
}

// getopt_long found an option: a long one given by a part of its name only
// is unknown all the same.
CommandWord Option(int code, const char* element, const option* longOptions) {
  CommandWord word;
  word.element = element;
  const bool isLong = std::strncmp(element, "--", 2) == 0;
  if (isLong && ExactLongOption(element, longOptions) == nullptr) {
    word.kind = CommandWord::UNKNOWN;
    return word;
  }
  word.kind = CommandWord::OPTION;
  word.code = code;
  if (optarg != nullptr) word.value = optarg;
  return word;
}

// getopt_long refused the element: an option that takes no value given one
// ("--help=x") is told apart from a name that is none.
CommandWord Refused(const char* element, const option* longOptions) {
  CommandWord word;
  word.element = element;
  const option* named = ExactLongOption(element, longOptions);
  word.kind = named != nullptr && named->has_arg == no_argument && std::strchr(element, '=')
                  ? CommandWord::UNWANTED_VALUE
                  : CommandWord::UNKNOWN;
  return word;
}

CommandWord Operand(const char* text) {
  CommandWord word;
  word.element = text;
  word.value = text;
  return word;
}

}  // namespace

std::vector<CommandWord> ReadCommandLine(int argc, const char* const* argv,
                                         const char* shortOptions, const option* longOptions) {
  // "-" first: operands come back in their places instead of being moved to
  // the end; ":" next: a missing value is told apart from an unknown option.
  const std::string optionString = std::string("-:") + shortOptions;
  // In this mode getopt_long reorders nothing, so the vector stays as given.
  char* const* arguments = const_cast<char* const*>(argv);
  std::vector<CommandWord> words;
  opterr = 0;
  optind = 0;  // starts getopt_long afresh, also on a second command line
  for (;;) {
    const int first = optind == 0 ? 1 : optind;
    const int code = getopt_long(argc, arguments, optionString.c_str(), longOptions, nullptr);
    if (code == -1) break;
    const char* element = argv[first];
    if (code == 1) {
      words.push_back(Operand(optarg));
    } else if (code == ':') {
      words.push_back(CommandWord{CommandWord::MISSING_VALUE, 0, element, ""});
    } else if (code == '?') {
      words.push_back(Refused(element, longOptions));
    } else {
      words.push_back(Option(code, element, longOptions));
    }
  }
  for (int k = optind; k < argc; k++) words.push_back(Operand(argv[k]));
  return words;
}
