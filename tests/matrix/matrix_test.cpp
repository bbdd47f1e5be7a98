// Tests of the matrix container: shape, copies, range checks and their frames.
#include "matrix/matrix.h"

#include <gtest/gtest.h>

#include "tests/support/fatal_output.h"

namespace {

const std::string kStars = "************************************************************";

std::string FatalFrame(const std::string& message) {
  return "\n" + kStars + "\nMATRIX::ERROR:\n\n\t" + message + "\n\n" + kStars +
         "\nExiting program...\n\n";
}

TEST(MatrixShape, ConstructorsSetShape) {
  matrix<long> empty;
  EXPECT_EQ(empty.NRow(), 0);
  EXPECT_EQ(empty.NCol(), 0);
  EXPECT_EQ(empty.Length(), 0);
  EXPECT_EQ(empty.v, nullptr);

  matrix<long double> filled(2, 3, 1.5L);
  EXPECT_EQ(filled.NRow(), 2);
  EXPECT_EQ(filled.NCol(), 3);
  EXPECT_EQ(filled.Length(), 6);
  for (long k = 0; k < 6; k++) EXPECT_EQ(filled(k), 1.5L);
}

TEST(MatrixShape, LinearAndTwoIndexAccessShareStorage) {
  matrix<long> m(3, 4);
  for (long k = 0; k < 12; k++) m(k) = k;
  EXPECT_EQ(m(2, 3), 11);
  EXPECT_EQ(m(1, 0), 4);
  m(2, 3) = 99;
  EXPECT_EQ(m(11), 99);
}

TEST(MatrixShape, ResizeKeepsContentsOnlyForTheSameShape) {
  matrix<short> m(3, 4, 7);
  short* before = m.v;
  m.Resize(3, 4);
  EXPECT_EQ(m.v, before);
  EXPECT_EQ(m(5), 7);

  m.Resize(4, 3);
  EXPECT_EQ(m.NRow(), 4);
  EXPECT_EQ(m.NCol(), 3);

  matrix<short> column(5, 1, 3);
  column.Resize(5);
  EXPECT_EQ(column(4), 3);
  column.Resize(5, 1, 0);
  for (long k = 0; k < 5; k++) EXPECT_EQ(column(k), 0);
}

TEST(MatrixCopy, CopiesAreDeepAndIndependent) {
  matrix<short> a(2, 2, 1);
  matrix<short> b(a);
  b(0) = 5;
  EXPECT_EQ(a(0), 1);

  matrix<short> c(1, 7, 2);
  c = a;
  EXPECT_EQ(c.NRow(), 2);
  EXPECT_EQ(c.NCol(), 2);
  EXPECT_EQ(c(0), 1);
  c(1) = 9;
  EXPECT_EQ(a(1), 1);

  c = c;
  EXPECT_EQ(c(1), 9);
}

TEST(MatrixDeathTest, AccessToAMatrixThatIsNotSet) {
  matrix<short> m;
  ChildOutput output = RunExpectingExit([&] { m(0); });
  EXPECT_EQ(output.out, FatalFrame("Operator:   ()\nMatrix is not set:  [    0,    0]"));
  EXPECT_EQ(output.err, "");
}

TEST(MatrixDeathTest, IndexOutOfRangeFramesNameTheIndexAndTheRange) {
  struct Case {
    const char* what;
    long row, col;  // col < 0: linear access with `row`
    const char* message;
  };
  const Case cases[] = {
      {"linear 12 of 10", 12, -1,
       "Operator:   ()\nMatrix index not in range:    12 -> [    0,    9]"},
      {"linear -1", -1, -1, "Operator:   ()\nMatrix index not in range:    -1 -> [    0,    9]"},
  };
  matrix<short> ten(10, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChildOutput output = RunExpectingExit([&] { ten(c.row); });
    EXPECT_EQ(output.out, FatalFrame(c.message));
  }

  matrix<short> m(3, 4);
  EXPECT_EQ(RunExpectingExit([&] { m(12); }).out,
            FatalFrame("Operator:   ()\nMatrix index not in range:    12 -> [    0,   11]"));
  EXPECT_EQ(RunExpectingExit([&] { m(3, 0); }).out,
            FatalFrame("Operator:   ()\nRow index not in range:     3 -> [    0,    2]"));
  EXPECT_EQ(RunExpectingExit([&] { m(0, 4); }).out,
            FatalFrame("Operator:   ()\nColumn index not in range:     4 -> [    0,    3]"));
}

TEST(MatrixDeathTest, NegativeOrOverflowingShapeIsFatal) {
  EXPECT_EQ(RunExpectingExit([] { matrix<short> m(-1, 2); }).out,
            FatalFrame("Operator:   Resize\nMatrix size not valid:  [   -1,    2]"));
  matrix<long double> m;
  const long huge = 1L << 40;
  EXPECT_EQ(
      RunExpectingExit([&] { m.Resize(huge, huge); }).out,
      FatalFrame("Operator:   Resize\nMatrix size not valid:  [1099511627776,1099511627776]"));
}

}  // namespace
