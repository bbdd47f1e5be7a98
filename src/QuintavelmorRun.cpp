// One run of the program.
#include "src/QuintavelmorRun.h"

#include <iostream>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "PROGINC/OutputCheck.h"
#include "PROGINC/ProgramName.h"
#include "src/Quintavelmorc.h"

int RunQuintavelmor(int nargc, const char** cargv) {
  PhsDiffHeader header;
  PhsDiffData data(header);
  PhsDiff loader(header, data);
  GLNSat channels;
  Quintavelmorc driver(header, data, loader, channels);

  driver.GetFiles(nargc, cargv);
  if (driver.GetRunProg()) {
    driver.SetFile();
    driver.ReadFile();
    driver.PrintSet();
    driver.PrintObs();
  }
  CheckOutput(std::cout, kProgramName, Quintavelmorc::kListingOutput);
  driver.EndProg();
  return 0;
}
