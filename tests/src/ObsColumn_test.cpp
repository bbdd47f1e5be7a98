#include "src/ObsColumn.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "PROGINC/FixedFormat.h"
#include "tests/support/driver_run.h"

namespace {

// The field a listing row gets as text, with the precision it leaves.
std::string FieldText(Quintavelmorc& q, char letter, int obs, long k, int& precision) {
  const ObsColumn column = MakeObsColumn(q, letter, obs);
  char text[kFixedTextRoom];
  int length = 0;
  if (column.kind == ObsColumn::DOPPLER)
    length = NollissiText(text, sizeof text, ColumnDoppler(column, k), 16, precision);
  if (column.kind == ObsColumn::VALUE)
    length = NollissiText(text, sizeof text, ColumnValue(q, column, k), 16, precision);
  return std::string(text, static_cast<size_t>(length));
}

// Every catalogue code of every record of a simulated file, for each system
// letter, after a time field (precision 1) and after a value (precision 3):
// the text rows are built from must be the bytes, and leave the precision,
// of the value classes' stream writers.
TEST(ObsColumnText, SameBytesAsTheStreamWritersForEveryValueOfAFile) {
  DriverRun run;
  const std::string dir = CliDataDir();
  CallGetFiles(run.q, {"-o" + dir + "sim_GRE_30s_30min.sd", "-gf" + dir + "sim_GRE_30s_30min_glonass.txt",
                       "-cGRE", "-lC1:L4:"});
  run.q.SetFile();
  run.q.ReadFile();
  ASSERT_GT(run.data.nobs, 500);
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  gnssobsshortns::PrintType = gnssobsshortns::NOLLISSI;
  gnssobsns::Width = 16;
  gnssobsshortns::Width = 16;
  std::ostringstream stream;
  stream << std::fixed;
  long fields = 0, differences = 0;
  for (long k = 0; k < run.data.nobs; k++)
    for (char letter : {'G', 'R', 'E', 'C'})
      for (int obs = 0; obs <= Quintavelmorc::P2C2; obs++)
        for (int before : {1, 3}) {
          stream.str("");
          stream.precision(before);
          run.q.PrintObs(k, letter, obs, stream);
          int precision = before;
          const std::string text = FieldText(run.q, letter, obs, k, precision);
          fields++;
          if (text == stream.str() && precision == stream.precision()) continue;
          if (++differences <= 5)
            ADD_FAILURE() << "record " << k << " " << letter << " code " << obs << ": \"" << text
                          << "\" instead of \"" << stream.str() << "\"";
        }
  EXPECT_EQ(differences, 0) << "of " << fields << " fields";
  EXPECT_EQ(fields, run.data.nobs * 4L * 45 * 2);
}

}  // namespace
