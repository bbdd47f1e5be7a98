// Tests of sort and UniqList on satellite-style lists.
#include "matrix/sort.h"

#include <gtest/gtest.h>

#include <vector>

#include "matrix/UniqList.h"
#include "tests/support/fatal_output.h"

namespace {

matrix<short> Column(const std::vector<short>& values) {
  matrix<short> m(static_cast<long>(values.size()), 1);
  for (size_t k = 0; k < values.size(); k++) m(static_cast<long>(k)) = values[k];
  return m;
}

std::vector<short> Values(const matrix<short>& m) {
  std::vector<short> values;
  for (long k = 0; k < m.Length(); k++) values.push_back(m(k));
  return values;
}

TEST(MatrixSort, SortsACopyAscendingAndLeavesTheArgument) {
  matrix<short> m = Column({205, 3, 112, 3, 1});
  matrix<short> sorted = sort(m);
  EXPECT_EQ(Values(sorted), (std::vector<short>{1, 3, 3, 112, 205}));
  EXPECT_EQ(Values(m), (std::vector<short>{205, 3, 112, 3, 1}));
}

TEST(MatrixSort, DescendingWhenTheSwitchSaysSo) {
  matrix<short> m = Column({2, 9, 4});
  sortns::sort = sortns::DISC;
  matrix<short> sorted = sort(m);
  sortns::sort = sortns::ASC;
  EXPECT_EQ(Values(sorted), (std::vector<short>{9, 4, 2}));
}

TEST(MatrixSort, AOneRowMatrixIsReturnedUnchanged) {
  matrix<short> row(1, 5);
  const short values[] = {5, 4, 3, 2, 1};
  for (long k = 0; k < 5; k++) row(k) = values[k];
  EXPECT_EQ(Values(sort(row)), (std::vector<short>{5, 4, 3, 2, 1}));
}

TEST(MatrixUniqList, KeepsEachValueOnceInAscendingOrder) {
  struct Case {
    std::vector<short> input, expected;
  };
  const Case cases[] = {
      {{12, 5, 12, 7, 5}, {5, 7, 12}},
      {{4}, {4}},
      {{3, 3, 3}, {3}},
      {{201, 2, 105, 2, 201, 1}, {1, 2, 105, 201}},
  };
  for (const Case& c : cases) {
    matrix<short> m = Column(c.input);
    matrix<short> unique = UniqList(m);
    EXPECT_EQ(unique.NCol(), 1);
    EXPECT_EQ(Values(unique), c.expected);
  }
}

TEST(MatrixUniqListDeathTest, AnEmptyListIsAMatrixNotSetError) {
  matrix<short> empty;
  ChildOutput output = RunExpectingExit([&] { UniqList(empty); });
  EXPECT_NE(output.out.find("Matrix is not set:  [    0,    0]"), std::string::npos);
}

}  // namespace
