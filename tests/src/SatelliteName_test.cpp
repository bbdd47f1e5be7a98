// Tests of the number within the system in a satellite's name.
#include "src/SatelliteName.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(SatelliteName, NumberInTwoDigitsLeavesBlankFill) {
  std::ostringstream out;
  WriteSatNumber(out, 7);
  out.width(4);
  out << 1;
  WriteSatNumber(out, 23);
  EXPECT_EQ(out.str(), "07   123");
}

}  // namespace
