#include "assessment_run.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "assemble_engine_inputs.h"
#include "platform.h"
#include "sample_design.h"
#include "sobol_design.h"
#include "variable_inputs.h"

namespace lumo::prob {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

CaseResults NoResults() {
  CaseResults r;
  r.fill(kNaN);
  return r;
}

CaseResults FromRecord(const ExecutionResultsRecord &e) {
  return {e.LADD, e.ADD,      e.LADC,   e.ADC,   e.Cpeak, e.SingleEventDose,
          e.APDR, e.APDRtime, e.C15min, e.C8hour};
}

// The table's entry of each input of the assessment, in its order.
std::vector<const VariableInput *> TableEntries(const Assessment &assessment) {
  std::vector<const VariableInput *> entries;
  for (const AssessmentInput &input : assessment.inputs) {
    const VariableInput *entry = FindVariableInput(input.name);
    if (!entry) throw EVariableInput("\"" + input.name + "\" is not an input that can vary");
    entries.push_back(entry);
  }
  return entries;
}

class CaseRunner {
 public:
  CaseRunner(const TLumoState &scenario, const Assessment &assessment, const EngineRuns &engine)
      : record_(scenario.ScenarioRecord),
        schedule_(scenario.PaintDurationGrid()),
        entries_(TableEntries(assessment)),
        engine_(engine) {}

  // The values as the program stores them: a whole-number input cut or
  // rounded as its field does (a value its field refuses is kept as drawn;
  // its case fails with the field's reason).
  std::vector<double> AsStored(std::vector<double> values) const {
    for (std::size_t j = 0; j < values.size(); ++j) {
      try {
        values[j] = entries_[j]->correct(values[j]);
      } catch (const std::exception &) {
      }
    }
    return values;
  }

  // The results of the scenario with these values (one per input, in the
  // assessment's order), or why there are none.
  CaseResults Run(const std::vector<double> &values, std::string *problem) const {
    std::vector<VariedValue> varied;
    varied.reserve(values.size());
    for (std::size_t j = 0; j < values.size(); ++j) varied.push_back({entries_[j], values[j]});
    try {
      EngineRunInputs inputs = AssembleVariedInputs(record_, schedule_, varied);
      const TransferRecord record = BindRecord(inputs);
      const EngineRuns::Outcome outcome = engine_.Run(record);
      if (outcome.ok) return FromRecord(outcome.results);
      *problem = outcome.problem;
    } catch (const std::exception &e) {
      *problem = e.what();
    }
    return NoResults();
  }

 private:
  const ScenarioRecord &record_;
  const PaintDurationGrid &schedule_;
  std::vector<const VariableInput *> entries_;
  const EngineRuns &engine_;
};

}  // namespace

AssessmentRun EmptyAssessmentRun(const Assessment &assessment, std::uint64_t seed) {
  AssessmentRun run;
  run.seed = seed;
  run.deterministic = NoResults();
  run.values.resize(assessment.iterations);
  run.results.assign(assessment.iterations, NoResults());
  if (assessment.sensitivity.oneAtATime) {
    run.oneAtATime = OneAtATimeCases(assessment);
    run.oneAtATimeResults.assign(run.oneAtATime.size(), NoResults());
  }
  if (assessment.sensitivity.sobol) {
    std::size_t varied = 0;
    for (const AssessmentInput &in : assessment.inputs) varied += in.Varies();
    run.sobolBaseSamples = assessment.sensitivity.sobol->baseSamples;
    run.sobolResults.assign(run.sobolBaseSamples * (varied + 2), NoResults());
  }
  return run;
}

