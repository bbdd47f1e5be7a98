// Tests of the north/east/up triples neu and neut: arithmetic and the exact
// bytes of their stream forms.
#include "GNSS/neu.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "GNSS/neut.h"
#include "tests/support/stream_text.h"

namespace {

class Switches : public ::testing::Test {
 protected:
  void TearDown() override {
    neuns::Unit = neuns::M;
    neuns::PrintType = neuns::NORINEX;
    neutns::UnitT = neutns::S;
  }
};

TEST(NeuArithmetic, ComponentWise) {
  const neu a(1, 2, 3), b(4, 5, 6);
  EXPECT_EQ(a + b, neu(5, 7, 9));
  EXPECT_EQ(b - a, neu(3, 3, 3));
  EXPECT_EQ(a * 2.0L, neu(2, 4, 6));
  EXPECT_EQ(2.0L * a, a * 2.0L);
  EXPECT_EQ(ElementP(a, b), neu(4, 10, 18));
  EXPECT_EQ(sqrt(neu(4, 9, 16)), neu(2, 3, 4));
  EXPECT_EQ(neu(2, 4, 6) /= 2, a);
  EXPECT_EQ(neu(3, 4, 12).GetLength(), 13);
  EXPECT_TRUE(a == neu(1 + 1e-15L, 2, 3));
  EXPECT_TRUE(a != neu(1, 2 + 2e-14L, 3));
}

TEST(NeutArithmetic, AllFourComponents) {
  EXPECT_EQ(neut().dt, 0);
  const neut a(1, 2, 3, 4);
  EXPECT_EQ(a + neut(1, 1, 1, 1), neut(2, 3, 4, 5));
  EXPECT_EQ(a - neut(1, 1, 1, 1), neut(0, 1, 2, 3));
  EXPECT_FALSE(a == neut(1, 2, 3, 4 + 2e-14L));
  EXPECT_TRUE(a == neut(1, 2, 3, 4 + 1e-15L));
}

struct NeuWriteCase {
  unsigned short printType;
  unsigned short unit;
  const char* text;
};

TEST_F(Switches, NeuWrittenInEitherLayout) {
  const neu offset(0.1L, 0.2L, 1.5L);
  const std::vector<NeuWriteCase> cases = {
      {neuns::RINEX, neuns::M, "        1.5000        0.2000        0.1000"},
      {neuns::RINEX, neuns::MM, "        1.5000        0.2000        0.1000"},  // no unit in RINEX
      {neuns::NORINEX, neuns::M, "      0.1000      0.2000    1.5000"},
      {neuns::NORINEX, neuns::MM, "    100.0000    200.0000 1500.0000"},
      {neuns::NORINEX, neuns::CM, "     10.0000     20.0000  150.0000"},
      {neuns::NORINEX, 10, "      0.0100      0.0200    0.1500"},
  };
  for (const NeuWriteCase& c : cases) {
    neuns::PrintType = c.printType;
    neuns::Unit = c.unit;
    EXPECT_EQ(Written(offset), c.text) << c.printType << " " << c.unit;
  }
}

TEST_F(Switches, NeuReadWithItsUnit) {
  neu a;
  neuns::Unit = neuns::MM;
  std::istringstream("100 200 1500") >> a;
  EXPECT_EQ(a, neu(0.1L, 0.2L, 1.5L));
  neuns::Unit = 10;
  std::istringstream("1 2 3") >> a;
  EXPECT_EQ(a, neu(10, 20, 30));
}

TEST_F(Switches, NeutWrittenAndRead) {
  const neut a(0.1L, 0.2L, 1.5L, 0.000125L);
  EXPECT_EQ(Written(a), "      0.1000      0.2000    1.5000  0.000125");
  neutns::UnitT = neutns::MS;
  EXPECT_EQ(Written(a), "      0.1000      0.2000    1.5000  0.125000");
  neut b;
  std::istringstream("1 2 3 4") >> b;
  EXPECT_EQ(b, neut(1, 2, 3, 4));
}

}  // namespace
