// The companion programs' command lines, read with getopt_long: a short
// option takes its value attached or as the next argument (-ox.sd, -o x.sd),
// a long one after "=" or as the next argument; operands keep their places
// among the options, and every argument after "--" is an operand.  Long
// names must be given whole, never abbreviated.
#ifndef PROGINC_COMMANDLINE_H
#define PROGINC_COMMANDLINE_H

#include <getopt.h>

#include <string>
#include <vector>

// One option or operand, in the order of the command line.
struct CommandWord {
  enum Kind {
    OPTION,          // `code` is the short letter or the long option's `val`
    OPERAND,         // `value` is the operand
    UNKNOWN,         // no option of that name
    MISSING_VALUE,   // an option that takes a value, last on the line
    UNWANTED_VALUE,  // "--name=..." of an option that takes none
  };
  Kind kind = OPERAND;
  int code = 0;
  std::string element;  // the argument read, as given: what messages name
  std::string value;    // the option's value, or the operand
};

// The words of the command line; `shortOptions` as getopt takes them (a
// letter, ":" after one that takes a value), `longOptions` ends with a zero
// entry.  getopt_long says nothing itself: the program reports each kind.
std::vector<CommandWord> ReadCommandLine(int argc, const char* const* argv,
                                         const char* shortOptions, const option* longOptions);

#endif
