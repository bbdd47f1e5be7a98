// The driver's construction and its opening and closing banners.
#include "src/Quintavelmorc.h"

#include <iostream>

#include "PROGINC/ProgramName.h"

Quintavelmorc::Quintavelmorc(PhsDiffHeader& header, PhsDiffData& data, PhsDiff& loader,
                             GLNSat& channels)
    : rh(header),
      rd(data),
      rnx(loader),
      glnfc(channels),
      obsdiffile{},
      observations{},
      gfcfile{},
      verbose(0),
      isStart(false),
      isEnd(false),
      isSat(false),
      isObs(false),
      isDt(false),
      isGLNfc(false),
      isHelp(false),
      RunProg(true),
      isMSJump(false),
      isG(false),
      isR(false),
      isE(false),
      isC(false),
      dt(0),
      EpochRound(0.001),
      nMSJumps(0),
      isUnit(false),
      PhUnit(CYCLE),
      nObsReal(0) {}

void Quintavelmorc::StartProg() {
  if (!verbose) return;
  std::cerr << std::endl;
  std::cerr << kProgramName
            << ": ***** PRINTING OF GNSS OBSERVATIONS AND LINEAR COMBINATIONS FROM "
               "SINGLE-DIFFERENCE FILE *****"
            << std::endl;
}

void Quintavelmorc::EndProg() {
  if (!verbose) return;
  std::cerr << kProgramName << ": ***** SUCCESFULLY ENDING PROGRAM *****!" << std::endl
            << std::endl
            << std::endl;
}
