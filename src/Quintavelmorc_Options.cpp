// The driver's command line: the option table with the verbose message of each
// option, and the final rules that choose between the help text and a run.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "GNSS/TimeConverse.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/ParseArgument.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "PROGINC/cfilef.h"
#include "catalogue/ListingLayout.h"
#include "src/Quintavelmor_Help.h"
#include "src/Quintavelmorc.h"

namespace {

using std::cerr;
using std::endl;

// Longest value of a fixed text field (file names, observation list).
constexpr size_t kMaxNameLength = Quintavelmorc::kNameSize - 1;
// Longest satellite list: 99 satellites of three characters.
constexpr size_t kMaxSatListLength = 299;

// Character i of an element, or the terminator when the element is shorter.
char CharAt(const char* arg, size_t i) {
  for (size_t k = 0; k < i; k++)
    if (arg[k] == '\0') return '\0';
  return arg[i];
}

char LowerAt(const char* arg, size_t i) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(CharAt(arg, i))));
}

// Start of every option message but that of "-o".
std::ostream& OptionMessage(std::ostream& out) {
  return out << kProgramName << "::GetFiles():         ";
}

// A value longer than its field is refused, never cut or overrun.
void RequireLength(const char* value, size_t maxLength, const char* message) {
  if (std::strlen(value) > maxLength) ProgramError(kProgramName, message);
}

void SetObsFile(Quintavelmorc& q, const char* arg) {
  RequireLength(arg + 2, kMaxNameLength,
                "SINGLE-DIFFERENCE FILE NAME [-o] TOO LONG (AT MOST 255 CHARACTERS)!");
  ParseFileName(arg, q.obsdiffile, 2);
  if (q.verbose)
    cerr << kProgramName << "::GetFiles(): Observation differences file name: " << q.obsdiffile
         << "!" << endl;
}

void SetChannelFile(Quintavelmorc& q, const char* arg) {
  RequireLength(arg + 3, kMaxNameLength,
                "GLONASS FREQUENCY CHANNEL FILE NAME [-gf] TOO LONG (AT MOST 255 CHARACTERS)!");
  ParseFileName(arg, q.gfcfile, 3);
  q.isGLNfc = true;
  if (q.verbose)
    OptionMessage(cerr) << "GLONASS FREQUENCY CHANNEL file: " << q.gfcfile << "!" << endl;
}

// Selections add up over several "-c" elements; nothing is cleared.
void SelectConstellations(Quintavelmorc& q, const char* arg) {
  for (const char* letter = arg + 2; *letter != '\0'; letter++) {
    switch (std::toupper(static_cast<unsigned char>(*letter))) {
      case 'G':
        q.isG = true;
        break;
      case 'R':
        q.isR = true;
        break;
      case 'E':
        q.isE = true;
        break;
      case 'C':
        q.isC = true;
        break;
      default:
        break;
    }
  }
  if (!q.verbose) return;
  OptionMessage(cerr) << "Satellite constellation to use:";
  if (q.isG) cerr << " GPS";
  if (q.isR) cerr << " GLONASS";
  if (q.isE) cerr << " GALILEO";
  if (q.isC) cerr << " BDS";
  cerr << endl;
}

// The list is read three characters at a time, so an entry that is not a
// satellite name (a separator, a one-digit number) would shift every later
// one: it is refused, naming it.
void RequireSatNames(const char* value, size_t length) {
  for (size_t k = 0; k + 3 <= length; k += 3) {
    if (IsSatName(value + k)) continue;
    const std::string message =
        std::string(value + k, 3) +
        " - SATELLITE IN LIST OF SATELLITES [-p] INCORRECT (SYSTEM LETTER G, R, E OR C AND TWO "
        "DIGITS EXPECTED)!";
    ProgramError(kProgramName, message.c_str());
  }
}

void SetSatellites(Quintavelmorc& q, const char* arg) {
  const char* value = arg + 2;
  RequireLength(value, kMaxSatListLength,
                "LIST OF SATELLITES [-p] TOO LONG (AT MOST 99 SATELLITES)!");
  const size_t length = std::strlen(value);
  q.isSat = true;
  if (q.verbose)
    OptionMessage(cerr) << "satellites PRN's: "
                        << " ->";
  if (length % 3 != 0)
    ProgramWarning(kProgramName,
                   "LIST OF SATELLITES [-p] WITH WRONG NUMBER OF CHARACTERS (3 PER SAT EXPECTED)!");
  RequireSatNames(value, length);
  // Without a whole satellite name the run would list nothing and succeed.
  if (length < 3)
    ProgramError(
        kProgramName,
        "LIST OF SATELLITES [-p] HAS NO SATELLITE (3 CHARACTERS PER SAT, E.G. -pG01G03R02)!");
  ParseSatList(arg, q.satprn, 2);
  if (!q.verbose) return;
  for (size_t k = 0; k + 3 <= length; k += 3) cerr << " " << std::string(value + k, 3);
  cerr << "!" << endl;
}

