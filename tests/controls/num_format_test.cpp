// The pure text functions behind the numeric fields: display masks,
// rounding, the editing cycle's conversions, number syntax and printf-style
// formats.
#include "num_format.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>

#include "number_syntax.h"

using namespace lumo::controls;

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);

QString Show(double v, const QString &mask, int decimals, bool rounding) {
  return FormatWithMask(RoundToDecimals(v, decimals, rounding), mask, kUs);
}

}  // namespace

TEST(DisplayMask, RoundsHalvesToEvenOrTruncates) {
  EXPECT_EQ(Show(3.5, "#,##0", 0, true), "4");
  EXPECT_EQ(Show(3.5, "#,##0", 0, false), "3");
  EXPECT_EQ(Show(2.5, "#,##0", 0, true), "2");
  EXPECT_EQ(Show(2.5, "#,##0", 0, false), "2");
  EXPECT_EQ(Show(-2.5, "#,##0", 0, true), "-2");
  EXPECT_EQ(Show(0.125, "0.00", 2, true), "0.12");
  EXPECT_EQ(Show(0.375, "0.00", 2, true), "0.38");
}

TEST(DisplayMask, RoundsToTensAndKeepsValuesItCannotScale) {
  EXPECT_EQ(RoundToDecimals(1250.0, -2, true), 1200.0);
  EXPECT_EQ(RoundToDecimals(1299.0, -2, false), 1200.0);
  EXPECT_EQ(RoundToDecimals(1.0e300, 20, true), 1.0e300);
  // A step of 10^400 is beyond every double: the nearest multiple is zero,
  // never NaN.
  EXPECT_EQ(RoundToDecimals(1234.5, -400, true), 0.0);
  EXPECT_EQ(RoundToDecimals(-1234.5, -692014262, false), 0.0);
  EXPECT_TRUE(std::signbit(RoundToDecimals(-1234.5, -400, true)));
}

TEST(DisplayMask, GroupsDigitsAndLimitsDecimals) {
  EXPECT_EQ(FormatWithMask(1234.56, "#,##0.0", kUs), "1,234.6");
  EXPECT_EQ(FormatWithMask(1234567.0, "#,##0", kUs), "1,234,567");
  EXPECT_EQ(FormatWithMask(123.0, "#,##0", kUs), "123");
  EXPECT_EQ(FormatWithMask(0.5, "0.0###", kUs), "0.5");
  EXPECT_EQ(FormatWithMask(0.123456, "0.0###", kUs), "0.1235");
  EXPECT_EQ(FormatWithMask(2, "0.0#####", kUs), "2.0");
  EXPECT_EQ(FormatWithMask(0.5, "#.##", kUs), ".5");
  EXPECT_EQ(FormatWithMask(1234.5, "#,##0.00", kDe), "1.234,50");
}

TEST(DisplayMask, ThreeSectionsAndFallbacks) {
  const QString masks = "#,##0.0;(#,##0.0);zero";
  EXPECT_EQ(FormatWithMask(1500, masks, kUs), "1,500.0");
  EXPECT_EQ(FormatWithMask(-1500, masks, kUs), "(1,500.0)");
  EXPECT_EQ(FormatWithMask(0, masks, kUs), "zero");
  EXPECT_EQ(FormatWithMask(-1500, "#,##0.0;;", kUs), "-1,500.0");
  EXPECT_EQ(FormatWithMask(0, "#,##0.0;;", kUs), "0.0");
  // A negative value that shows as zero carries no sign.
  EXPECT_EQ(FormatWithMask(-0.01, "#,##0", kUs), "0");
  EXPECT_EQ(FormatWithMask(12, "0 ft", kUs), "12 ft");
}

TEST(DisplayStyles, PercentageCurrencyAndGeneral) {
  EXPECT_EQ(FormatPercentage(12.5, 12, 2, kUs), "12.50%");
  EXPECT_EQ(FormatPercentage(1234.5, 12, 1, kUs), "1234.5%");
  EXPECT_EQ(FormatPercentage(12.5, 12, 2, kDe), "12,50%");
  EXPECT_EQ(FormatCurrency(1234.5, 12, 2, kUs), "$1,234.50");
  EXPECT_EQ(FormatGeneral(0, kUs), "0");
  EXPECT_EQ(FormatGeneral(100, kUs), "100");
  EXPECT_EQ(FormatGeneral(0.25, kUs), "0.25");
}

TEST(EditingCycle, EditableTextKeepsDigitsMarksAndOneSign) {
  EXPECT_EQ(EditableText("1,234.6", false, kUs), "1,234.6");
  EXPECT_EQ(EditableText("-1,234.6", true, kUs), "-1,234.6");
  EXPECT_EQ(EditableText("(1,234.6)", true, kUs), "-1,234.6");
  EXPECT_EQ(EditableText("$12.50", false, kUs), "12.50");
  EXPECT_EQ(EditableText("1.234,5", false, kDe), "1.234,5");
}

