// Grid cells of the pattern and sink dialogs: reading typed numbers, and
// turning pattern lines into a pattern the engine can use.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "activity_pattern_cells.h"
#include "number_text.h"
#include "sink_values.h"

namespace lumo {
namespace {

TEST(NumberText, ReadsDecimalAndScientificWithLeadingBlanksOnly) {
  EXPECT_EQ(ReadNumber("  12.5"), 12.5);
  EXPECT_EQ(ReadNumber("1e-3"), 0.001);
  EXPECT_EQ(ReadNumber("-2"), -2);
  EXPECT_EQ(ReadNumber("+.5"), 0.5);
  for (const char *bad : {"", "   ", "abc", "1.5x", "12 ", "+-1", "--1", "-", "inf", "nan", "1,5"})
    EXPECT_FALSE(ReadNumber(bad).has_value()) << bad;
  EXPECT_EQ(ReadWholeNumber("  7"), 7);
  EXPECT_EQ(ReadWholeNumber("3.0"), 3);
  EXPECT_FALSE(ReadWholeNumber("3.5").has_value());
}

TEST(SinkValues, FormatsAndReadsCells) {
  EXPECT_EQ(FormatSinkArea(151.704), " 151.70");
  EXPECT_EQ(FormatSinkRate(0.1), "   0.10000");
  EXPECT_EQ(ReadSinkValue(FormatSinkRate(0.123456)), 0.12346);
  EXPECT_FALSE(ReadSinkValue("abc").has_value());
  EXPECT_FALSE(ReadSinkValue("-1").has_value());
  EXPECT_EQ(ReadSinkValue("0"), 0.0);
}

ActivityPattern Weekday() {
  ActivityPattern p{};
  p.Count = 3;
  const double rows[3][4] = {{1, 0, 0, 9.6}, {2, 7, 0, 24}, {0, 8, 30, 13.3}};
  for (int i = 0; i < 3; ++i) {
    p.Zone[i] = rows[i][0];
    p.EnterHour[i] = rows[i][1];
    p.EnterMinute[i] = rows[i][2];
    p.BreathingRate[i] = rows[i][3];
  }
  p.Zone[5] = 7;  // a leftover slot beyond the count
  return p;
}

TEST(PatternCells, ShowsEveryEntryAndReadsItBackUnchanged) {
  const ActivityPattern p = Weekday();
  const auto cells = PatternToCells(p);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[2], (PatternLineCells{"  0", "  8", " 30", "  13.30"}));
  const auto back = PatternFromCells(cells, p);
  ASSERT_EQ(back.Problem, PatternProblem::None);
  EXPECT_EQ(0, std::memcmp(&back.Pattern, &p, sizeof p));

