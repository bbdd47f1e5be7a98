#include "PROGINC/StreamField.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace {

struct Case {
  const char* text;
  bool read;
  unsigned short value;
  const char* rest;  // what a reader finds after the field, when read
};

TEST(StreamField, NumbersBeyondTheTypeCountAsReadAtItsLimit) {
  const Case cases[] = {
      {"  42 7", true, 42, " 7"},      {"70000 5", true, 65535, " 5"},
      {"-70000 5", true, 65535, " 5"}, {"99999999999999999999999", true, 65535, ""},
      {"abc", false, 0, nullptr},      {"", false, 0, nullptr},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    unsigned short value = 9;
    EXPECT_EQ(ReadStreamField(in, value), c.read) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    if (!c.read) continue;
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, c.rest) << c.text;
  }
  std::istringstream reals("1e5000 -1e5000 1e-5000 nan");
  long double real = 0;
  ASSERT_TRUE(ReadStreamField(reals, real));
  EXPECT_EQ(real, std::numeric_limits<long double>::max());
  ASSERT_TRUE(ReadStreamField(reals, real));
  EXPECT_EQ(real, std::numeric_limits<long double>::lowest());
  ASSERT_TRUE(ReadStreamField(reals, real));
  EXPECT_EQ(real, 0.0L);
  EXPECT_FALSE(ReadStreamField(reals, real));
}

}  // namespace
