// An activity pattern as the pattern dialogs show it: one line of four text
// cells (zone, enter hour, enter minute, breathing rate) per entry, and the
// check that turns edited lines back into a pattern the engine can use.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "activity_pattern.h"

namespace lumo {

using PatternLineCells = std::array<std::string, 4>;

// Every entry of `pattern` (Entries() lines): zone, hour and minute as
// whole numbers right-aligned in 3 characters, the breathing rate with 2
// decimals right-aligned in 7.
std::vector<PatternLineCells> PatternToCells(const ActivityPattern &pattern);

enum class PatternProblem {
  None,
  Empty,         // no line holds anything
  TooManyLines,  // more lines than a pattern holds (20)
  EmptyLine,     // a blank line between filled ones
  NotANumber,    // a cell that does not read (whole numbers for zone and time)
  OutOfRange,    // zone 0-2, hour 0-24, minute 0-59, breathing rate 0-1000000
  OutOfOrder,    // a line that does not start strictly after the one above
};

struct PatternReading {
  PatternProblem Problem = PatternProblem::None;
  int Line = 0;    // 1-based line of the problem
  int Column = 0;  // 1 zone, 2 hour, 3 minute, 4 breathing rate
  ActivityPattern Pattern{};
};

// What one cell of a line may hold: a whole number or any number, from
// Min to Max.
struct PatternCellRule {
  bool Whole;
  double Min;
  double Max;
};

// The rule of column `column` of a line: 1 zone (whole, 0 to 2), 2 enter
// hour (whole, 0 to 24), 3 enter minute (whole, 0 to 59), 4 breathing rate
// (0 to 1000000 m³/day).
const PatternCellRule &PatternRule(int column);

// Whether `text` (blanks around it allowed) is a value of that column
// within its range; a blank cell is not.
bool PatternCellValid(int column, std::string_view text);

// The text an edited cell that is not valid is replaced by: the text with
// its last characters dropped, one at a time, until what is left is valid;
// "0" once fewer than two characters remain.
std::string CorrectedPatternCell(int column, std::string_view text);

// Reads edited lines (blank lines at the end are ignored) into a copy of
// `previous`, whose slots beyond the new count stay as they were. The first
// line always starts the day at 0:00, whatever its time cells hold.
PatternReading PatternFromCells(const std::vector<PatternLineCells> &lines,
                                const ActivityPattern &previous);

}  // namespace lumo
