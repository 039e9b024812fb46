// The probabilistic core at the sizes of large assessments: how fast a
// design's values are read (per value), how long imposing rank correlations
// on a million iterations takes, and the statistics and Sobol indices of a
// result.
#include <benchmark/benchmark.h>

#include <cmath>

#include "assessment_file.h"
#include "sample_design.h"
#include "sobol.h"
#include "statistics.h"

namespace lumo::prob {
namespace {

const std::vector<VariableField> kFields = {
    {"A", 0, 1e9, false, ""}, {"B", 0, 1e9, false, ""}, {"C", 0, 1e9, false, ""}};

Assessment Make(const std::string &more, std::size_t iterations) {
  return ReadAssessment(R"({"iterations": )" + std::to_string(iterations) + R"(, "inputs": {
      "A": {"distribution": "lognormal", "gm": 5, "gsd": 1.9},
      "B": {"distribution": "triangular", "min": 1, "mode": 2, "max": 9},
      "C": {"distribution": "normal", "mean": 50, "sd": 5, "min": 30}})" +
                            more + "}",
                        kFields);
}

void DesignValues(benchmark::State &state, const std::string &sampling) {
  const SampleDesign design(Make(R"(, "sampling": ")" + sampling + "\"", 1'000'000), 1);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(design.Row(i));
    i = (i + 7919) % design.Iterations();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * design.Inputs()));
}
BENCHMARK_CAPTURE(DesignValues, random, std::string("random"));
BENCHMARK_CAPTURE(DesignValues, latin_hypercube, std::string("latin-hypercube"));

void ImposeCorrelations(benchmark::State &state) {
  const Assessment a = Make(R"(, "correlations": [{"between": ["A", "B"], "rank": 0.6},
                                                  {"between": ["A", "C"], "rank": -0.3}])",
                            static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SampleDesign(a, 1));
}
BENCHMARK(ImposeCorrelations)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void SummarizeResult(benchmark::State &state) {
  std::vector<double> values(static_cast<std::size_t>(state.range(0)));
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = std::exp(std::sin(i * 0.1) * 3);
  const std::vector<double> percentiles{5, 25, 50, 75, 90, 95, 99};
  for (auto _ : state) benchmark::DoNotOptimize(Summarize(values, percentiles, 10.0));
}
BENCHMARK(SummarizeResult)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void SobolWithBootstrap(benchmark::State &state) {
  const std::size_t n = 4096, p = 10;
  std::vector<double> results(n * (p + 2));
  for (std::size_t r = 0; r < results.size(); ++r) results[r] = std::sin(r * 0.37);
  for (auto _ : state) benchmark::DoNotOptimize(EstimateSobolIndices(results, n, p, 200, 1));
}
BENCHMARK(SobolWithBootstrap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumo::prob

BENCHMARK_MAIN();