AssessmentRun RunAssessment(const TLumoState &scenario, const Assessment &assessment,
                            std::uint64_t seed, const EngineRuns &engine,
                            const RunOptions &options) {
  AssessmentRun run;
  run.seed = seed;

  // An input the window does not let the user edit in this scenario (an
  // emission parameter of the other emission model, a sink that is not
  // there) is refused before anything runs.
  for (const VariableInput *entry : TableEntries(assessment))
    if (auto why = VariationRefusal(scenario.ScenarioRecord, *entry)) throw EVariableInput(*why);

  // Every case allocates and frees the same large blocks in the engine;
  // keeping them for reuse saves a quarter of a case's time.
  platform::RetainFreedMemory(std::size_t{64} << 20);

  // The scenario as it is: refused or failed, nothing else runs.
  {
    EngineRunInputs inputs =
        AssembleEngineInputs(scenario.ScenarioRecord, scenario.PaintDurationGrid());
    const EngineRuns::Outcome own = engine.Run(BindRecord(inputs));
    if (!own.ok) throw EEngineRuns("The scenario itself has no results: " + own.problem);
    run.deterministic = FromRecord(own.results);
  }

  const CaseRunner runner(scenario, assessment, engine);
  const SampleDesign design(assessment, seed);
  const std::size_t n = design.Iterations();
  {
    AssessmentRun empty = EmptyAssessmentRun(assessment, seed);
    empty.deterministic = run.deterministic;
    run = std::move(empty);
  }
  std::optional<SobolDesign> sobol;
  if (assessment.sensitivity.sobol) sobol.emplace(assessment, seed);

  // Cases by number: the main sample, then the one-at-a-time cases, then the
  // Sobol runs.
  // The cases asked for: all, or a shard's block.
  const std::size_t begin = std::min(options.firstCase, run.Cases());
  const std::size_t end = std::max(begin, std::min(options.endCase, run.Cases()));
  const std::size_t total = end - begin;
  const std::size_t oatStart = n;
  const std::size_t sobolStart = n + run.oneAtATime.size();
  std::atomic<std::size_t> next{begin}, done{0}, failed{0};
  std::atomic<unsigned> working{0};
  std::atomic<bool> abort{false};
  std::mutex mutex;  // guards the failures and the first error
  std::exception_ptr error;
  // The failures kept are those of the lowest case numbers, so that they do
  // not depend on which thread met which case first.
  std::vector<std::pair<std::size_t, CaseFailure>> failures;
  auto stopped = [&] { return abort.load() || (options.stop && options.stop->load()); };

  auto runCase = [&](std::size_t c) {
    std::string problem, what;
    if (c < oatStart) {
      run.values[c] = runner.AsStored(design.Row(c));
      run.results[c] = runner.Run(run.values[c], &problem);
      what = "iteration " + std::to_string(c + 1);
    } else if (c < sobolStart) {
      const std::size_t k = c - oatStart;
      run.oneAtATimeResults[k] = runner.Run(run.oneAtATime[k].values, &problem);
      what = "one-at-a-time case " + std::to_string(k + 1);
    } else {
      const std::size_t k = c - sobolStart;
      run.sobolResults[k] = runner.Run(sobol->Row(k), &problem);
      what = "Sobol run " + std::to_string(k + 1);
    }
    if (problem.empty()) return;
    ++failed;
    std::lock_guard<std::mutex> lock(mutex);
    if (failures.size() == kFailuresKept && failures.back().first < c) return;
    auto at = std::lower_bound(failures.begin(), failures.end(), c,
                               [](const auto &f, std::size_t n) { return f.first < n; });
    failures.insert(at, {c, CaseFailure{c, what, problem}});
    if (failures.size() > kFailuresKept) failures.pop_back();
  };

  // Cases are taken in small blocks in case order, so a stopped run has
  // done (nearly) the first cases.
  auto work = [&] {
    constexpr std::size_t kChunk = 8;
    try {
      for (;;) {
        const std::size_t first = next.fetch_add(kChunk);
        if (first >= end) break;
        const std::size_t last = std::min(first + kChunk, end);
        for (std::size_t c = first; c < last && !stopped(); ++c) {
          runCase(c);
          ++done;
        }
        if (stopped()) break;
      }
    } catch (...) {
      // Out of memory and the like: no case can be trusted to run; stop all.
      std::lock_guard<std::mutex> lock(mutex);
      if (!error) error = std::current_exception();
      abort = true;
    }
    --working;
  };

  unsigned threads = options.threads ? options.threads : std::thread::hardware_concurrency();
  threads = std::clamp<unsigned>(
      threads, 1u,
      static_cast<unsigned>(std::min<std::size_t>(std::max<std::size_t>(total, 1), 1024)));
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) {
    ++working;
    try {
      pool.emplace_back(work);
    } catch (...) {
      --working;  // no more threads: the ones started do the work
      break;
    }
  }
  if (pool.empty()) {
    ++working;
    work();
  }
  // Progress is reported from this thread while the workers run.
  while (working.load() > 0) {
    if (options.progress) options.progress(done.load(), total);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  for (auto &t : pool) t.join();
  if (error) std::rethrow_exception(error);
  if (options.progress) options.progress(done.load(), total);

  run.casesRun = done.load();
  run.casesFailed = failed.load();
  run.partial = run.casesRun < total;
  for (auto &f : failures) run.failures.push_back(std::move(f.second));
  return run;
}

}  // namespace lumo::prob
