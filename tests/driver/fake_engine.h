// Controls of the stand-in engine library used by the driver's tests. The
// library exports the five engine entry points plus these; a test keeps its
// own handle on the library so that settings and counters survive the
// worker's load and unload.
#pragma once

#include <cstdint>

extern "C" {

struct FakeEngineStats {
  int32_t initCalls;
  int32_t oneLoopCalls;
  int32_t getValuesCalls;
  int32_t maxConcurrentCalls;  // more than 1 means two runs overlapped
  int32_t lastZones;           // Zones of the last record given to _InitLmuo
  int32_t discardCalls;        // _InitLmuo with a null record
};

// Forgets counters and settings.
typedef void (*FakeEngineResetFn)(void);
// Percentages _OneLoop returns in turn (the last one repeats; a negative one
// is a failure answer); with none set,
// the run is cut into `steps` equal parts ending at exactly 100.
typedef void (*FakeEngineSetPercentsFn)(const double *percents, int32_t count);
typedef void (*FakeEngineSetStepsFn)(int32_t steps);
// _OneLoop sleeps this long on every call.
typedef void (*FakeEngineSetDelayFn)(int32_t microseconds);
// _InitLmuo returns 0.
typedef void (*FakeEngineSetRejectFn)(int32_t reject);
// _GetValues writes nothing and returns 0, as for results that are not
// finite numbers.
typedef void (*FakeEngineSetResultsFailFn)(int32_t fail);
typedef FakeEngineStats (*FakeEngineGetStatsFn)(void);
}
