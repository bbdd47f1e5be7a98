// The driver's loading stage: both files are read, and the settings the
// command line left open are taken from the single-difference file.
#include <iomanip>
#include <iostream>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "GNSS/TimeConverse.h"
#include "GNSS/ymdhms.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "catalogue/ObsCatalogue.h"
#include "src/Quintavelmorc.h"

namespace {

using std::cerr;
using std::endl;

std::ostream& ReadMessage(std::ostream& out) { return out << kProgramName << "::ReadFile(): "; }

// Echoes an epoch as a calendar date, in the calendar print settings in force.
void EchoEpoch(const mjd& epoch) {
  ymdhms date = mjd2ymdhms(epoch);
  cerr << date << "!" << endl;
}

// Entries of the command line's list are judged against the header; each is
// echoed with "+" or "-" in every mode.
void CheckListedObservations(Quintavelmorc& q) {
  if (q.verbose) ReadMessage(cerr) << "Checking available observations in file:";
  for (long i = 0; i < q.obslist.Length(); i++) {
    q.CheckObsInRNX(i);
    char label[kMaxObsLabelSize] = "";
    q.GetObs(q.obslist(i), label);
    const bool available = q.IfExistObs(i) == 1;
    if (available) q.nObsReal++;
    cerr << " " << label << "[" << (available ? "+" : "-") << "]";
  }
  cerr << endl;
}

// Without a list the file's own observation types are listed, all available.
// A header group that named no known type holds no catalogue code and is left out.
void TakeObservationsFromFile(Quintavelmorc& q) {
  if (q.verbose)
    ReadMessage(cerr) << "setting OBSERVATION TYPES - all types in SINGLE-DIFFERENCES file:";
  long known = 0;
  for (long i = 0; i < q.rh.nobs; i++)
    if (IsObsType(q.rh.obs(i))) known++;
  q.obslist.Resize(known, 1);
  q.IfExistObs.Resize(known, 1, 1);
  long entry = 0;
  for (long i = 0; i < q.rh.nobs; i++)
    if (IsObsType(q.rh.obs(i))) q.obslist(entry++) = q.rh.obs(i);
  q.nObsReal = static_cast<int>(known);
  if (q.verbose) cerr << std::setw(5) << known << " obs types!" << endl;
}

// Epochs, window and satellites all need at least one epoch in the file.
void RequireEpochs(const Quintavelmorc& q) {
  if (q.rd.GetNEpoch() > 0) return;
  ProgramError(kProgramName, "SINGLE-DIFFERENCE FILE HAS NO EPOCHS!");
}

void TakeWindowFromFile(Quintavelmorc& q) {
  if (!q.isStart) {
    if (q.verbose) ReadMessage(cerr) << "setting START epoch:";
    q.stE = q.rd.GetMJD(0);
    if (q.verbose) EchoEpoch(q.stE);
  }
  if (!q.isEnd) {
    if (q.verbose) ReadMessage(cerr) << "setting END epoch:";
    q.enE = q.rd.GetMJD(q.rd.GetNEpoch() - 1);
    if (q.verbose) EchoEpoch(q.enE);
  }
}

// A window that holds no epoch of the file (an end before the start, or a
// window beside the file's epochs) would list nothing without a word.
void WarnEmptyWindow(const Quintavelmorc& q) {
  for (long e = 0; e < q.rd.GetNEpoch(); e++)
    if (q.InWindow(q.rd.epoch(e))) return;
  ProgramWarning(kProgramName,
                 "NO EPOCH OF THE SINGLE-DIFFERENCE FILE LIES IN THE WINDOW [-s, -e] (NOTHING IS "
                 "LISTED)!");
}

void TakeSatellitesFromFile(Quintavelmorc& q) {
  if (q.verbose)
    ReadMessage(cerr) << "setting SATTELLITES - all satellites in SINGLE-DIFFERENCES file:";
  q.satprn = q.rd.satList;
  if (q.verbose) cerr << std::setw(5) << q.satprn.NRow() << " satellites!" << endl;
}

void AddInputs(const ObsInputs& inputs, PhsDiffData::TypeSet& types) {
  for (short k = 0; k < inputs.count; k++)
    if (IsObsType(inputs.type[k])) types.set(static_cast<size_t>(inputs.type[k]));
}

// The observation types whose values a run with a list reads: the inputs of
// every listed code, for any constellation, and those of the millisecond-jump
// correction.  The values of the other types are not kept.
PhsDiffData::TypeSet TypesTheListReads(const Quintavelmorc& q) {
  PhsDiffData::TypeSet types;
  for (long i = 0; i < q.obslist.Length(); i++) {
    const ObsCatalogueEntry* entry = FindObsEntry(q.obslist(i));
    if (entry == nullptr) continue;
    AddInputs(entry->gpsGlonass, types);
    AddInputs(entry->galileo, types);
  }
  if (q.isMSJump) types |= PhsDiffData::MSJumpTypes();
  return types;
}

}  // namespace

void Quintavelmorc::SetFile() {
  if (!RunProg) return;
  rnx.SetFile(obsdiffile);
  if (verbose) cerr << kProgramName << "::SetFile(): setting OBSERVATION DIFFERENCES file!" << endl;
  if (!isGLNfc) return;
  glnfc.SetFile(gfcfile);
  if (verbose)
    cerr << kProgramName << "::SetFile(): setting GLONASS FREQUENCY CHANNEL file!" << endl;
}

void Quintavelmorc::ReadFile() {
  if (!RunProg) return;
  nObsReal = 0;
  if (verbose) ReadMessage(cerr) << "reading SINGLE-DIFFERENCES file - ";
  // Without a list every type of the file is listed, and so kept.
  if (isObs) rd.KeepTypes(TypesTheListReads(*this));
  rnx.ReadFile();
  if (verbose)
    cerr << rd.GetNEpoch() << " epochs, " << rd.GetNObs() << " C1 observations, " << rh.nobs
         << " obs types" << endl;
  RequireEpochs(*this);
  if (isObs)
    CheckListedObservations(*this);
  else
    TakeObservationsFromFile(*this);
  TakeWindowFromFile(*this);
  WarnEmptyWindow(*this);
  if (!isSat) TakeSatellitesFromFile(*this);
  if (!isGLNfc) return;
  glnfc.ReadFile();
  if (verbose) ReadMessage(cerr) << "reading GLONASS FREQUENCY CHANNEL file" << endl;
}