  ActivityPattern many{};
  many.Count = 15;
  for (int i = 0; i < 15; ++i) many.EnterHour[i] = i;
  EXPECT_EQ(PatternToCells(many).size(), 15u);
  EXPECT_EQ(PatternFromCells(PatternToCells(many), many).Pattern.Count, 15);
}

TEST(PatternCells, KeepsTheFirstLineAtMidnightAndDropsTrailingBlankLines) {
  auto cells = PatternToCells(Weekday());
  cells[0][1] = "5";
  cells[0][2] = "";
  cells.push_back({"", " ", "", ""});
  const auto back = PatternFromCells(cells, Weekday());
  ASSERT_EQ(back.Problem, PatternProblem::None);
  EXPECT_EQ(back.Pattern.Count, 3);
  EXPECT_EQ(back.Pattern.EnterHour[0], 0);
  EXPECT_EQ(back.Pattern.EnterMinute[0], 0);
  EXPECT_EQ(back.Pattern.Zone[5], 7);
}

TEST(PatternCells, RefusesPatternsTheEngineCannotUse) {
  const ActivityPattern p = Weekday();
  auto problem = [&p](std::vector<PatternLineCells> cells) {
    const auto r = PatternFromCells(cells, p);
    EXPECT_EQ(0, std::memcmp(&r.Pattern, &p, sizeof p)) << "a refused pattern changes nothing";
    return std::make_tuple(r.Problem, r.Line, r.Column);
  };
  using P = PatternProblem;
  EXPECT_EQ(problem({}), std::make_tuple(P::Empty, 0, 0));
  EXPECT_EQ(problem({{"", "", "", ""}, {"", "", "", ""}}), std::make_tuple(P::Empty, 0, 0));
  auto cells = PatternToCells(p);
  std::swap(cells[1], cells[2]);  // 8:30 before 7:00
  EXPECT_EQ(problem(cells), std::make_tuple(P::OutOfOrder, 3, 2));
  cells = PatternToCells(p);
  cells[2][1] = "7";
  cells[2][2] = "0";  // the same time twice
  EXPECT_EQ(problem(cells), std::make_tuple(P::OutOfOrder, 3, 2));
  cells = PatternToCells(p);
  cells.insert(cells.begin() + 1, {"", "", "", ""});
  EXPECT_EQ(problem(cells), std::make_tuple(P::EmptyLine, 2, 0));
  cells = PatternToCells(p);
  cells[1][3] = "";
  EXPECT_EQ(problem(cells), std::make_tuple(P::NotANumber, 2, 4));
  cells[1][3] = "24";
  cells[1][0] = "1.5";
  EXPECT_EQ(problem(cells), std::make_tuple(P::NotANumber, 2, 1));
  cells[1][0] = "3";
  EXPECT_EQ(problem(cells), std::make_tuple(P::OutOfRange, 2, 1));
  cells[1][0] = "2";
  cells[1][2] = "60";
  EXPECT_EQ(problem(cells), std::make_tuple(P::OutOfRange, 2, 3));
  cells = PatternToCells(p);
  for (int h = 1; cells.size() < 21; ++h)
    cells.push_back({"1", std::to_string(8 + h % 15), "0", "1"});
  EXPECT_EQ(std::get<0>(problem(cells)), P::TooManyLines);
}

// The check and correction of one edited cell: every corrected text is one
// the pattern check accepts.
TEST(PatternCells, EditedCellsAreCorrectedToValidValues) {
  EXPECT_TRUE(PatternCellValid(1, "  2"));
  EXPECT_TRUE(PatternCellValid(2, "24"));
  EXPECT_TRUE(PatternCellValid(3, "59"));
  EXPECT_TRUE(PatternCellValid(4, "1e6"));
  for (const char *bad : {"", "  ", "3", "-1", "1.5", "x"}) EXPECT_FALSE(PatternCellValid(1, bad));
  EXPECT_FALSE(PatternCellValid(2, "25"));
  EXPECT_FALSE(PatternCellValid(3, "60"));
  EXPECT_FALSE(PatternCellValid(4, "1000001"));

  struct Case {
    int column;
    const char *typed, *kept;
  } cases[] = {
      {1, "5", "0"},        {1, "", "0"},
      {1, "-1", "0"},       {1, "12", "1"},
      {2, "25", "2"},       {2, "725", "7"},
      {3, "60", "6"},       {3, "599", "59"},
      {4, "13.5x", "13.5"}, {4, "2000000", "200000"},
      {4, "fast", "0"},     {1, "1\xC3\xA9", "1"},
  };
  for (const Case &c : cases) {
    const std::string kept = CorrectedPatternCell(c.column, c.typed);
    EXPECT_EQ(kept, c.kept) << c.column << " " << c.typed;
    EXPECT_TRUE(PatternCellValid(c.column, kept)) << kept;
  }
  // A UTF-8 character is dropped whole, never a part of it.
  EXPECT_EQ(CorrectedPatternCell(4, "12\xC3\xA9\xC3\xA9"), "12");
}

}  // namespace
}  // namespace lumo
