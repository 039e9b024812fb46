// LumoRun: one run of the engine behind a handle of the C interface (rules
// 10 to 15 of lumo32.h). It owns everything of the run (the inputs read from
// the record, the integrator, the results CSV) and shares nothing, so that
// any number of runs may exist at once, each used by one thread at a time.
//
// A run that fails is discarded at once, closing its CSV; only its answer is
// kept, and every later step repeats it. Nothing here throws but create().
#pragma once

#include <memory>
#include <optional>

#include "lumo32.h"
#include "results_csv.h"
#include "run_inputs.h"
#include "vantormain_lumo.h"

struct LumoRun {
 public:
  // The run of an accepted record, started at StartTime, or null for a
  // refused one (readRunInputs). csvFileName may be null (no file); it is
  // created only for an accepted record. A CSV header that cannot be written
  // gives a run that has failed with LUMO32_CSV_WRITE_FAILED. Throws when
  // memory runs out.
  static std::unique_ptr<LumoRun> create(const TransferRecord &record, const char *csvFileName);

  LumoRun(const LumoRun &) = delete;
  LumoRun &operator=(const LumoRun &) = delete;

  // One report interval: the percent complete, 100 once complete, or the
  // failure's answer from the failing step on.
  double step() noexcept;
  // step() until the run is complete or has failed; the last answer.
  double runToEnd() noexcept;

  bool failed() const { return failedAnswer_ != 0.0; }
  // The clock has reached EndTime and the run has not failed.
  bool complete() const { return run_.has_value() && run_->complete(); }

  // The ten results of the run so far, narrowed to the record's fields, into
  // out; false, writing nothing, for a failed run or a result that is not a
  // finite number there.
  bool resultsSoFar(ExecutionResultsRecord &out) const noexcept;

  // Fails the run with answer (negative): discards it, closing its CSV.
  double fail(double answer) noexcept;

 private:
  LumoRun(lumo::RunInputs inputs, lumo::ResultsCsv csv);

  std::optional<lumo::CVantormain_LUMO> run_;  // empty once the run has failed
  double failedAnswer_ = 0.0;                  // 0 until the run fails
};
