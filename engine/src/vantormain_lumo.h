// CVantormain_LUMO: one run of the engine, from an accepted TransferRecord to
// its ten results. It adds to the integrator the occupant's schedule, the
// exposure bookkeeping, the report loop and the results CSV, and keeps the
// caller's record to write the results into.
#pragma once

#include "exposure_tracker.h"
#include "lumo32.h"
#include "occupant_schedule.h"
#include "results_csv.h"
#include "run_inputs.h"
#include "vantormain.h"

namespace lumo {

class CVantormain_LUMO final : public vantormain {
 public:
  // Starts the run at StartTime and writes the CSV header and first row. The
  // record must stay alive until writeResults() has returned.
  CVantormain_LUMO(TransferRecord *record, RunInputs inputs, ResultsCsv csv);

  // Advances the clock by one report interval (at most to EndTime), appends a
  // CSV row and returns the percent of the run completed; a complete run
  // returns 100 and changes nothing.
  double oneLoop();

  // Writes the ten results into the record's ExecutionResultsRecord.
  void writeResults() const;

 private:
  void afterStep(double s, double h) override;
  void writeRow();
  double percentComplete() const;

  TransferRecord *record_;
  RunConstants constants_;
  OccupantSchedule schedule_;
  ExposureTracker exposure_;
  ResultsCsv csv_;
};

}  // namespace lumo
