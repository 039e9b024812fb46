// The CSV writer's numbers are exactly what "%g" prints, for every kind of
// value a run can report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "engine_harness.h"
#include "results_csv.h"

namespace lumo {
namespace {

TEST(CsvNumbers, AreWhatPrintfGivesWithPercentG) {
  const std::vector<double> values{0.0,
                                   -0.0,
                                   1.0 / 24,
                                   365.375,
                                   123456.5,
                                   1234567.0,
                                   9.999995e-5,
                                   0.000123456789,
                                   3.8962000487641177e-56,
                                   -2.5e300,
                                   std::numeric_limits<double>::denorm_min(),
                                   std::numeric_limits<double>::infinity(),
                                   std::nan("")};
  lumo_test::TempDir dir;
  const std::string path = dir.file("numbers.csv");
  {
    ResultsCsv csv(path.c_str());
    csv.writeRow(1.5, values, {}, 7.25);
  }
  std::string expected = "1.5";
  char text[64];
  for (double v : values) {
    std::snprintf(text, sizeof text, ",%g", v);
    expected += text;
  }
  expected += ",,7.25\r\n";
  EXPECT_EQ(lumo_test::readFile(path), expected);
}

}  // namespace
}  // namespace lumo
