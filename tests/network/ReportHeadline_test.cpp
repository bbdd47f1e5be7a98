// The network summary's figures from report summary files of the layout the
// report writes: systems summed, multipath RMS weighted by rows, clock
// events counted, null values left empty.
#include "network/ReportHeadline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct HeadlineCase {
  const char* what;
  const char* json;
  ReportHeadline expected;
};

const HeadlineCase kCases[] = {
    {"two systems and two clock events",
     "{\n  \"file\": \"x.sd\",\n  \"context\": {\"epochs_expected\": 120, \"epochs_present\": 90, "
     "\"baseline_m\": 1.0},\n  \"clock_events\": [\n    {\"epoch\": \"e\", \"metres\": 299792.458, "
     "\"milliseconds\": 1.000000, \"satellites\": 9},\n    {\"epoch\": \"f\", \"metres\": 1.0, "
     "\"milliseconds\": 0.000003, \"satellites\": 8}\n  ],\n  \"systems\": [\n"
     "    {\"system\": \"G\", \"satellites\": 9, \"rows\": 300, \"slips\": 2, \"outliers\": 0, "
     "\"mp1_rms_m\": 0.3000, \"mp2_rms_m\": 0.4000},\n"
     "    {\"system\": \"R\", \"satellites\": 6, \"rows\": 100, \"slips\": 1, \"outliers\": 1, "
     "\"mp1_rms_m\": 0.7000, \"mp2_rms_m\": null}\n  ],\n  \"satellites\": [\n"
     "    {\"satellite\": \"G01\", \"rows\": 5, \"slips\": 7, \"clock_events\": 0, "
     "\"mp1_rms_m\": 9.0}\n  ]\n}\n",
     {"90", "75.0", "15", "3", "2", "0.4359", "0.4000"}},
    {"no stations, no clock events, no multipath",
     "{\n  \"context\": {\"epochs_expected\": null, \"epochs_present\": null},\n"
     "  \"clock_events\": [],\n  \"systems\": [\n    {\"system\": \"E\", \"satellites\": 4, "
     "\"rows\": 40, \"slips\": 0, \"outliers\": 0, \"mp1_rms_m\": null, \"mp2_rms_m\": null}\n"
     "  ],\n  \"satellites\": []\n}\n",
     {"", "", "4", "0", "0", "", ""}},
    {"no file", nullptr, {"", "", "", "", "", "", ""}},
};

TEST(ReportHeadline, SumsTheReportSummaryForTheNetworkRow) {
  const std::string path = ::testing::TempDir() + "/headline_summary.json";
  for (const HeadlineCase& c : kCases) {
    SCOPED_TRACE(c.what);
    std::remove(path.c_str());
    if (c.json != nullptr) std::ofstream(path) << c.json;
    const ReportHeadline h = ReadReportHeadline(path);
    EXPECT_EQ(h.epochs, c.expected.epochs);
    EXPECT_EQ(h.completeness, c.expected.completeness);
    EXPECT_EQ(h.satellites, c.expected.satellites);
    EXPECT_EQ(h.slips, c.expected.slips);
    EXPECT_EQ(h.clockEvents, c.expected.clockEvents);
    EXPECT_EQ(h.mp1Rms, c.expected.mp1Rms);
    EXPECT_EQ(h.mp2Rms, c.expected.mp2Rms);
  }
}

}  // namespace