// Echoes the list in every mode, each ":" as a blank; returns the number of
// entries, one per ":".
long EchoObservationList(const char* text) {
  long entries = 0;
  for (const char* c = text; *c != '\0'; c++) {
    if (*c == ':') entries++;
    cerr << (*c == ':' ? ' ' : *c);
  }
  return entries;
}

// Each name ends at a ":"; characters after the last ":" form no entry.
void ParseObservationNames(Quintavelmorc& q) {
  char name[Quintavelmorc::kNameSize];
  size_t length = 0;
  int entry = 0;
  for (const char* c = q.observations; *c != '\0'; c++) {
    if (*c != ':') {
      name[length++] = *c;
      continue;
    }
    name[length] = '\0';
    q.ParseObs(name, entry++);
    length = 0;
  }
}

// Text after the last ":" forms no entry; it is named, since it is most
// often a last name without its ":".
void WarnIgnoredListTail(const char* text) {
  const char* tail = std::strrchr(text, ':') + 1;
  if (*tail == '\0') return;
  const std::string message = "OBSERVATION LIST [-l]: \"" + std::string(tail) +
                              "\" AFTER THE LAST \":\" IS IGNORED (EACH NAME ENDS WITH \":\")!";
  ProgramWarning(kProgramName, message.c_str());
}

void SetObservationList(Quintavelmorc& q, const char* arg) {
  RequireLength(arg + 2, kMaxNameLength,
                "OBSERVATION LIST [-l] TOO LONG (AT MOST 255 CHARACTERS)!");
  q.isObs = true;
  std::snprintf(q.observations, sizeof q.observations, "%s", arg + 2);
  // The warning comes first, so that the echo and the availability of the
  // entries stay on one line.
  const bool hasEntries = std::strchr(q.observations, ':') != nullptr;
  if (hasEntries) WarnIgnoredListTail(q.observations);
  if (q.verbose) OptionMessage(cerr) << "observation types: " << q.observations << " ->";
  const long entries = EchoObservationList(q.observations);
  // A list without entries would list the epochs without a value.
  if (!hasEntries)
    ProgramError(
        kProgramName,
        "OBSERVATION LIST [-l] HAS NO ENTRY (EACH NAME ENDS WITH \":\", E.G. -lC1:L4:MW:)!");
  q.obslist.Resize(entries, 1, 0);
  q.IfExistObs.Resize(entries, 1, 0);
  ParseObservationNames(q);
  if (q.verbose) cerr << "!" << endl;
}

// The message label is written before the date is parsed, so that an invalid
// field's report follows it.  The fields are cut at fixed columns, so a value
// without digits in them (a month or hour of one digit) would be read as
// another date: it is refused, naming the option.
mjd ParseEpoch(const Quintavelmorc& q, const char* arg, const char* label, const char* formError) {
  if (q.verbose) OptionMessage(cerr) << label;
  if (!IsDateInColumns(arg, 2)) ProgramError(kProgramName, formError);
  ymdhms date;
  ParseDate(arg, date, 2);
  if (q.verbose) cerr << date << "!" << endl;
  return ymdhms2mjd(date);
}

void SetStart(Quintavelmorc& q, const char* arg) {
  q.stE = ParseEpoch(q, arg, "START epoch: ",
                     "START EPOCH [-s] NOT IN THE FORM YYYY-MM-DD/HH:MM:SS.SSS (ANY SEPARATORS)!");
  q.isStart = true;
}

void SetEnd(Quintavelmorc& q, const char* arg) {
  q.enE = ParseEpoch(q, arg, "END epoch: ",
                     "END EPOCH [-e] NOT IN THE FORM YYYY-MM-DD/HH:MM:SS.SSS (ANY SEPARATORS)!");
  q.isEnd = true;
}

// The interval is kept in single precision, as read.
void SetInterval(Quintavelmorc& q, const char* arg) {
  q.dt = ParseFloat(arg, 2);
  q.isDt = true;
  if (q.verbose) OptionMessage(cerr) << "time interval DT: " << q.dt << "!" << endl;
}

// This one message goes to standard output.
void SetTolerance(Quintavelmorc& q, const char* arg) {
  q.EpochRound = std::fabs(ParseDouble(arg, 2));
  if (q.verbose)
    OptionMessage(std::cout) << "Maximum alowed clock error in SINGLE DIFFERENCES epochs: "
                             << q.EpochRound << "!" << endl;
}

void SetMSJump(Quintavelmorc& q, const char*) {
  q.isMSJump = true;
  if (q.verbose) OptionMessage(cerr) << "Eliminate MS jumps in observations: YES!" << endl;
}

void SetPhaseUnit(Quintavelmorc& q, const char* arg) {
  const char unit = LowerAt(arg, 2);
  q.isUnit = unit == 'c' || unit == 'm';
  q.PhUnit = unit == 'm' ? Quintavelmorc::METER : Quintavelmorc::CYCLE;
  if (!q.verbose) return;
  OptionMessage(cerr) << "Unit of RAW phase single differences";
  if (!q.isUnit) cerr << " set incorrectly, using default";
  cerr << ": " << (q.PhUnit == Quintavelmorc::METER ? kPhaseUnitMetres : kPhaseUnitCycles) << '!'
       << endl;
}

