// The number formats of the report: [w:d] fields, three-digit exponents,
// rounding of exact halves, and the ppm conversion.
#include <gtest/gtest.h>

#include <cmath>

#include "report_format.h"

namespace lumo::report {
namespace {

TEST(ReportFormat, FixedPadsRoundsAndDropsThePointForNoDecimals) {
  EXPECT_EQ(Fixed(7, 3, 0), "  7");
  EXPECT_EQ(Fixed(15583.0, 10, 0), "     15583");
  EXPECT_EQ(Fixed(0.45, 4, 2), "0.45");
  EXPECT_EQ(Fixed(3451.63, 12, 2), "     3451.63");
  EXPECT_EQ(Fixed(0.01, 10, 6), "  0.010000");
  // A value wider than the field is not cut.
  EXPECT_EQ(Fixed(123456.789, 3, 1), "123456.8");
  EXPECT_EQ(Fixed(-1.35, 6, 1), "  -1.4");
  EXPECT_EQ(Fixed(1.5, 4, 1, QStringLiteral(",")), " 1,5");
}

TEST(ReportFormat, ExactHalvesGoToTheEvenNeighbourButNearHalvesDoNot) {
  EXPECT_EQ(Fixed(2.5, 1, 0), "2");
  EXPECT_EQ(Fixed(3.5, 1, 0), "4");
  EXPECT_EQ(Fixed(0.5, 1, 0), "0");
  EXPECT_EQ(Fixed(-2.5, 1, 0), "-2");
  EXPECT_EQ(Fixed(0.125, 4, 2), "0.12");
  EXPECT_EQ(Fixed(12.25, 3, 1), "12.2");
  // 2.675 is stored as 2.67499999..., so it is not a half.
  EXPECT_EQ(Fixed(2.675, 4, 2), "2.67");
  EXPECT_EQ(Sci3(1.125), "1.12E+000");
}

TEST(ReportFormat, Sci3HasThreeSignificantDigitsAndAtLeastThreeExponentDigits) {
  EXPECT_EQ(Sci3(0.0025), "2.50E-003");
  EXPECT_EQ(Sci3(123456), "1.23E+005");
  EXPECT_EQ(Sci3(0), "0.00E+000");
  EXPECT_EQ(Sci3(-1.5e-7), "-1.50E-007");
  EXPECT_EQ(Sci3(9.996), "1.00E+001");
  EXPECT_EQ(Sci3(1e-120), "1.00E-120");
  EXPECT_EQ(Sci3(2.5e300), "2.50E+300");
  EXPECT_EQ(Sci3(0.5, QStringLiteral(",")), "5,00E-001");
  EXPECT_EQ(Sci3(HUGE_VAL), "INF");
}

TEST(ReportFormat, PpmUses24453) {
  EXPECT_NEAR(PpmOf(0.5, 100), 0.122265, 1e-12);
  EXPECT_EQ(Sci3(PpmOf(0.5, 100)), "1.22E-001");
  EXPECT_TRUE(std::isinf(PpmOf(1, 0)));
}

}  // namespace
}  // namespace lumo::report
