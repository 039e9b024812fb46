// Workbooks (.xlsx, written with libxlsxwriter): one sheet per table, the
// header in bold, numbers stored as numbers (a cell without a finite number
// holds its text), and the sheets a run, a comparison or a sweep export.
//
// The file is written whole to a temporary file first and then put in place,
// so a workbook that cannot be written leaves the old file as it was.
#pragma once

#include <string>
#include <vector>

#include "lumo_errors.h"
#include "result_tables.h"
#include "time_series.h"

namespace lumo::comparison {

// A workbook that cannot be written; what() names the file and why.
class EWorkbook : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

struct Sheet {
  std::string name;  // at most 31 characters, none of []:*?/\ (Excel's rule)
  Table table;
};

void WriteWorkbook(const std::string &path, const std::vector<Sheet> &sheets);

// The ten results with their units (and ppm for the concentrations).
Table RunResultsTable(const Results &results, double molecularWeight);
// Every input of the scenario with its unit.
Table InputsTable(const TLumoState &scenario);
// Time and the concentrations outdoors, in zone 1, zone 2 (two-zone runs)
// and at the person.
Table SeriesTable(const ConcentrationSeries &series);

// "Results", "Inputs" and, when there is a series, "Concentrations".
std::vector<Sheet> RunSheets(const TLumoState &scenario, const Results &results,
                             const ConcentrationSeries *series);
// "Results", "Inputs that differ" and "Concentrations" (time and the
// concentration at the person, a pair of columns per scenario with a series).
std::vector<Sheet> ComparisonSheets(const Comparison &comparison);
// "Sweep" (the table of SweepTable) and "Inputs" (the scenario swept).
std::vector<Sheet> SweepSheets(const TLumoState &scenario, const SweepRequest &request,
                               const std::vector<SweepPoint> &points);

}  // namespace lumo::comparison
