// A stand-in for the engine library: the five entry points with scripted
// percentages, one CSV row per step, and counters that show how the driver
// called it.
#include "fake_engine.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "lumo32.h"

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex mutex;
std::vector<double> percents;
int32_t steps = 10;
int32_t delayMicros = 0;
int32_t reject = 0;
int32_t resultsFail = 0;
FakeEngineStats stats{};
std::atomic<int> inCall{0};

TransferRecord *record = nullptr;
std::FILE *csv = nullptr;
int32_t step = 0;

// Counts overlapping calls; held for the length of each entry point.
struct CallGuard {
  CallGuard() {
    int now = ++inCall;
    std::lock_guard<std::mutex> lock(mutex);
    stats.maxConcurrentCalls = std::max(stats.maxConcurrentCalls, now);
  }
  ~CallGuard() { --inCall; }
};

}  // namespace

FAKE_EXPORT void FakeEngineReset() {
  std::lock_guard<std::mutex> lock(mutex);
  percents.clear();
  steps = 10;
  delayMicros = 0;
  reject = 0;
  resultsFail = 0;
  stats = FakeEngineStats{};
}

FAKE_EXPORT void FakeEngineSetPercents(const double *p, int32_t count) {
  std::lock_guard<std::mutex> lock(mutex);
  percents.assign(p, p + count);
}

FAKE_EXPORT void FakeEngineSetSteps(int32_t n) {
  steps = n;
}
FAKE_EXPORT void FakeEngineSetDelay(int32_t us) {
  delayMicros = us;
}
FAKE_EXPORT void FakeEngineSetReject(int32_t r) {
  reject = r;
}

FAKE_EXPORT void FakeEngineSetResultsFail(int32_t fail) {
  resultsFail = fail;
}

FAKE_EXPORT FakeEngineStats FakeEngineGetStats() {
  std::lock_guard<std::mutex> lock(mutex);
  return stats;
}

FAKE_EXPORT int32_t _InitLmuo(TransferRecord *r, const char *, const char *csvName) {
  CallGuard guard;
  if (csv) std::fclose(csv);
  csv = nullptr;
  if (!r) {  // discards the current run
    std::lock_guard<std::mutex> lock(mutex);
    ++stats.discardCalls;
    record = nullptr;
    return 0;
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    ++stats.initCalls;
    stats.lastZones = r->Zones;
  }
  csv = csvName ? std::fopen(csvName, "w") : nullptr;
  if (reject || r->Zones < 1) return 0;
  record = r;
  step = 0;
  if (csv) std::fprintf(csv, "header\nrow 0\n");
  return 1;
}

FAKE_EXPORT double _OneLoop() {
  CallGuard guard;
  {
    std::lock_guard<std::mutex> lock(mutex);
    ++stats.oneLoopCalls;
  }
  if (delayMicros > 0) std::this_thread::sleep_for(std::chrono::microseconds(delayMicros));
  ++step;
  double p;
  if (!percents.empty())
    p = percents[std::min<std::size_t>(static_cast<std::size_t>(step) - 1, percents.size() - 1)];
  else
    p = step >= steps ? 100.0 : 100.0 * step / steps;
  if (csv) {
    std::fprintf(csv, "row %d\n", step);
    std::fflush(csv);
  }
  return p;
}

#ifndef FAKE_WITHOUT_GETVALUES
FAKE_EXPORT int32_t _GetValues() {
  CallGuard guard;
  {
    std::lock_guard<std::mutex> lock(mutex);
    ++stats.getValuesCalls;
  }
  if (resultsFail) return 0;
  // Recognisable results: LADD counts the steps, the others follow it.
  ExecutionResultsRecord &res = record->ExecutionResultsRecord;
  res.LADD = static_cast<float>(step);
  res.ADD = res.LADD + 1;
  res.LADC = res.LADD + 2;
  res.ADC = res.LADD + 3;
  res.Cpeak = res.LADD + 4;
  res.SingleEventDose = res.LADD + 5;
  res.APDR = res.LADD + 6;
  res.APDRtime = res.LADD + 7;
  res.C15min = res.LADD + 8;
  res.C8hour = res.LADD + 9;
  if (csv) std::fclose(csv);
  csv = nullptr;
  return 1;
}
#endif

FAKE_EXPORT const char *_GetHelpString(int32_t) {
  return "";
}
FAKE_EXPORT int32_t _SayHello(void *) {
  return 0;
}