TEST(EditingCycle, AcceptsOnlyDigitsMarksAndOneSign) {
  EXPECT_TRUE(AcceptsEditChar('7', "12", kUs));
  EXPECT_TRUE(AcceptsEditChar(',', "12", kUs));
  EXPECT_TRUE(AcceptsEditChar('.', "12", kUs));
  EXPECT_FALSE(AcceptsEditChar('.', "1.2", kUs));
  EXPECT_TRUE(AcceptsEditChar('-', "12", kUs));
  EXPECT_FALSE(AcceptsEditChar('-', "-12", kUs));
  EXPECT_FALSE(AcceptsEditChar('e', "12", kUs));
  EXPECT_FALSE(AcceptsEditChar('+', "12", kUs));
  EXPECT_TRUE(AcceptsEditChar(',', "12", kDe));
  EXPECT_FALSE(AcceptsEditChar(',', "1,2", kDe));
}

TEST(EditingCycle, ParsesEditedTextAndRefusesLoneMarks) {
  EXPECT_DOUBLE_EQ(ParseEditedText("1,234.65", kUs).value, 1234.65);
  EXPECT_DOUBLE_EQ(ParseEditedText("-12.5", kUs).value, -12.5);
  EXPECT_DOUBLE_EQ(ParseEditedText("12.5-", kUs).value, -12.5);
  EXPECT_DOUBLE_EQ(ParseEditedText("1.234,5", kDe).value, 1234.5);
  const EditedNumber empty = ParseEditedText("", kUs);
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.value, 0);
  EXPECT_FALSE(ParseEditedText("-", kUs).ok);
  EXPECT_FALSE(ParseEditedText(".", kUs).ok);
  EXPECT_FALSE(ParseEditedText("-.", kUs).ok);
  EXPECT_FALSE(ParseEditedText("1.2.3", kUs).ok);
}

TEST(NumberSyntax, CandidatesOfEachKind) {
  for (const char *ok : {"", "-", "+", "1", "-1.5", ".5", "1.", "1E5", "2.5e-3", " 1.50"}) {
    EXPECT_TRUE(RealSyntaxOk(ok)) << ok;
  }
  for (const char *bad : {"1E", "e5", "1.2.3", "--1", "12a", "inf", "nan", "1e999"}) {
    EXPECT_FALSE(RealSyntaxOk(bad)) << bad;
  }
  EXPECT_TRUE(IntegerSyntaxOk("-2147483648"));
  EXPECT_FALSE(IntegerSyntaxOk("2147483648"));
  EXPECT_FALSE(IntegerSyntaxOk("1.5"));
  EXPECT_TRUE(CardinalSyntaxOk("4294967295"));
  EXPECT_FALSE(CardinalSyntaxOk("4294967296"));
  EXPECT_FALSE(CardinalSyntaxOk("-5"));
  EXPECT_TRUE(CardinalSyntaxOk("+"));
}

TEST(PrintfFormats, AppliesOneConversionOfTheRightKind) {
  EXPECT_EQ(FormatReal("%10.2f", 0.45), "      0.45");
  EXPECT_EQ(FormatReal("%5.7f", 0.013), "0.0130000");
  EXPECT_EQ(FormatReal("%g", 1.23456789), "1.23456789");
  EXPECT_EQ(FormatReal("%.2f%%", 12.345), "12.35%");
  EXPECT_EQ(FormatInteger("%d", -12), "-12");
  EXPECT_EQ(FormatInteger("%3d coats", 2), "  2 coats");
  EXPECT_EQ(FormatCardinal("%u", 4000000000u), "4000000000");
  // Formats that would read the value as another type are not applied.
  EXPECT_EQ(FormatReal("%s", 1.5), "1.5");
  EXPECT_EQ(FormatReal("%d", 1.5), "1.5");
  EXPECT_EQ(FormatReal("%f %f", 1.5), "1.5");
  EXPECT_EQ(FormatInteger("%n", 7), "7");
  EXPECT_EQ(FormatInteger("%f", 7), "7");
  EXPECT_EQ(FormatReal("%999f", 1.5), "1.5");
}

TEST(PrintfFormats, AlternativeFormOnlyForRealConversions) {
  // "#" with an integer conversion is undefined in C: the whole format is
  // refused, as a wrong-type conversion is.
  EXPECT_EQ(FormatInteger("%#5d", 7), "7");
  EXPECT_EQ(FormatInteger("%0#4i coats", 7), "7");
  EXPECT_EQ(FormatCardinal("%#5u", 7u), "7");
  EXPECT_EQ(FormatInteger("%05d", 7), "00007");  // other flags stay
  // With the floating conversions C defines it, and it is kept.
  EXPECT_EQ(FormatReal("%#.0f", 3.0), "3.");
  EXPECT_EQ(FormatReal("%#.6g", 1.5), "1.50000");
  EXPECT_EQ(FormatReal("%#.2E", 1500), "1.50E+03");
}
