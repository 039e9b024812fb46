#include "lumo_run.h"

#include <utility>

#include "exposure_results.h"
#include "run_failure.h"

std::unique_ptr<LumoRun> LumoRun::create(const TransferRecord &record, const char *csvFileName) {
  std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(record);
  if (!inputs) return nullptr;
  return std::unique_ptr<LumoRun>(new LumoRun(std::move(*inputs), lumo::ResultsCsv(csvFileName)));
}

LumoRun::LumoRun(lumo::RunInputs inputs, lumo::ResultsCsv csv) {
  try {
    run_.emplace(std::move(inputs), std::move(csv));
  } catch (const lumo::RunFailure &failure) {
    // The record is accepted, but the CSV header or first row could not be
    // written: the run has failed before its first step, which says so.
    failedAnswer_ = failure.answer();
  }
}

double LumoRun::step() noexcept {
  if (failed()) return failedAnswer_;
  try {
    return run_->oneLoop();
  } catch (const lumo::RunFailure &failure) {
    return fail(failure.answer());
  } catch (...) {
    return fail(LUMO32_RUN_FAILED);
  }
}

double LumoRun::runToEnd() noexcept {
  double answer = step();
  while (answer >= 0.0 && answer < 100.0) answer = step();
  return answer;
}

bool LumoRun::resultsSoFar(ExecutionResultsRecord &out) const noexcept {
  if (failed()) return false;
  return lumo::storeResults(run_->results(), out);
}

double LumoRun::fail(double answer) noexcept {
  run_.reset();
  failedAnswer_ = answer;
  return answer;
}
