#include "engine_harness.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lumo_test {

const Engine &engine() {
  static const Engine bound = [] {
    void *lib = dlopen(LUMO32_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) throw std::runtime_error(dlerror());
    auto find = [lib](const char *name) {
      void *symbol = dlsym(lib, name);
      if (symbol == nullptr) throw std::runtime_error(std::string("missing export ") + name);
      return symbol;
    };
    return Engine{reinterpret_cast<Lumo32InitFn>(find("_InitLmuo")),
                  reinterpret_cast<Lumo32OneLoopFn>(find("_OneLoop")),
                  reinterpret_cast<Lumo32GetValuesFn>(find("_GetValues")),
                  reinterpret_cast<Lumo32GetHelpStringFn>(find("_GetHelpString")),
                  reinterpret_cast<Lumo32SayHelloFn>(find("_SayHello")),
                  reinterpret_cast<Lumo32CreateRunFn>(find("lumo32_CreateRun")),
                  reinterpret_cast<Lumo32StepRunFn>(find("lumo32_StepRun")),
                  reinterpret_cast<Lumo32RunToEndFn>(find("lumo32_RunToEnd")),
                  reinterpret_cast<Lumo32RunResultsFn>(find("lumo32_RunResults")),
                  reinterpret_cast<Lumo32FreeRunFn>(find("lumo32_FreeRun"))};
  }();
  return bound;
}

TransferRecord *Scenario::build() {
  TransferRecord &r = record;
  r.Zones = zones;
  r.InitialConcentrationRecord = {outdoorC, zone1C, zone2C};
  r.AirFlowRecordOne = {static_cast<int32_t>(flowsOne.size()), flowsOne.data()};
  r.AirFlowRecordTwo = {static_cast<int32_t>(flowsTwo.size()), flowsTwo.data()};
  r.VolumeRecord = {volume1, volume2};
  r.PrimaryActivityList = {static_cast<int32_t>(primary.size()), primary.data()};
  r.SecondaryActivityList = {static_cast<int32_t>(secondary.size()), secondary.data()};
  r.OverrideActivityList = {static_cast<int32_t>(overrides.size()), overrides.data()};
  r.PrimaryDaysList = primaryDays.data();
  r.EmissionRateIncrementalList = {static_cast<int32_t>(sources.size()), sources.data()};
  r.FirstOrderSinkList = {static_cast<int32_t>(firstOrderSinks.size()), firstOrderSinks.data()};
  r.LangmuirSinkList = {static_cast<int32_t>(langmuirSinks.size()), langmuirSinks.data()};
  r.SaturationConcentration = saturation;
  r.StartTime = start;
  r.EndTime = end;
  r.ReportInterval = reportInterval;
  r.EventsPerYear = eventsPerYear;
  r.BodyWeight = bodyWeight;
  r.YearsofExposure = yearsOfExposure;
  r.AverageLifeTime = lifetime;
  r.filename = csvName.data();
  return &r;
}

int32_t initRun(Scenario &scenario, const char *csvPath, const char *dumpPath) {
  return engine().init(scenario.build(), dumpPath, csvPath);
}

ExecutionResultsRecord finishRun(Scenario &scenario) {
  for (int calls = 0;; ++calls) {
    const double percent = engine().oneLoop();
    if (percent < 0.0) throw std::runtime_error("run failed");
    if (percent > 99.99) break;
    if (calls > 10'000'000) throw std::runtime_error("run does not finish");
  }
  if (engine().getValues() != 1) throw std::runtime_error("no results");
  return scenario.record.ExecutionResultsRecord;
}

ExecutionResultsRecord runToEnd(Scenario &scenario, const char *csvPath) {
  if (initRun(scenario, csvPath) != 1) throw std::runtime_error("record rejected");
  return finishRun(scenario);
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lumo32-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool isOpenInThisProcess(const std::string &path) {
  const std::filesystem::path file = std::filesystem::weakly_canonical(path);
  std::error_code error;
  for (const auto &fd : std::filesystem::directory_iterator("/proc/self/fd", error)) {
    const std::filesystem::path target = std::filesystem::read_symlink(fd.path(), error);
    if (!error && target == file) return true;
  }
  return false;
}

std::vector<std::vector<std::string>> readCsv(const std::string &path) {
  std::vector<std::vector<std::string>> rows;
  const std::string text = readFile(path);
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
    std::vector<std::string> fields;
    std::stringstream line(text.substr(begin, end - begin));
    for (std::string field; std::getline(line, field, ',');) fields.push_back(field);
    rows.push_back(fields);
  }
  EXPECT_EQ(begin, text.size()) << "text after the last CR LF";
  return rows;
}

std::vector<double> rowValues(const std::vector<std::string> &row) {
  std::vector<double> values;
  for (const std::string &field : row) {
    values.push_back(field.empty() ? std::nan("") : std::stod(field));
  }
  return values;
}

std::vector<std::vector<double>> reportRows(const Scenario &s, const std::string &csvPath) {
  std::vector<std::vector<double>> rows;
  const auto lines = readCsv(csvPath);
  for (std::size_t n = 1; n < lines.size(); ++n) {
    std::vector<double> row = rowValues(lines[n]);
    const double t = std::min(double(s.start) + (n - 1) * double(s.reportInterval), double(s.end));
    expectPrinted(row[0], t);
    row[0] = t;
    rows.push_back(row);
  }
  return rows;
}

}  // namespace lumo_test
