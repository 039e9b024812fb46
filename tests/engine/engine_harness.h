// Test harness for the engine: binds liblumo32.so by full path through its
// exports, exactly as the program does, and builds TransferRecords whose
// arrays it owns. Every test drives the library only through the exports.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "lumo32.h"

namespace lumo_test {

struct Engine {
  Lumo32InitFn init;
  Lumo32OneLoopFn oneLoop;
  Lumo32GetValuesFn getValues;
  Lumo32GetHelpStringFn helpString;
  Lumo32SayHelloFn sayHello;
  // Runs of the caller's own.
  Lumo32CreateRunFn createRun;
  Lumo32StepRunFn stepRun;
  Lumo32RunToEndFn runToEnd;
  Lumo32RunResultsFn runResults;
  Lumo32FreeRunFn freeRun;
};

// The library, loaded once per process.
const Engine &engine();

inline constexpr double kStep = 1.0 / 2880.0;  // the engine's 30-second step, days

// A scenario with owned lists. Defaults: one zone of 50 m³, no flows, clean
// air, no sources or sinks, the person in zone 1 all day breathing 20 m³/day,
// a 1-day run reported hourly, and exposure factors that make LADC equal the
// exposure sum (EventsPerYear = YearsofExposure = AverageLifeTime = 1).
struct Scenario {
  int32_t zones = 1;
  float outdoorC = 0, zone1C = 0, zone2C = 0;
  std::vector<float> flowsOne{0, 0};
  std::vector<float> flowsTwo{0, 0, 0, 0};
  float volume1 = 50, volume2 = 100;
  std::vector<ActivityRecord> primary{{1, 0.0f, 20.0f}};
  std::vector<ActivityRecord> secondary{{1, 0.0f, 20.0f}};
  std::vector<OverrideRecord> overrides;
  std::array<int32_t, 7> primaryDays{1, 1, 1, 1, 1, 0, 0};
  std::vector<EmissionRateIncrementalRecord> sources;
  std::vector<FirstOrderSinkRecord> firstOrderSinks;
  std::vector<LangmuirSinkRecord> langmuirSinks;
  float saturation = 9e33f;
  float start = 0, end = 1, reportInterval = 1.0f / 24;
  float eventsPerYear = 1, bodyWeight = 70, yearsOfExposure = 1, lifetime = 1;
  std::string csvName = "run.csv";

  TransferRecord record{};

  // Points the record at the lists above; the scenario must not move afterwards.
  TransferRecord *build();
};

// Initialises the scenario's run (1 or 0 as _InitLmuo returns).
int32_t initRun(Scenario &scenario, const char *csvPath = nullptr, const char *dumpPath = nullptr);

// Runs an initialised run to its end and returns its results; throws when
// the run fails.
ExecutionResultsRecord finishRun(Scenario &scenario);

// initRun + finishRun; the run must be accepted.
ExecutionResultsRecord runToEnd(Scenario &scenario, const char *csvPath = nullptr);

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  std::string file(const std::string &name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::string &path);

// True while this process holds a file descriptor for the file at path.
bool isOpenInThisProcess(const std::string &path);

// The CSV's lines (without CR LF) split into fields.
std::vector<std::vector<std::string>> readCsv(const std::string &path);

// The numeric fields of a CSV data row, by column (NaN for the empty field).
std::vector<double> rowValues(const std::vector<std::string> &row);

// The data rows of the scenario's CSV as numbers, each row's printed time
// checked against the report grid and replaced by its exact value.
std::vector<std::vector<double>> reportRows(const Scenario &s, const std::string &csvPath);

}  // namespace lumo_test

namespace lumo_test {

// A CSV number (six significant digits) against its exact value, allowing
// also an absolute error for values near 0.
inline void expectPrinted(double printed, double exact, double absolute = 1e-12) {
  const double scale = exact < 0 ? -exact : exact;
  EXPECT_NEAR(printed, exact, 6e-6 * scale + absolute);
}

}  // namespace lumo_test
