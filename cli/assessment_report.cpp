#include "assessment_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "assessment_file.h"
#include "number_format.h"
#include "result_report.h"
#include "result_text.h"

namespace lumo::cli {

using prob::Assessment;
using prob::AssessmentRun;
using prob::AssessmentSummary;
using prob::InputSensitivity;
using prob::ResultSummary;

namespace {

const char *SamplingName(prob::Sampling s) {
  return s == prob::Sampling::LatinHypercube ? "latin-hypercube" : "random";
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string TrimmedRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The program's result format, or "-" where there is no number.
std::string Result(double value) {
  return std::isfinite(value) ? FormatResult(value) : "-";
}
std::string Result(const std::optional<double> &value) {
  return value ? Result(*value) : "-";
}

std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Interval(const std::optional<double> &low, const std::optional<double> &high,
                     std::string (*format)(const std::optional<double> &)) {
  return "[" + format(low) + ", " + format(high) + "]";
}

std::string Share(const std::optional<double> &v) {
  return v ? Fixed(*v, 3) : "-";
}

// The strongest sensitivity measure an input has for a result, for ranking:
// the total Sobol index, else |Spearman|, else the one-at-a-time swing.
double Strength(const InputSensitivity &s) {
  if (s.total && std::isfinite(s.total->estimate)) return s.total->estimate;
  if (s.spearman && std::isfinite(*s.spearman)) return std::fabs(*s.spearman);
  if (s.oatLow && s.oatHigh && std::isfinite(*s.oatHigh - *s.oatLow))
    return std::fabs(*s.oatHigh - *s.oatLow);
  return -1;
}

nlohmann::ordered_json Pair(const std::optional<double> &low, const std::optional<double> &high) {
  return nlohmann::ordered_json::array({low ? Number(*low) : nlohmann::ordered_json(),
                                        high ? Number(*high) : nlohmann::ordered_json()});
}

const ResultField &FieldOf(const ResultSummary &r) {
  for (const ResultField &f : kResultFields)
    if (r.name == f.name) return f;
  return kResultFields[0];
}

}  // namespace

std::string PercentileKey(double percentile) {
  return prob::FormatNumber(percentile);
}

std::string AssessmentText(const AssessmentHeading &h, const Assessment &a,
                           const AssessmentRun &run, const AssessmentSummary &summary) {
  std::string out = "Probabilistic assessment of: " + h.scenario + "\n";
  out += "  Distribution file: " + h.distributionFile + "\n";
  out += "  Sampling: " +
         std::string(a.sampling == prob::Sampling::LatinHypercube ? "Latin hypercube"
                                                                  : "random (Monte Carlo)") +
         ", " + std::to_string(a.iterations) + " iterations, seed " + std::to_string(run.seed) +
         (h.seedChosen ? " (chosen for this run: put it in the file to repeat the run)" : "") +
         "\n";
  if (run.partial)
    out += "  PARTIAL: stopped after " + std::to_string(summary.iterationsRun) + " of " +
           std::to_string(a.iterations) +
           " iterations; the figures below are of those iterations only\n";
  out += "  Inputs:";
  if (a.inputs.empty()) out += " none";
  out += "\n";
  for (const prob::AssessmentInput &in : a.inputs)
    out += "    " + Padded(in.name, 28) + " " + FamilyName(in.distribution.Shape()) +
           (in.Varies() ? "" : " (held at one value)") +
           (in.field.unit.empty() ? "" : ", " + in.field.unit) + "\n";
  if (run.casesFailed > 0) {
    out += "  Cases without results: " + std::to_string(run.casesFailed) + " of " +
           std::to_string(run.casesRun) + " run (left out of the statistics)\n";
    // The first few reasons; the JSON output keeps more.
    const std::size_t shown = std::min<std::size_t>(run.failures.size(), 5);
    for (std::size_t k = 0; k < shown; ++k)
      out += "    " + run.failures[k].what + ": " + run.failures[k].problem + "\n";
    if (run.casesFailed > shown)
      out += "    ... and " + std::to_string(run.casesFailed - shown) + " more\n";
  }

  for (const ResultSummary &r : summary.results) {
    const ResultField &field = FieldOf(r);
    const prob::ResultStatistics &s = r.statistics;
    out += "\n" + r.name + "  " + field.label + " (" + field.unit + ")\n";
    out += "  deterministic " + Result(r.deterministic) + "   mean " + Result(s.mean) + "   sd " +
           Result(s.sd) + "   min " + Result(s.min) + "   max " + Result(s.max) + "\n";
    if (s.excluded > 0)
      out += "  " + std::to_string(s.count) + " iterations with a value, " +
             std::to_string(s.excluded) + " without\n";
    out += "  percentile   value       95 % confidence interval\n";
    for (const prob::PercentileEstimate &p : s.percentiles)
      out += "  " + Padded("P" + PercentileKey(p.percentile), 12) + " " +
             Padded(Result(p.value), 11) + " " + Interval(p.low, p.high, Result) + "\n";
    if (s.exceedance)
      out += "  P(" + r.name + " > " + Result(s.exceedance->reference) +
             ") = " + Fixed(s.exceedance->probability, 4) + " [" + Fixed(s.exceedance->low, 4) +
             ", " + Fixed(s.exceedance->high, 4) + "]\n";
    if (!s.convergence.empty()) {
      out += "  convergence (iterations: mean, P95):";
      for (std::size_t k = 0; k < s.convergence.size(); ++k)
        out += std::string(k ? ";" : "") + " " + std::to_string(s.convergence[k].iterations) +
               ": " + Result(s.convergence[k].mean) + ", " + Result(s.convergence[k].p95);
      out += "\n";
    }
    if (r.sensitivity.empty()) continue;
    const InputSensitivity &first = r.sensitivity.front();
    std::string head = "  " + Padded("sensitivity", 28);
    if (first.spearman) head += " " + Padded("Spearman", 9);
    if (first.oatLow) head += " " + Padded("at P5", 10) + " " + Padded("at P95", 10);
    if (first.firstOrder) head += " " + Padded("S1 [95 % CI]", 26) + " ST [95 % CI]";
    out += TrimmedRight(head) + "\n";
    std::vector<InputSensitivity> ranked = r.sensitivity;
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &x, const auto &y) { return Strength(x) > Strength(y); });
    for (const InputSensitivity &in : ranked) {
      std::string line = "  " + Padded(a.inputs[in.input].name, 28);
      if (in.spearman) line += " " + Padded(Fixed(*in.spearman, 3), 9);
      if (in.oatLow)
        line += " " + Padded(Result(in.oatLow), 10) + " " + Padded(Result(in.oatHigh), 10);
      if (in.firstOrder)
        line += " " +
                Padded(Share(in.firstOrder->estimate) + " " +
                           Interval(in.firstOrder->low, in.firstOrder->high, Share),
                       26) +
                " " + Share(in.total->estimate) + " " +
                Interval(in.total->low, in.total->high, Share);
      out += TrimmedRight(line) + "\n";
    }
    if (r.sobolRowsUsed > 0 && r.sobolRowsUsed < run.sobolBaseSamples)
      out += "  Sobol indices from " + std::to_string(r.sobolRowsUsed) + " of " +
             std::to_string(run.sobolBaseSamples) +
             " base samples (the others have cases without results)\n";
  }
  if (run.sobolBaseSamples > 0 && run.partial)
    out += "\nSobol indices are not given: the run was stopped before its Sobol cases were done.\n";
  return out;
}

