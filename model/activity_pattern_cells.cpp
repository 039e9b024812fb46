#include "activity_pattern_cells.h"

#include <algorithm>

#include "fixed_format.h"
#include "number_text.h"

namespace lumo {

namespace {

bool IsBlank(const std::string &text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

bool IsBlankLine(const PatternLineCells &line) {
  return std::all_of(line.begin(), line.end(), IsBlank);
}

std::string TrimEnd(const std::string &text) {
  const auto last = text.find_last_not_of(" \t");
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

struct ColumnRule {
  bool Whole;
  double Min;
  double Max;
};

constexpr ColumnRule kRules[4] = {{true, 0, 2}, {true, 0, 24}, {true, 0, 59}, {false, 0, 1000000}};

}  // namespace

std::vector<PatternLineCells> PatternToCells(const ActivityPattern &pattern) {
  std::vector<PatternLineCells> lines;
  for (int i = 0; i < pattern.Entries(); ++i) {
    lines.push_back({FormatFixed(pattern.Zone[i], 3, 0), FormatFixed(pattern.EnterHour[i], 3, 0),
                     FormatFixed(pattern.EnterMinute[i], 3, 0),
                     FormatFixed(pattern.BreathingRate[i], 7, 2)});
  }
  return lines;
}

PatternReading PatternFromCells(const std::vector<PatternLineCells> &lines,
                                const ActivityPattern &previous) {
  PatternReading reading;
  reading.Pattern = previous;
  int count = static_cast<int>(lines.size());
  while (count > 0 && IsBlankLine(lines[count - 1])) --count;
  auto fail = [&reading](PatternProblem problem, int line, int column) {
    reading.Problem = problem;
    reading.Line = line;
    reading.Column = column;
    return reading;
  };
  if (count == 0) return fail(PatternProblem::Empty, 0, 0);
  if (count > ActivityPattern::kMaxEntries)
    return fail(PatternProblem::TooManyLines, ActivityPattern::kMaxEntries + 1, 0);

  double values[ActivityPattern::kMaxEntries][4] = {};
  for (int i = 0; i < count; ++i) {
    if (IsBlankLine(lines[i])) return fail(PatternProblem::EmptyLine, i + 1, 0);
    for (int c = 0; c < 4; ++c) {
      if (i == 0 && (c == 1 || c == 2)) continue;  // the day starts at 0:00
      const std::string text = TrimEnd(lines[i][c]);
      const auto value = kRules[c].Whole ? ReadWholeNumber(text) : ReadNumber(text);
      if (!value) return fail(PatternProblem::NotANumber, i + 1, c + 1);
      if (*value < kRules[c].Min || *value > kRules[c].Max)
        return fail(PatternProblem::OutOfRange, i + 1, c + 1);
      values[i][c] = *value;
    }
  }
  for (int i = 1; i < count; ++i) {
    const double before = values[i - 1][1] * 60 + values[i - 1][2];
    const double now = values[i][1] * 60 + values[i][2];
    if (!(now > before)) return fail(PatternProblem::OutOfOrder, i + 1, 2);
  }
  ActivityPattern &p = reading.Pattern;
  p.Count = count;
  for (int i = 0; i < count; ++i) {
    p.Zone[i] = values[i][0];
    p.EnterHour[i] = values[i][1];
    p.EnterMinute[i] = values[i][2];
    p.BreathingRate[i] = values[i][3];
  }
  return reading;
}

}  // namespace lumo
