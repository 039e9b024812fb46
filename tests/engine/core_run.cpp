#include "core_run.h"

#include <optional>
#include <stdexcept>

#include "run_inputs.h"

namespace lumo_test {

namespace {

lumo::CVantormain_LUMO startRun(const TransferRecord &record, lumo::EmissionEvaluation evaluation,
                                const char *csvPath, int substeps = 0) {
  std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(record);
  if (!inputs) throw std::invalid_argument("record rejected");
  if (substeps > 0) inputs->substeps = substeps;
  return lumo::CVantormain_LUMO(std::move(*inputs), lumo::ResultsCsv(csvPath), evaluation);
}

ReportRow rowOf(const lumo::CVantormain_LUMO &run) {
  ReportRow row{run.clock(), {}};
  for (double c : run.concentrations()) row.values.push_back(c);
  for (double l : run.loadings()) row.values.push_back(l);
  row.values.push_back(run.personConcentration());
  return row;
}

}  // namespace

CoreRunOutput runCore(const TransferRecord &record, lumo::EmissionEvaluation evaluation,
                      const char *csvPath, int substeps) {
  lumo::CVantormain_LUMO run = startRun(record, evaluation, csvPath, substeps);
  CoreRunOutput out;
  out.rows.push_back(rowOf(run));
  for (;;) {
    const double before = run.clock();
    const double percent = run.oneLoop();
    if (run.clock() != before) out.rows.push_back(rowOf(run));  // a CSV row was written
    if (percent > 99.99) break;
  }
  out.results = run.results();
  return out;
}

lumo::ExposureResults runCoreResults(const TransferRecord &record,
                                     lumo::EmissionEvaluation evaluation, const char *csvPath) {
  lumo::CVantormain_LUMO run = startRun(record, evaluation, csvPath);
  while (run.oneLoop() <= 99.99) {
  }
  return run.results();
}

}  // namespace lumo_test
