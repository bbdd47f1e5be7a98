// Tests of the matrix library's error and warning frames.
#include "matrix/MError.h"

#include <gtest/gtest.h>

#include "tests/support/fatal_output.h"

namespace {

const std::string kStars = "************************************************************";
const std::string kErrorHead = "\n" + kStars + "\nMATRIX::ERROR:\n\n\t";
const std::string kWarningHead = "\n" + kStars + "\nMATRIX::WARNING:\n\n\t";
const std::string kFatalEnd = kStars + "\nExiting program...\n\n";

TEST(MErrorDeathTest, FatalTailsShowTheirNumbersInWidthFive) {
  struct Case {
    const char* what;
    void (*report)();
    std::string tail;
  };
  const Case cases[] = {
      {"index", [] { Error("msg: ", 12, 9); }, "msg:    12 -> [    0,    9]\n\n"},
      {"two shapes", [] { Error("msg:", 1, 2, 3, 4); }, "msg:  [    1,    2] -> [    3,    4]\n\n"},
      {"not set", [] { invError("msg:", 0L, 0L); }, "msg: [    0,    0]\n\n"},
      {"count", [] { UError("msg:", 7); }, "msg: [    7]\n\n"},
      {"subnormal", [] { subnormError("msg:", 123456, 2, 3); },
       "msg: [    2,    3] -> n = 123456\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChildOutput output = RunExpectingExit(c.report);
    EXPECT_EQ(output.out, kErrorHead + c.tail + kFatalEnd);
    EXPECT_EQ(output.err, "");
  }
}

TEST(MErrorDeathTest, QrgivErrorHasNoTailButAnEmptyLine) {
  ChildOutput output = RunExpectingExit([] { qrgivError("no rotation"); });
  EXPECT_EQ(output.out, kErrorHead + "no rotation\n\n" + kFatalEnd);
}

TEST(MErrorDeathTest, ConditionFramesUseTheStreamsCurrentFloatFormat) {
  ChildOutput output = RunExpectingExit([] { invError("cond:", 2.5L, 3); });
  EXPECT_EQ(output.out, kErrorHead + "cond:       2.5 10**-15     3\n\n" + kFatalEnd);
}

TEST(MErrorDeathTest, WarningsReturn) {
  ChildOutput output = RunExpectingExit([] {
    invWarning("cond:", 2.5L, 3);
    std::cout << "|";
    normWarning("norm");
    std::cout << "|";
    std::exit(1);
  });
  EXPECT_EQ(output.out, kWarningHead + "cond:       2.5 10**-15     3\n\n" + kStars + "\n|" +
                            kWarningHead + "norm\n\n" + kStars + "\nContinuing program...\n\n|");
}

}  // namespace
