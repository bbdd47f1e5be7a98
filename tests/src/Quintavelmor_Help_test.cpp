// Tests of the help text's framing and its two non-ASCII bytes; the end-to-end
// help cases compare the whole text byte for byte.
#include "src/Quintavelmor_Help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/stream_capture.h"

namespace {

std::string HelpText() {
  StreamCapture err(std::cerr);
  QuintavelmorHelp();
  return err.str();
}

TEST(QuintavelmorHelp, IsFramedByAnEmptyLineAndTwoMoreLineEnds) {
  const std::string text = HelpText();
  ASSERT_GE(text.size(), 4u);
  EXPECT_EQ(text.substr(0, 2), "\n=");
  EXPECT_EQ(text.substr(text.size() - 4), ".\n\n\n");
}

TEST(QuintavelmorHelp, CarriesTheTwoWindows1250BytesAndNoOtherNonAscii) {
  const std::string text = HelpText();
  EXPECT_NE(text.find("pripadajo\xE8ih linearnih"), std::string::npos);
  EXPECT_NE(text.find("frekven\xE8nimi kanali"), std::string::npos);
  const long nonAscii = std::count_if(text.begin(), text.end(),
                                      [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
  EXPECT_EQ(nonAscii, 2);
}

TEST(QuintavelmorHelp, UnitLineKeepsItsTrailingBlank) {
  EXPECT_NE(HelpText().find("enojnih razlik: \n                -uC"), std::string::npos);
}

}  // namespace
