#include "scenario_run.h"

#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "assemble_engine_inputs.h"
#include "result_text.h"
#include "results_provenance.h"

namespace lumo::comparison {

namespace {

// A file name in the temporary folder no other run of this or another
// process uses.
std::filesystem::path SeriesFileName() {
  static std::atomic<unsigned long> counter{0};
  static const unsigned long salt = std::random_device{}();
  return std::filesystem::temp_directory_path() /
         ("lumo-series-" + std::to_string(salt) + "-" + std::to_string(++counter) + ".csv");
}

}  // namespace

Results ResultsOf(const ExecutionResultsRecord &r) {
  return {r.LADD, r.ADD,      r.LADC,   r.ADC,   r.Cpeak, r.SingleEventDose,
          r.APDR, r.APDRtime, r.C15min, r.C8hour};
}

Results StoredResults(const ScenarioRecord &record) {
  Results out{};
  for (std::size_t i = 0; i < kResultFields.size(); ++i) out[i] = record.*kResultFields[i].value;
  return out;
}

ScenarioRun RunScenario(const EngineRuns &engine, const TLumoState &scenario, bool withSeries) {
  ScenarioRun run;
  const ScenarioRecord &record = scenario.ScenarioRecord;
  if (!withSeries &&
      ClassifyResults(record, scenario.PaintDurationGrid()) == ResultsState::Current) {
    run.ok = true;
    run.fromFile = true;
    run.results = StoredResults(record);
    return run;
  }
  try {
    EngineRunInputs inputs = AssembleEngineInputs(record, scenario.PaintDurationGrid());
    const TransferRecord bound = BindRecord(inputs);
    if (!withSeries) {
      const EngineRuns::Outcome outcome = engine.Run(bound);
      run.ok = outcome.ok;
      run.problem = outcome.problem;
      if (outcome.ok) run.results = ResultsOf(outcome.results);
      return run;
    }
    const std::filesystem::path file = SeriesFileName();
    const EngineRuns::Outcome outcome = engine.Run(bound, file.string());
    std::ostringstream bytes;
    {
      std::ifstream in(file, std::ios::binary);
      bytes << in.rdbuf();
    }
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    run.ok = outcome.ok;
    run.problem = outcome.problem;
    if (!outcome.ok) return run;
    run.results = ResultsOf(outcome.results);
    std::string why;
    run.series = ParseConcentrationSeries(bytes.str(), &why);
    if (!run.series)
      run.problem = "The concentrations over time could not be read back (" + why + ").";
  } catch (const std::exception &e) {
    run.ok = false;
    run.problem = e.what();
  }
  return run;
}

void ForEachIndex(std::size_t count, unsigned threads, const std::atomic<bool> *stop,
                  const std::function<void(std::size_t)> &work,
                  const std::function<void(std::size_t, std::size_t)> &progress) {
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, count));
  std::atomic<std::size_t> next{0}, done{0};
  std::mutex progressMutex;
  auto worker = [&] {
    for (;;) {
      if (stop && stop->load()) return;
      const std::size_t i = next++;
      if (i >= count) return;
      work(i);
      const std::size_t finished = ++done;
      if (progress) {
        std::lock_guard<std::mutex> lock(progressMutex);
        progress(finished, count);
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread &t : pool) t.join();
}

}  // namespace lumo::comparison
