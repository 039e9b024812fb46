// One run of the engine through its five-export interface, cut short after a
// bounded amount of work, with the interface's rules checked on the way.
//
// A run the program may send is up to 999 days long at 1-minute intervals,
// so the run is bounded by the simulated time it may cover (and by a number
// of _OneLoop calls), never by the length of the run: a run that would go
// further is abandoned with _InitLmuo(NULL, ...), as the program abandons a
// stopped run.
//
// Checked: _InitLmuo answers 0 or 1; each _OneLoop answer is a percent from
// 0 to 100 that never decreases, or one of the two failure answers, which
// then stays; _GetValues answers 1 only after a complete run and then writes
// ten finite results, and a failed run gets 0 and leaves the results alone;
// after an abandoned run no run is left (_OneLoop answers 100).
#pragma once

#include "lumo32.h"

namespace lumo::fuzz {

struct RunBounds {
  int maxCalls = 200;     // _OneLoop calls
  double maxDays = 0.25;  // simulated time the calls may cover, days
};

struct RunOutcome {
  int initAnswer = 0;
  int calls = 0;
  bool complete = false;     // the last answer was 100
  bool failed = false;       // the last answer was a failure answer
  int getValuesAnswer = -1;  // -1: _GetValues was not called
  ExecutionResultsRecord results{};
};

// `record` must stay alive until this returns.
RunOutcome RunBounded(TransferRecord &record, const char *dumpFileName, const char *csvFileName,
                      const RunBounds &bounds);

}  // namespace lumo::fuzz
