// Runs each painting job for a whole year through the engine and through the
// long-double evaluation of the same scheme, and prints how far apart they
// are: the worst reported value and the worst of the ten results, in units of
// their allowance (1e-8 relative, or 1e-12 of the column's peak for values
// that small; 1 is the edge). The largest job takes a minute or more.
//   agreement_report [DAYS]
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "agreement.h"
#include "core_run.h"
#include "long_double_run.h"
#include "painting_jobs.h"
#include "run_inputs.h"

int main(int argc, char **argv) {
  using lumo_test::PaintingJob;
  const int days = argc > 1 ? std::stoi(argv[1]) : 365;
  const auto folder = std::filesystem::temp_directory_path() / "lumo_agreement_report";
  std::filesystem::create_directories(folder);
  int status = 0;
  for (PaintingJob job : {PaintingJob::kFactoryDefault, PaintingJob::kHighRiseEntireFloor,
                          PaintingJob::kHighRiseHalfBuilding}) {
    auto scenario = lumo_test::makePaintingJob(job, days, folder.string());
    const TransferRecord &record = scenario->Record();
    std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(record);
    if (!inputs) return 1;
    const lumo_test::CoreRunOutput engine =
        lumo_test::runCore(record, lumo::EmissionEvaluation::kRunningSums);
    const lumo_test::Agreement a =
        lumo_test::compareRuns(engine, lumo_test::runInLongDouble(*inputs));
    const bool within = a.sameReports && a.rowValuesOutside == 0 && a.resultsOutside == 0;
    if (!within) status = 1;
    std::printf(
        "%-22s %4d days, %4d increments, %5zu rows: worst value %.3g, worst result %.3g of the "
        "allowance%s\n  worst value at %s\n",
        lumo_test::jobName(job), days, record.EmissionRateIncrementalList.Entries,
        engine.rows.size(), a.worstRowShare, a.worstResultShare, within ? "" : "  OUTSIDE",
        a.worstRow.c_str());
  }
  std::filesystem::remove_all(folder);
  return status;
}