bool IsChannelFileOption(const char* arg) {
  const char second = CharAt(arg, 1);
  const char third = CharAt(arg, 2);
  return (second == 'g' && third == 'f') || (second == 'G' && third == 'F');
}

bool IsHelpRequest(const char* arg) {
  return std::strstr(arg, "Help") != nullptr || std::strstr(arg, "HELP") != nullptr ||
         std::strstr(arg, "help") != nullptr;
}

struct Option {
  bool (*matches)(const char* arg);
  void (*apply)(Quintavelmorc& q, const char* arg);
};

// In the order an element is tested against them: the first match wins.
const Option kOptions[] = {
    {[](const char* a) { return LowerAt(a, 1) == 'o'; }, SetObsFile},
    {IsChannelFileOption, SetChannelFile},
    {[](const char* a) { return LowerAt(a, 1) == 'c'; }, SelectConstellations},
    {[](const char* a) { return LowerAt(a, 1) == 'p'; }, SetSatellites},
    {[](const char* a) { return LowerAt(a, 1) == 'l'; }, SetObservationList},
    {[](const char* a) { return LowerAt(a, 1) == 's'; }, SetStart},
    {[](const char* a) { return LowerAt(a, 1) == 'e'; }, SetEnd},
    {[](const char* a) { return LowerAt(a, 1) == 't'; }, SetInterval},
    {[](const char* a) { return LowerAt(a, 1) == 'd'; }, SetTolerance},
    {[](const char* a) { return LowerAt(a, 1) == 'm' && LowerAt(a, 2) == 's'; }, SetMSJump},
    {[](const char* a) { return LowerAt(a, 1) == 'u'; }, SetPhaseUnit},
    {IsHelpRequest, [](Quintavelmorc& q, const char*) { q.isHelp = true; }},
    // Verbose mode was settled before the loop.
    {[](const char* a) { return LowerAt(a, 1) == 'v'; }, [](Quintavelmorc&, const char*) {}},
};

void ApplyElement(Quintavelmorc& q, const char* arg) {
  if (arg[0] != '-') {
    ProgramWarning(kProgramName, (" - PARAMETHER MANDATORY -> " + std::string(arg)).c_str());
    return;
  }
  for (const Option& option : kOptions) {
    if (!option.matches(arg)) continue;
    option.apply(q, arg);
    return;
  }
  std::string message = "UNKNOWN PARAMETHER: -";
  if (arg[1] != '\0') message += arg[1];
  ProgramWarning(kProgramName, message.c_str());
}

// Any element whose second character is "v" or "V", the program's own name
// (element 0) included: a program started as "/v.../Quintavelmor" runs in
// verbose mode.
short ScanVerbose(int nargc, const char** cargv) {
  for (int i = 0; i < nargc; i++)
    if (LowerAt(cargv[i], 1) == 'v') return 1;
  return 0;
}

bool HelpInsteadOfRun(const Quintavelmorc& q, int nargc) {
  if (nargc <= 1) return true;
  if (q.verbose && nargc <= 2) return true;
  if (q.isHelp && nargc <= 2) return true;
  return q.isHelp && q.verbose && nargc <= 3;
}

void CheckSettings(Quintavelmorc& q) {
  if (q.obsdiffile[0] == '\0') ProgramError(kProgramName, "SINGLE-DIFFERENCE FILE MUST BE SET!");
  if (!FileExists(q.obsdiffile))
    ProgramError(kProgramName, "SINGLE-DIFFERENCE FILE CAN NOT BE OPENED!");
  if (q.isGLNfc && !FileExists(q.gfcfile)) {
    q.isGLNfc = false;
    ProgramWarning(kProgramName, "GLONASS FREQUENCY CHANNEL FILE CAN NOT BE OPENED!");
  }
  if (!q.isG && !q.isR && !q.isE && !q.isC)
    ProgramError(kProgramName, "NO GNSS SATELLITE SYSTEM SET [-c[G|R|E|C]]!");
  if (q.isR && !q.isGLNfc) {
    ProgramWarning(kProgramName,
                   "GLONASS SATELITE SYSTEM SET BUT WITHOUT FREQUENCY CHANNEL FILE (NOT USING "
                   "GLONASS)!");
    q.isR = false;
  }
}

}  // namespace

void Quintavelmorc::GetFiles(int nargc, const char** cargv) {
  verbose = ScanVerbose(nargc, cargv);
  StartProg();
  if (verbose) cerr << kProgramName << "::GetFiles(): parsing input parameters!" << endl;
  for (int i = 1; i < nargc; i++) ApplyElement(*this, cargv[i]);
  if (HelpInsteadOfRun(*this, nargc)) {
    QuintavelmorHelp();
    RunProg = false;
    return;
  }
  CheckSettings(*this);
}
