// Program entry: builds the run's objects and runs the driver's fixed sequence.
#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "src/Quintavelmorc.h"

int main(int argc, char** argv) {
  PhsDiffHeader header;
  PhsDiffData data(header);
  PhsDiff loader(header, data);
  GLNSat channels;
  Quintavelmorc driver(header, data, loader, channels);

  driver.GetFiles(argc, const_cast<const char**>(argv));
  if (driver.GetRunProg()) {
    driver.SetFile();
    driver.ReadFile();
    driver.PrintSet();
    driver.PrintObs();
  }
  driver.EndProg();
  return 0;
}
