// The exports of the engine: the C boundary. No exception leaves this file:
// every export catches everything and answers with its documented result.
//
// Runs of the caller's own are LumoRun objects behind their handles. The
// classic exports keep one such run as the process-wide current run, with
// the address of the record _GetValues writes into; a new _InitLmuo replaces
// it. A run that fails keeps its answer inside the handle, so _OneLoop
// repeats it and _GetValues returns 0 until the next _InitLmuo.
#include <cstdio>
#include <memory>

#include "help_texts.h"
#include "input_dump.h"
#include "lumo32.h"
#include "lumo_run.h"
#include "results_csv.h"

extern "C" {

LUMO32_EXPORT LumoRun *LUMO32_CALL lumo32_CreateRun(const TransferRecord *record,
                                                    const char *csvFileName) {
  if (record == nullptr) return nullptr;
  try {
    return LumoRun::create(*record, csvFileName).release();
  } catch (...) {
    return nullptr;
  }
}

LUMO32_EXPORT double LUMO32_CALL lumo32_StepRun(LumoRun *run) {
  return run == nullptr ? LUMO32_RUN_FAILED : run->step();
}

LUMO32_EXPORT double LUMO32_CALL lumo32_RunToEnd(LumoRun *run) {
  return run == nullptr ? LUMO32_RUN_FAILED : run->runToEnd();
}

LUMO32_EXPORT int32_t LUMO32_CALL lumo32_RunResults(LumoRun *run, ExecutionResultsRecord *results) {
  if (run == nullptr || results == nullptr || !run->complete()) return 0;
  return run->resultsSoFar(*results) ? 1 : 0;
}

LUMO32_EXPORT void LUMO32_CALL lumo32_FreeRun(LumoRun *run) {
  delete run;
}

}  // extern "C"

namespace {

struct FreeRun {
  void operator()(LumoRun *run) const { lumo32_FreeRun(run); }
};

// The classic exports' current run, and the caller's record it answers to.
std::unique_ptr<LumoRun, FreeRun> currentRun;
TransferRecord *currentRecord = nullptr;

void discardCurrentRun() {
  currentRun.reset();
  currentRecord = nullptr;
}

}  // namespace

extern "C" {

LUMO32_EXPORT int32_t LUMO32_CALL _InitLmuo(TransferRecord *record, const char *dumpFileName,
                                            const char *csvFileName) {
  try {
    discardCurrentRun();
    if (record == nullptr) return 0;
    if (dumpFileName != nullptr) lumo::writeInputDump(*record, dumpFileName);
    currentRun.reset(lumo32_CreateRun(record, csvFileName));
    if (!currentRun) {
      lumo::ResultsCsv created(csvFileName);  // created, and left empty, for a refused record
      return 0;
    }
    currentRecord = record;
    return 1;
  } catch (...) {
    discardCurrentRun();
    return 0;
  }
}

LUMO32_EXPORT double LUMO32_CALL _OneLoop(void) {
  if (!currentRun) return 100.0;
  return lumo32_StepRun(currentRun.get());
}

// Writes the results of the run so far, complete or not, as it always has.
LUMO32_EXPORT int32_t LUMO32_CALL _GetValues(void) {
  if (!currentRun) return 1;
  ExecutionResultsRecord results;
  if (!currentRun->resultsSoFar(results)) {
    if (!currentRun->failed()) currentRun->fail(LUMO32_RUN_FAILED);
    return 0;
  }
  currentRecord->ExecutionResultsRecord = results;
  discardCurrentRun();
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
