// One record run through the classic exports or through a run handle, and
// everything the caller sees of it: the answers, the results and the CSV.
// The tests compare the two ways bit for bit.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lumo32.h"

namespace lumo_test {

enum class Driving {
  kClassic,   // _InitLmuo, _OneLoop until done, _GetValues
  kStepRun,   // lumo32_CreateRun, lumo32_StepRun until done, lumo32_RunResults
  kRunToEnd,  // lumo32_CreateRun, lumo32_RunToEnd, lumo32_RunResults
};

const char *drivingName(Driving how);

struct RunOutcome {
  bool accepted = false;
  std::vector<double> answers;  // until 100 or a failure; lumo32_RunToEnd's one answer
  int32_t resultsAnswer = -1;   // _GetValues or lumo32_RunResults
  std::array<std::uint32_t, 10> resultBits{};  // what was written, as bits
  std::string csv;                             // the file's text; empty without a file
};

// The results' bit patterns, field by field.
std::array<std::uint32_t, 10> bitsOf(const ExecutionResultsRecord &results);

// Runs record the given way (the record is not changed by a run handle, and
// its results are restored after a classic run). csvPath empty: no CSV.
RunOutcome runThrough(Driving how, TransferRecord &record, const std::string &csvPath = "");

// The same answers (the last one only when either ran to the end at once),
// the same results to the bit and the same CSV.
void expectSameOutcome(const RunOutcome &expected, const RunOutcome &actual);

}  // namespace lumo_test