nlohmann::ordered_json AssessmentJson(const AssessmentHeading &h, const Assessment &a,
                                      const AssessmentRun &run, const AssessmentSummary &summary) {
  using json = nlohmann::ordered_json;
  json out;
  out["scenario"] = h.scenario;
  out["distribution-file"] = h.distributionFile;
  out["iterations"] = a.iterations;
  out["seed"] = run.seed;
  out["sampling"] = SamplingName(a.sampling);
  out["version"] = h.version;
  out["partial"] = run.partial;
  out["iterations-run"] = summary.iterationsRun;
  out["cases-run"] = run.casesRun;
  out["cases-failed"] = run.casesFailed;
  json failures = json::array();
  for (const prob::CaseFailure &f : run.failures)
    failures.push_back(json{{"case", f.what}, {"problem", f.problem}});
  out["failures"] = failures;
  out["assessment"] = json::parse(prob::AssessmentToJson(a));
  out["deterministic"] = ResultsJson(run.deterministic);

  json results = json::object();
  json sensitivity = json::object();
  for (const ResultSummary &r : summary.results) {
    const prob::ResultStatistics &s = r.statistics;
    json one;
    one["count"] = s.count;
    one["excluded"] = s.excluded;
    one["mean"] = Number(s.mean);
    one["sd"] = Number(s.sd);
    one["min"] = Number(s.min);
    one["max"] = Number(s.max);
    json percentiles = json::object(), ci = json::object();
    for (const prob::PercentileEstimate &p : s.percentiles) {
      percentiles[PercentileKey(p.percentile)] = Number(p.value);
      ci[PercentileKey(p.percentile)] = Pair(p.low, p.high);
    }
    one["percentiles"] = percentiles;
    one["percentile-ci"] = ci;
    if (s.exceedance)
      one["exceedance"] = json{{"reference", Number(s.exceedance->reference)},
                               {"probability", Number(s.exceedance->probability)},
                               {"ci", Pair(s.exceedance->low, s.exceedance->high)}};
    json convergence = json::array();
    for (const prob::ConvergencePoint &c : s.convergence)
      convergence.push_back(
          json{{"iterations", c.iterations}, {"mean", Number(c.mean)}, {"p95", Number(c.p95)}});
    one["convergence"] = convergence;
    results[r.name] = one;

    json inputs = json::object();
    for (const InputSensitivity &in : r.sensitivity) {
      json m = json::object();
      if (in.spearman) m["spearman"] = Number(*in.spearman);
      if (in.oatLow) m["oat-low"] = Number(*in.oatLow);
      if (in.oatHigh) m["oat-high"] = Number(*in.oatHigh);
      if (in.firstOrder) {
        m["S1"] = Number(in.firstOrder->estimate);
        m["S1-ci"] = Pair(in.firstOrder->low, in.firstOrder->high);
      }
      if (in.total) {
        m["ST"] = Number(in.total->estimate);
        m["ST-ci"] = Pair(in.total->low, in.total->high);
      }
      inputs[a.inputs[in.input].name] = m;
    }
    sensitivity[r.name] = inputs;
  }
  out["results"] = results;
  out["sensitivity"] = sensitivity;
  return out;
}

std::string SamplesCsv(const Assessment &a, const AssessmentRun &run) {
  std::string out = "Iteration";
  for (const prob::AssessmentInput &in : a.inputs) out += "," + in.name;
  for (const ResultField &f : kResultFields) out += std::string(",") + f.name;
  out += "\n";
  auto cell = [](double v) { return std::isfinite(v) ? prob::FormatNumber(v) : std::string(); };
  for (std::size_t i = 0; i < run.values.size(); ++i) {
    if (run.values[i].empty()) continue;  // not run (a stopped assessment)
    out += std::to_string(i + 1);
    for (double v : run.values[i]) out += "," + cell(v);
    for (double v : run.results[i]) out += "," + cell(v);
    out += "\n";
  }
  return out;
}

}  // namespace lumo::cli
