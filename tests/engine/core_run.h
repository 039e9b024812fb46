// Runs the engine's core on a TransferRecord as the exports do (read the
// record, start the run, one report per step of the loop, the results), with
// a chosen evaluation of the emission term, and keeps what each report shows.
#pragma once

#include <vector>

#include "lumo32.h"
#include "vantormain_lumo.h"

namespace lumo_test {

// One report: the clock, then the values of the CSV row: node concentrations,
// sink loadings and the person's concentration.
struct ReportRow {
  double clock;
  std::vector<double> values;
};

struct CoreRunOutput {
  std::vector<ReportRow> rows;  // the row at StartTime first
  lumo::ExposureResults results;
};

// The record must be accepted. `csvPath` may be null (no CSV written).
// `substeps` > 0 integrates each step in that many sub-steps instead of the
// number the record's rates call for.
CoreRunOutput runCore(const TransferRecord &record, lumo::EmissionEvaluation evaluation,
                      const char *csvPath = nullptr, int substeps = 0);

// The same run keeping only the results, as a benchmark times it.
lumo::ExposureResults runCoreResults(const TransferRecord &record,
                                     lumo::EmissionEvaluation evaluation, const char *csvPath);

}  // namespace lumo_test
