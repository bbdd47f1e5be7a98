// Tests of the program and class error frames: exact bytes, stream and status.
#include "PROGINC/ProgramError.h"

#include <gtest/gtest.h>

#include "tests/support/fatal_output.h"

namespace {

TEST(ProgramErrorDeathTest, FatalFramesGoToTheirStreamAndExitWithOne) {
  const std::string frame =
      "\n**** Quintavelmor: Error -> SINGLE-DIFFERENCE FILE MUST BE SET! ****\n"
      "     Exiting Quintavelmor ... \n\n";

  ChildOutput toError =
      RunExpectingExit([] { ProgramError("Quintavelmor", "SINGLE-DIFFERENCE FILE MUST BE SET!"); });
  EXPECT_EQ(toError.err, frame);
  EXPECT_EQ(toError.out, "");

  ChildOutput toOutput = RunExpectingExit(
      [] { ProgramErrorCout("Quintavelmor", "SINGLE-DIFFERENCE FILE MUST BE SET!"); });
  EXPECT_EQ(toOutput.out, frame);
  EXPECT_EQ(toOutput.err, "");
}

TEST(ProgramErrorDeathTest, WarningsReturnAndTheCallerContinues) {
  const std::string frame =
      "\n#### Quintavelmor: Warning -> CHECK THIS ####\n     Continuing Quintavelmor ... \n\n";
  ChildOutput output = RunExpectingExit([] {
    ProgramWarning("Quintavelmor", "CHECK THIS");
    std::cerr << "after";
    ProgramWarningCout("Quintavelmor", "CHECK THIS");
    std::cout << "after";
    std::exit(1);
  });
  EXPECT_EQ(output.err, frame + "after");
  EXPECT_EQ(output.out, frame + "after");
}

TEST(ProgramErrorDeathTest, ClassFrameHasNoClosingEmptyLine) {
  ChildOutput output = RunExpectingExit([] { ClassError("mjd", "SECONDS OUT OF RANGE"); });
  EXPECT_EQ(output.out,
            "\n**** mjd: Error -> SECONDS OUT OF RANGE ****\n     Exiting class mjd ... \n");
  EXPECT_EQ(output.err, "");
}

}  // namespace
