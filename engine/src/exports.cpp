// The five exports of the engine. The one current run lives in process-wide
// state; a new _InitLmuo replaces it. No exception leaves this file: every
// export catches everything and answers with its documented result.
#include <cstdio>
#include <memory>

#include "help_texts.h"
#include "input_dump.h"
#include "lumo32.h"
#include "results_csv.h"
#include "run_inputs.h"
#include "vantormain_lumo.h"

namespace {

std::unique_ptr<lumo::CVantormain_LUMO> currentRun;

}  // namespace

extern "C" {

LUMO32_EXPORT int32_t LUMO32_CALL _InitLmuo(TransferRecord *record, const char *dumpFileName,
                                            const char *csvFileName) {
  try {
    currentRun.reset();
    if (record == nullptr) return 0;
    if (dumpFileName != nullptr) lumo::writeInputDump(*record, dumpFileName);
    lumo::ResultsCsv csv(csvFileName);  // created (and left empty) even if the record is rejected
    std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(*record);
    if (!inputs) return 0;
    currentRun =
        std::make_unique<lumo::CVantormain_LUMO>(record, std::move(*inputs), std::move(csv));
    return 1;
  } catch (...) {
    currentRun.reset();
    return 0;
  }
}

LUMO32_EXPORT double LUMO32_CALL _OneLoop(void) {
  try {
    if (!currentRun) return 100.0;
    return currentRun->oneLoop();
  } catch (...) {
    return 100.0;
  }
}

LUMO32_EXPORT int32_t LUMO32_CALL _GetValues(void) {
  try {
    if (currentRun) currentRun->writeResults();
  } catch (...) {
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
