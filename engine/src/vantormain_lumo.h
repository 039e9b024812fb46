// CVantormain_LUMO: one run of the engine, from an accepted TransferRecord to
// its ten results. It adds to the integrator the occupant's schedule, the
// exposure bookkeeping, the report loop and the results CSV. It keeps
// nothing of the record it was read from.
#pragma once

#include "exposure_results.h"
#include "exposure_tracker.h"
#include "lumo32.h"
#include "occupant_schedule.h"
#include "results_csv.h"
#include "run_inputs.h"
#include "vantormain.h"

namespace lumo {

// How a run evaluates the emission term: by running sums (the engine's way),
// or source by source at every stage (the reference the engine's tests and
// benchmarks compare with).
enum class EmissionEvaluation { kRunningSums, kDirect };

class CVantormain_LUMO final : public vantormain {
 public:
  // Starts the run at StartTime and writes the CSV header and first row
  // (throws RunFailure when they cannot be written).
  CVantormain_LUMO(RunInputs inputs, ResultsCsv csv,
                   EmissionEvaluation evaluation = EmissionEvaluation::kRunningSums);

  // Advances the clock by one report interval (at most to EndTime), appends a
  // CSV row and returns the percent of the run completed; a complete run
  // returns 100 and changes nothing. Throws RunFailure, before the row, when
  // a value of the run is no longer a finite number, and when the row cannot
  // be written; the run must then be discarded.
  double oneLoop();

  // The clock has reached EndTime.
  bool complete() const { return clock() >= constants_.endTime; }

  // The ten results of the run so far, in double precision.
  ExposureResults results() const;

  // The person's concentration as the CSV reports it.
  double personConcentration() const { return exposure_.personConcentration(); }

 private:
  void afterStep(double s, double h) override;
  void writeRow();
  double percentComplete() const;

  RunConstants constants_;
  OccupantSchedule schedule_;
  ExposureTracker exposure_;
  ResultsCsv csv_;
};

}  // namespace lumo
