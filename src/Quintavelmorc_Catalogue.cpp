// The driver's view of the observation catalogue: list names to codes, codes
// to labels, and whether the loaded file can supply an entry of its list.
#include <cstdio>
#include <string>

#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "catalogue/ObsCatalogue.h"
#include "src/Quintavelmorc.h"

void Quintavelmorc::ParseObs(char* tmp, int ilist) {
  const int code = FindObsCode(tmp);
  if (code < 0) {
    const std::string message = std::string(tmp) + " - OBSERVATION IN OBSERVATION LIST INCORRECT!";
    ProgramError(kProgramName, message.c_str());
  }
  obslist(ilist) = static_cast<short>(code);
}

void Quintavelmorc::GetObs(int i, char* tmp) {
  const ObsCatalogueEntry* entry = FindObsEntry(i);
  if (entry == nullptr) return;
  std::snprintf(tmp, kMaxObsLabelSize, "%s", entry->label);
}

void Quintavelmorc::CheckObsInRNX(int ilist) {
  if (IsObsAvailable(obslist(ilist), rh, isG || isR, isE)) IfExistObs(ilist) = 1;
}
