// Indoor sinks against exact solutions: a first-order sink removes like an
// outflow; a Langmuir sink in a closed zone conserves V × C + L and settles
// at L = (ka / kd) × C.
#include <gtest/gtest.h>

#include <cmath>

#include "engine_harness.h"

namespace lumo_test {
namespace {

struct Csv {
  std::vector<std::vector<std::string>> lines;  // as written, header first
  std::vector<std::vector<double>> rows;        // data rows at their exact times
};

Csv runCsv(Scenario &s) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");
  runToEnd(s, csv.c_str());
  return {readCsv(csv), reportRows(s, csv)};
}

TEST(Sinks, FirstOrderSinkRemovesLikeAnOutflowAndInertSinksDoNothing) {
  Scenario s;  // closed 50 m³ zone
  s.zone1C = 3;
  s.firstOrderSinks = {{1, 1, 100}, {1, 1, 0}};  // k = 100 / 50 = 2/day; an idle one
  s.langmuirSinks = {{2, 2, 1, 1, 10, 7},        // in zone 2, which this run lacks
                     {2, 1, 0, 0, 10, 4}};       // no uptake, no release
  const auto [lines, rows] = runCsv(s);
  ASSERT_EQ(lines[0][3], "Sink 0 mass (mg)");
  ASSERT_EQ(lines[0][6], "Sink 3 mass (mg)");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    expectPrinted(rows[i - 1][2], 3 * std::exp(-2 * rows[i - 1][0]));
    EXPECT_EQ(lines[i][3], "0");
    EXPECT_EQ(lines[i][4], "0");
    EXPECT_EQ(lines[i][5], "7");
    EXPECT_EQ(lines[i][6], "4");
  }
}

TEST(Sinks, LangmuirSinkConservesMassAndSettles) {
  // Closed 50 m³ zone, ka = 25 m/day, kd = 1/day, A = 2 m². With the total
  // M = V C + L fixed, C relaxes at λ = A (ka / V + kd) = 3/day towards
  // C∞ = M / (V + ka / kd), where L∞ = (ka / kd) C∞.
  struct Start {
    float C, L;
  };
  for (Start start : {Start{2, 0}, Start{0, 100}, Start{0, 0}}) {
    Scenario s;
    s.zone1C = start.C;
    s.langmuirSinks = {{2, 1, 25, 1, 2, start.L}};
    s.end = 6;
    s.reportInterval = 0.25f;
    const double M = 50 * start.C + start.L;
    const double cInf = M / (50 + 25);
    const auto rows = runCsv(s).rows;
    for (const auto &row : rows) {
      expectPrinted(row[2], cInf + (start.C - cInf) * std::exp(-3 * row[0]));
      expectPrinted(50 * row[2] + row[3], M);
    }
    const auto &last = rows.back();
    expectPrinted(last[3], 25 * last[2]);
  }
}

}  // namespace
}  // namespace lumo_test
