// The five exports of the engine. The one current run lives in process-wide
// state; a new _InitLmuo replaces it. No exception leaves this file: every
// export catches everything and answers with its documented result.
//
// A run that fails (run_failure.h) is discarded at once, closing its CSV, and
// only its answer is kept: _OneLoop repeats it and _GetValues returns 0 until
// the next _InitLmuo.
#include <cstdio>
#include <memory>

#include "help_texts.h"
#include "input_dump.h"
#include "lumo32.h"
#include "results_csv.h"
#include "run_failure.h"
#include "run_inputs.h"
#include "vantormain_lumo.h"

namespace {

std::unique_ptr<lumo::CVantormain_LUMO> currentRun;
double failedAnswer = 0.0;  // the failed run's answer; 0 while no run has failed

double fail(double answer) {
  currentRun.reset();
  failedAnswer = answer;
  return answer;
}

}  // namespace

extern "C" {

LUMO32_EXPORT int32_t LUMO32_CALL _InitLmuo(TransferRecord *record, const char *dumpFileName,
                                            const char *csvFileName) {
  try {
    currentRun.reset();
    failedAnswer = 0.0;
    if (record == nullptr) return 0;
    if (dumpFileName != nullptr) lumo::writeInputDump(*record, dumpFileName);
    lumo::ResultsCsv csv(csvFileName);  // created (and left empty) even if the record is rejected
    std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(*record);
    if (!inputs) return 0;
    try {
      currentRun =
          std::make_unique<lumo::CVantormain_LUMO>(record, std::move(*inputs), std::move(csv));
    } catch (const lumo::RunFailure &failure) {
      // The record is accepted, but its CSV header or first row could not be
      // written: the run has failed before its first _OneLoop, which says so.
      fail(failure.answer());
    }
    return 1;
  } catch (...) {
    currentRun.reset();
    failedAnswer = 0.0;
    return 0;
  }
}

LUMO32_EXPORT double LUMO32_CALL _OneLoop(void) {
  if (failedAnswer != 0.0) return failedAnswer;
  try {
    if (!currentRun) return 100.0;
    return currentRun->oneLoop();
  } catch (const lumo::RunFailure &failure) {
    return fail(failure.answer());
  } catch (...) {
    return fail(LUMO32_RUN_FAILED);
  }
}

LUMO32_EXPORT int32_t LUMO32_CALL _GetValues(void) {
  if (failedAnswer != 0.0) return 0;
  try {
    if (currentRun && !currentRun->writeResults()) {
      fail(LUMO32_RUN_FAILED);
      return 0;
    }
  } catch (...) {
    fail(LUMO32_RUN_FAILED);
    return 0;
  }
  currentRun.reset();
  return 1;
}

LUMO32_EXPORT const char *LUMO32_CALL _GetHelpString(int32_t index) {
  return lumo::helpText(index);
}

// There is no native message box here: the message goes to standard error,
// and the result is that of the box's OK button.
LUMO32_EXPORT int32_t LUMO32_CALL _SayHello(void * /*ownerWindow*/) {
  std::fprintf(stderr, "DLL MessageBox: Hello from a DLL!\n");
  return 1;
}

}  // extern "C"
