#include "assessment_summary.h"

#include <cmath>
#include <limits>
#include <span>

#include "one_at_a_time.h"
#include "rank_correlation.h"

namespace lumo::prob {

namespace {

std::optional<double> ReferenceFor(const Assessment &assessment, const std::string &result) {
  for (const ReferenceValue &r : assessment.reference)
    if (r.result == result) return r.value;
  return std::nullopt;
}

}  // namespace

AssessmentSummary SummarizeAssessment(const Assessment &assessment, const AssessmentRun &run) {
  AssessmentSummary summary;
  for (std::size_t j = 0; j < assessment.inputs.size(); ++j)
    if (assessment.inputs[j].Varies()) summary.varied.push_back(j);

  // A partial run's statistics use the iterations that ran, in their order;
  // the iterations not run are not counted as failed ones.
  std::vector<std::size_t> ran;
  for (std::size_t i = 0; i < run.values.size(); ++i)
    if (!run.values[i].empty()) ran.push_back(i);
  summary.iterationsRun = ran.size();

  // The drawn values of each varied input over the iterations that ran.
  std::vector<std::vector<double>> inputColumns;
  for (std::size_t j : summary.varied) {
    std::vector<double> column;
    column.reserve(ran.size());
    for (std::size_t i : ran) column.push_back(run.values[i][j]);
    inputColumns.push_back(std::move(column));
  }

  std::optional<SobolIndices> sobolOf;
  for (std::size_t r = 0; r < std::size(kResultNames); ++r) {
    ResultSummary result;
    result.name = kResultNames[r];
    result.deterministic = run.deterministic[r];
    std::vector<double> values;
    values.reserve(ran.size());
    for (std::size_t i : ran) values.push_back(run.results[i][r]);
    result.statistics =
        Summarize(values, assessment.percentiles, ReferenceFor(assessment, result.name));

    std::vector<OneAtATimeEffect> effects;
    if (!run.oneAtATime.empty()) {
      std::vector<double> oat;
      for (const CaseResults &c : run.oneAtATimeResults) oat.push_back(c[r]);
      effects = OneAtATimeEffects(run.oneAtATime, oat);
    }
    std::optional<SobolIndices> sobol;
    if (run.sobolBaseSamples > 0 && !run.partial) {
      std::vector<double> runs;
      runs.reserve(run.sobolResults.size());
      for (const CaseResults &c : run.sobolResults) runs.push_back(c[r]);
      sobol = EstimateSobolIndices(runs, run.sobolBaseSamples, summary.varied.size(),
                                   assessment.sensitivity.sobol->bootstrap, run.seed);
      result.sobolRowsUsed = sobol->rowsUsed;
    }

    for (std::size_t k = 0; k < summary.varied.size(); ++k) {
      InputSensitivity s;
      s.input = summary.varied[k];
      if (assessment.sensitivity.spearman)
        s.spearman = SpearmanCorrelation(inputColumns[k], values);
      for (const OneAtATimeEffect &e : effects)
        if (e.input == s.input) {
          s.oatLow = e.low;
          s.oatHigh = e.high;
        }
      if (sobol) {
        s.firstOrder = sobol->firstOrder[k];
        s.total = sobol->total[k];
      }
      result.sensitivity.push_back(s);
    }
    summary.results.push_back(std::move(result));
  }
  return summary;
}

}  // namespace lumo::prob
