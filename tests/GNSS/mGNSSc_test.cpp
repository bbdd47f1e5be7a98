// Tests of the signal constants (exact held values and their relations to
// the frequencies) and of the GLONASS slot tables.
#include "GNSS/mGNSSc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "tests/support/fatal_output.h"

namespace {

struct Constant {
  const char* name;
  long double held;
  long double extendedLiteral;
  bool doubleOnly;       // carries double precision only
  double doubleLiteral;  // the same digits read as a double
  long double relation;  // the value the constant stands for
};

// Each row names the decimal digits once: as a long double literal and, for
// the values that carry double precision only, as a widened double literal.
#define CONSTANT(name, digits, doubleOnly, relation) \
  { #name, name, digits##L, doubleOnly, digits, relation }

const bool D = true;
const bool X = false;

const Constant kConstants[] = {
    CONSTANT(GPSc::c, 299792458, X, 299792458.0L),
    CONSTANT(GPSc::freq0, 10230000, X, 10230000.0L),
    CONSTANT(GPSc::freq1, 1575420000, X, 154 * 10230000.0L),
    CONSTANT(GPSc::freq2, 1227600000, X, 120 * 10230000.0L),
    CONSTANT(GPSc::freq5, 1176450000, X, 115 * 10230000.0L),
    CONSTANT(GPSc::lamb0, 29.305225610948191672, D, GPSc::c / GPSc::freq0),
    CONSTANT(GPSc::lamb1, 0.19029367279836488099, X, GPSc::c / GPSc::freq1),
    CONSTANT(GPSc::lamb2, 0.24421021342456826394, X, GPSc::c / GPSc::freq2),
    CONSTANT(GPSc::lamb5, 0.25482804879085384063, X, GPSc::c / GPSc::freq5),
    CONSTANT(GPSc::lamWL, 0.86191840032200563735, X, GPSc::c / (GPSc::freq1 - GPSc::freq2)),
    CONSTANT(GPSc::lamNL, 0.106953378142146684935, X, GPSc::c / (GPSc::freq1 + GPSc::freq2)),
    CONSTANT(GPSc::LCion1, 2.5457277801631601477, D, 23716.0L / 9316),
    CONSTANT(GPSc::LCion2, 1.5457277801631601477, D, 14400.0L / 9316),
    CONSTANT(GPSc::LCwl1, 4.5294117647058822484, D, 154.0L / 34),
    CONSTANT(GPSc::LCwl2, 3.5294117647058822484, D, 120.0L / 34),
    CONSTANT(GPSc::LCnl1, 0.56204379562043793594, D, 154.0L / 274),
    CONSTANT(GPSc::LCnl2, 0.43795620437956206406, D, 120.0L / 274),
    CONSTANT(GPSc::alpha, 1.6469444444444447662, D, 23716.0L / 14400),
    CONSTANT(GPSc::f1_f2, 1.283333333333333437, D, 154.0L / 120),

    CONSTANT(GLONASSc::c, 299792458, X, 299792458.0L),
    CONSTANT(GLONASSc::freq0, 178000000, X, 178000000.0L),
    CONSTANT(GLONASSc::freq10, 1602000000, X, 9 * 178000000.0L),
    CONSTANT(GLONASSc::freq20, 1246000000, X, 7 * 178000000.0L),
    CONSTANT(GLONASSc::freq3, 1202025000, X, 1202025000.0L),
    CONSTANT(GLONASSc::dfreq10, 562500, X, 9 * 1e6L / 16),
    CONSTANT(GLONASSc::dfreq20, 437500, X, 7 * 1e6L / 16),
    CONSTANT(GLONASSc::lamb10, 0.18713636579275905118, X, GLONASSc::c / GLONASSc::freq10),
    CONSTANT(GLONASSc::lamb20, 0.24060389887640449438, X, GLONASSc::c / GLONASSc::freq20),
    CONSTANT(GLONASSc::lamb3, 0.24940617541232503483, X, GLONASSc::c / GLONASSc::freq3),
    CONSTANT(GLONASSc::LCion1, 2.53125, X, 81.0L / 32),
    CONSTANT(GLONASSc::LCion2, 1.53125, X, 49.0L / 32),
    CONSTANT(GLONASSc::LCwl1, 4.5, X, 9.0L / 2),
    CONSTANT(GLONASSc::LCwl2, 3.5, X, 7.0L / 2),
    CONSTANT(GLONASSc::LCnl1, 0.5625, X, 9.0L / 16),
    CONSTANT(GLONASSc::LCnl2, 0.4375, X, 7.0L / 16),
    CONSTANT(GLONASSc::alpha, 1.6530612244897959773, D, 81.0L / 49),
    CONSTANT(GLONASSc::f1_f2, 1.2857142857142858094, D, 9.0L / 7),

    CONSTANT(GALILEOc::c, 299792458, X, 299792458.0L),
    CONSTANT(GALILEOc::freq0, 10230000, X, 10230000.0L),
    CONSTANT(GALILEOc::freq1, 1575420000, X, 154 * 10230000.0L),
    CONSTANT(GALILEOc::freq2, 1207140000, X, 118 * 10230000.0L),
    CONSTANT(GALILEOc::freq5, 1176450000, X, 115 * 10230000.0L),
    CONSTANT(GALILEOc::freq8, 1191795000, X, 116.5L * 10230000.0L),
    CONSTANT(GALILEOc::lamb0, 29.305225610948191672, D, GALILEOc::c / GALILEOc::freq0),
    CONSTANT(GALILEOc::lamb1, 0.19029367279836488099, X, GALILEOc::c / GALILEOc::freq1),
    CONSTANT(GALILEOc::lamb2, 0.24834936958430670909, X, GALILEOc::c / GALILEOc::freq2),
    CONSTANT(GALILEOc::lamb5, 0.25482804879085384063, X, GALILEOc::c / GALILEOc::freq5),
    CONSTANT(GALILEOc::lamb8, 0.25154700095234499289, X, GALILEOc::c / GALILEOc::freq8),
    CONSTANT(GALILEOc::lamWL, 0.8140340447485608797, X,
             GALILEOc::c / (GALILEOc::freq1 - GALILEOc::freq2)),
    CONSTANT(GALILEOc::lamNL, 0.107739800040250704675, X,
             GALILEOc::c / (GALILEOc::freq1 + GALILEOc::freq2)),
    CONSTANT(GALILEOc::LCion1, 2.421977124183006147, D, 23716.0L / 9792),
    CONSTANT(GALILEOc::LCion2, 1.4219771241830065911, D, 13924.0L / 9792),
    CONSTANT(GALILEOc::LCwl1, 4.277777777777777679, D, 154.0L / 36),
    CONSTANT(GALILEOc::LCwl2, 3.277777777777777679, D, 118.0L / 36),
    CONSTANT(GALILEOc::LCnl1, 0.56617647058823528106, D, 154.0L / 272),
    CONSTANT(GALILEOc::LCnl2, 0.43382352941176471894, D, 118.0L / 272),
    CONSTANT(GALILEOc::alpha, 1.7032461936225224974, D, 23716.0L / 13924),
    CONSTANT(GALILEOc::f1_f2, 1.3050847457627119397, D, 154.0L / 118),
};

#undef CONSTANT

TEST(SignalConstants, HoldExactlyTheirDecimalValues) {
  for (const Constant& k : kConstants) {
    SCOPED_TRACE(k.name);
    EXPECT_EQ(k.held, k.extendedLiteral);
    const bool isDouble = static_cast<long double>(static_cast<double>(k.held)) == k.held;
    if (k.doubleOnly) {
      EXPECT_EQ(k.held, static_cast<long double>(k.doubleLiteral));
      EXPECT_TRUE(isDouble);
    }
  }
}

TEST(SignalConstants, MeetTheirRelationsToTheFrequencies) {
  for (const Constant& k : kConstants) {
    const long double tolerance = k.doubleOnly ? 2e-16L : 3e-18L;
    EXPECT_LE(std::fabs(k.held - k.relation), tolerance * std::fabs(k.relation)) << k.name;
  }
}

// The 15 significant digits of a value, for comparison with printed figures.
std::string Digits15(long double value) {
  char text[40];
  std::snprintf(text, sizeof(text), "%.14Le", value);
  return text;
}

struct ChannelCase {
  short row;
  long double channel;
  long double freq1, freq2;
  long double lamb1, lamb2;
  long double lambWL, lambNL;  // 0: not checked
  long double alpha1, alpha2;  // 0: not checked
};

TEST(GlonassSlotTables, SetFrequencyFillsTheSlotRow) {
  const ChannelCase cases[] = {
      {0, 0, 1602000000, 1246000000, 0.187136365792759L, 0.240603898876404L, 0, 0, 0, 0},
      {4, -7, 1598062500, 1242937500, 0.187597455043216L, 0.241196727912707L, 0.844188547694474L,
       0.105523568461809L, 0.971863312755986L, 1.60654955782112L},
      {31, 6, 1605375000, 1248625000, 0.186742946663552L, 0.240098074281710L, 0, 0, 0, 0},
  };
  for (const ChannelCase& c : cases) {
    SCOPED_TRACE(c.row);
    GLONASSc::SetFrequency(c.channel, c.row);
    EXPECT_EQ(GLONASSc::freq(c.row, 0), c.freq1);
    EXPECT_EQ(GLONASSc::freq(c.row, 1), c.freq2);
    EXPECT_EQ(Digits15(GLONASSc::lamb(c.row, 0)), Digits15(c.lamb1));
    EXPECT_EQ(Digits15(GLONASSc::lamb(c.row, 1)), Digits15(c.lamb2));
    if (c.lambWL != 0) {
      EXPECT_EQ(Digits15(GLONASSc::lambWL(c.row, 0)), Digits15(c.lambWL));
      EXPECT_EQ(Digits15(GLONASSc::lambNL(c.row, 0)), Digits15(c.lambNL));
      EXPECT_EQ(Digits15(GLONASSc::alphaG(c.row, 0)), Digits15(c.alpha1));
      EXPECT_EQ(Digits15(GLONASSc::alphaG(c.row, 1)), Digits15(c.alpha2));
    }
  }
}

TEST(GlonassSlotTables, ARowNeverSetHoldsZero) {
  EXPECT_EQ(GLONASSc::lamb(20, 0), 0);
  EXPECT_EQ(GLONASSc::lamb(20, 1), 0);
  EXPECT_EQ(GLONASSc::freq.NRow(), 32);
  EXPECT_EQ(GLONASSc::lambWL.NCol(), 1);
}

std::string RowRangeFrame(long row) {
  char index[8];
  std::snprintf(index, sizeof(index), "%5ld", row);
  const std::string stars(60, '*');
  return "\n" + stars + "\nMATRIX::ERROR:\n\n\tOperator:   ()\nRow index not in range: " + index +
         " -> [    0,   31]\n\n" + stars + "\nExiting program...\n\n";
}

TEST(GlonassSlotTablesDeathTest, SlotOutsideOneToThirtyTwoEndsTheProgram) {
  for (short row : {static_cast<short>(-1), static_cast<short>(32)}) {
    SCOPED_TRACE(row);
    const ChildOutput output = RunExpectingExit([row] { GLONASSc::SetFrequency(0, row); });
    EXPECT_EQ(output.out, RowRangeFrame(row));
    EXPECT_EQ(output.err, "");
  }
}

}  // namespace
