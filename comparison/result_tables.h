// The tables a comparison and a sweep show: the same cells for the window,
// lumo-run's text and the workbook. A cell has the text people read and,
// where it is a number, the number itself (for the workbook and plots).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scenario_comparison.h"
#include "sweep.h"

namespace lumo::comparison {

struct Cell {
  std::string text;
  std::optional<double> number;
};

struct Table {
  std::vector<std::string> header;
  std::vector<std::vector<Cell>> rows;  // each as long as the header
};

// Result, what it measures, unit, then one column per scenario (its results
// in the program's number format; empty for a scenario without results).
Table ComparisonResultsTable(const Comparison &comparison);

// Input, unit, then one column per scenario: the inputs that differ.
Table ComparisonInputsTable(const Comparison &comparison);

// The value asked for, the value applied (both in the input's unit), the
// ten results, and the reason of a value without results.
Table SweepTable(const SweepRequest &request, const std::vector<SweepPoint> &points);

// The table as text in aligned columns, each line indented by `indent`.
std::string TableText(const Table &table, const std::string &indent = "  ");

}  // namespace lumo::comparison
