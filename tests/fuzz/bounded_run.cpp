#include "bounded_run.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fuzz_support.h"

namespace lumo::fuzz {
namespace {

bool FailureAnswer(double percent) {
  return percent == LUMO32_RUN_FAILED || percent == LUMO32_CSV_WRITE_FAILED;
}

[[maybe_unused]] bool AllFinite(const ExecutionResultsRecord &r) {
  const float values[] = {r.LADD, r.ADD,      r.LADC,   r.ADC,   r.Cpeak, r.SingleEventDose,
                          r.APDR, r.APDRtime, r.C15min, r.C8hour};
  return std::all_of(std::begin(values), std::end(values),
                     [](float v) { return std::isfinite(v); });
}

// How many _OneLoop calls stay within the bounds: each call covers one
// report interval, or the whole run when that is shorter.
int AllowedCalls(const TransferRecord &record, const RunBounds &bounds) {
  const double run = double(record.EndTime) - double(record.StartTime);
  const double perCall = std::min(double(record.ReportInterval), run);
  if (!(perCall > 0)) return bounds.maxCalls;  // the run is over at its start
  const double calls = std::floor(bounds.maxDays / perCall);
  return calls >= bounds.maxCalls ? bounds.maxCalls : static_cast<int>(calls);
}

}  // namespace

RunOutcome RunBounded(TransferRecord &record, const char *dumpFileName, const char *csvFileName,
                      const RunBounds &bounds) {
  RunOutcome outcome;
  outcome.initAnswer = _InitLmuo(&record, dumpFileName, csvFileName);
  Require(outcome.initAnswer == 0 || outcome.initAnswer == 1, "_InitLmuo answers 0 or 1");
  if (outcome.initAnswer == 0) {
    Trace("engine: record refused");
    Require(_OneLoop() == 100.0, "after a refused record no run is left");
    return outcome;
  }

  // Results the engine must not touch unless it reports them.
  ExecutionResultsRecord untouched;
  std::memset(&untouched, 0x5A, sizeof untouched);
  record.ExecutionResultsRecord = untouched;

  const int allowed = AllowedCalls(record, bounds);
  double last = 0.0;
  while (outcome.calls < allowed && !outcome.complete && !outcome.failed) {
    const double percent = _OneLoop();
    ++outcome.calls;
    if (FailureAnswer(percent)) {
      outcome.failed = true;
      Require(_OneLoop() == percent, "a failed run keeps its failure answer");
      break;
    }
    Require(percent >= 0.0 && percent <= 100.0, "_OneLoop answers a percent from 0 to 100");
    Require(percent >= last, "the percent complete never decreases");
    last = percent;
    outcome.complete = percent == 100.0;
  }

  if (outcome.complete || outcome.failed) {
    outcome.getValuesAnswer = _GetValues();
    outcome.results = record.ExecutionResultsRecord;
    const bool written = std::memcmp(&outcome.results, &untouched, sizeof untouched) != 0;
    if (outcome.failed) {
      Require(outcome.getValuesAnswer == 0, "_GetValues answers 0 after a failed run");
      Require(!written, "a failed run writes no results");
    } else if (outcome.getValuesAnswer == 1) {
      Require(AllFinite(outcome.results), "a run that does not fail reports finite results");
    } else {
      Require(outcome.getValuesAnswer == 0, "_GetValues answers 0 or 1");
      Require(!written, "_GetValues that answers 0 writes no results");
    }
  }
  if (outcome.failed) {
    // A failed run keeps its answer until the run is discarded.
    const double again = _OneLoop();
    Require(again == LUMO32_RUN_FAILED || again == LUMO32_CSV_WRITE_FAILED,
            "a failed run keeps answering its failure");
  }
  if (!outcome.complete || outcome.getValuesAnswer != 1) {
    Require(_InitLmuo(nullptr, nullptr, nullptr) == 0, "_InitLmuo(NULL) answers 0");
  }
  Require(_OneLoop() == 100.0, "after the run no run is left");
  Trace("engine: init %d, %d of %d calls allowed, %s, _GetValues %d", outcome.initAnswer,
        outcome.calls, allowed,
        outcome.complete ? "complete"
        : outcome.failed ? "failed"
                         : "abandoned",
        outcome.getValuesAnswer);
  return outcome;
}

}  // namespace lumo::fuzz
