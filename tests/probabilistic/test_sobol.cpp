// Sobol indices on functions whose indices are known in closed form: the
// Ishigami function and a product of lognormals, each driven through the
// assessment's Sobol design; rows with failed runs; reproducible bootstrap.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "assessment_file.h"
#include "sobol.h"
#include "sobol_design.h"

namespace lumo::prob {
namespace {

const std::vector<VariableField> kFields = {
    {"X1", -10, 10, false, ""}, {"X2", -10, 10, false, ""}, {"X3", -10, 10, false, ""}};

struct Known {
  std::vector<double> first, total;
};

SobolIndices RunDesign(const std::string &inputs, std::size_t baseSamples,
                       const std::function<double(const std::vector<double> &)> &f,
                       std::size_t bootstrap = 200, std::uint64_t seed = 2024) {
  const Assessment a = ReadAssessment(R"({"iterations": 10, "inputs": {)" + inputs +
                                          R"(}, "sensitivity": {"sobol": {"base-samples": )" +
                                          std::to_string(baseSamples) + R"(, "bootstrap": )" +
                                          std::to_string(bootstrap) + "}}}",
                                      kFields);
  const SobolDesign design(a, seed);
  std::vector<double> results(design.Runs());
  for (std::size_t r = 0; r < design.Runs(); ++r) results[r] = f(design.Row(r));
  return EstimateSobolIndices(results, design.BaseSamples(), design.VariedInputs().size(),
                              bootstrap, seed);
}

// The known value inside the bootstrap interval, the interval narrow enough
// to mean something.
void ExpectWithinIntervals(const SobolIndices &s, const Known &known, double width) {
  for (std::size_t k = 0; k < known.first.size(); ++k) {
    const SobolIndex &first = s.firstOrder[k], &total = s.total[k];
    ASSERT_TRUE(first.low && first.high && total.low && total.high);
    EXPECT_LE(*first.low, known.first[k]) << "S1 of input " << k << " = " << first.estimate;
    EXPECT_GE(*first.high, known.first[k]) << "S1 of input " << k << " = " << first.estimate;
    EXPECT_LE(*total.low, known.total[k]) << "ST of input " << k << " = " << total.estimate;
    EXPECT_GE(*total.high, known.total[k]) << "ST of input " << k << " = " << total.estimate;
    EXPECT_LT(*first.high - *first.low, width);
    EXPECT_LT(*total.high - *total.low, width);
  }
}

// Ishigami: f = sin x1 + a sin² x2 + b x3⁴ sin x1 on (−π, π)³, with
// V1 = ½(1 + bπ⁴/5)², V2 = a²/8, V3 = 0, V13 = b²π⁸(1/18 − 1/50),
// V = a²/8 + bπ⁴/5 + b²π⁸/18 + ½.
TEST(SobolIndices, IshigamiFunction) {
  const double a = 7, b = 0.1, pi = std::numbers::pi;
  const double pi4 = std::pow(pi, 4), pi8 = pi4 * pi4;
  const double v1 = 0.5 * (1 + b * pi4 / 5) * (1 + b * pi4 / 5), v2 = a * a / 8;
  const double v13 = b * b * pi8 * (1.0 / 18 - 1.0 / 50);
  const double v = a * a / 8 + b * pi4 / 5 + b * b * pi8 / 18 + 0.5;
  const Known known{{v1 / v, v2 / v, 0}, {(v1 + v13) / v, v2 / v, v13 / v}};
  EXPECT_NEAR(known.first[0], 0.3139, 1e-4);  // the published values
  EXPECT_NEAR(known.total[2], 0.2437, 1e-4);

  const std::string inputs =
      R"("X1": {"distribution": "uniform", "min": -3.141592653589793, "max": 3.141592653589793},
                                "X2": {"distribution": "uniform", "min": -3.141592653589793, "max": 3.141592653589793},
                                "X3": {"distribution": "uniform", "min": -3.141592653589793, "max": 3.141592653589793})";
  const SobolIndices s = RunDesign(inputs, 4096, [&](const std::vector<double> &x) {
    return std::sin(x[0]) + a * std::sin(x[1]) * std::sin(x[1]) +
           b * std::pow(x[2], 4) * std::sin(x[0]);
  });
  EXPECT_EQ(s.rowsUsed, 4096u);
  EXPECT_NEAR(s.variance, v, 0.05 * v);
  ExpectWithinIntervals(s, known, 0.15);
}

// Y = X1 X2 X3 with ln Xi ~ N(0, σi²): E[Y]² = e^{Σσ²}, V = E[Y]²(e^{Σσ²} − 1),
// Vi = E[Y]²(e^{σi²} − 1), Ti = V − E[Y]²(e^{Σ_{k≠i}σk²} − 1).
TEST(SobolIndices, ProductOfLognormals) {
  const double sigma[] = {0.2, 0.35, 0.5};
  double all = 0;
  for (double s : sigma) all += s * s;
  const double mean2 = std::exp(all), v = mean2 * (std::exp(all) - 1);
  Known known;
  for (double s : sigma) {
    known.first.push_back(mean2 * (std::exp(s * s) - 1) / v);
    known.total.push_back((v - mean2 * (std::exp(all - s * s) - 1)) / v);
  }
  std::string inputs;
  for (int k = 0; k < 3; ++k)
    inputs += (k ? ", " : "") + std::string(R"("X)") + std::to_string(k + 1) +
              R"(": {"distribution": "lognormal", "gm": 1, "gsd": )" +
              std::to_string(std::exp(sigma[k])) + "}";
  // (gsd is written with 6 decimals: within 1e-6 of e^σ.)
  const SobolIndices s =
      RunDesign(inputs, 4096, [](const std::vector<double> &x) { return x[0] * x[1] * x[2]; });
  ExpectWithinIntervals(s, known, 0.2);
}

TEST(SobolIndices, BaseRowsWithAFailedRunAreLeftOutWhole) {
  // Two inputs, N = 4: runs A(4) B(4) AB1(4) AB2(4); row 2's AB2 failed.
  const std::vector<double> results{1, 2, 3, 4, 5, 6, 7, 8, 1.5, 2.5, 3.5, 4.5, 1, 7, NAN, 4};
  const SobolIndices s = EstimateSobolIndices(results, 4, 2, 0, 1);
  EXPECT_EQ(s.rowsUsed, 3u);
  // The same as the three remaining rows alone.
  const std::vector<double> kept{1, 2, 4, 5, 6, 8, 1.5, 2.5, 4.5, 1, 7, 4};
  const SobolIndices expected = EstimateSobolIndices(kept, 3, 2, 0, 1);
  EXPECT_DOUBLE_EQ(s.variance, expected.variance);
  for (int k = 0; k < 2; ++k) {
    EXPECT_DOUBLE_EQ(s.firstOrder[k].estimate, expected.firstOrder[k].estimate);
    EXPECT_DOUBLE_EQ(s.total[k].estimate, expected.total[k].estimate);
    EXPECT_FALSE(s.firstOrder[k].low);  // no bootstrap asked
  }
  // Worked by hand for the kept rows: f_A = 1, 2, 4; f_B = 5, 6, 8.
  // V = var(1, 2, 4, 5, 6, 8): mean 13/3, Σ(f − mean)² = 100/3, V = 50/9.
  EXPECT_DOUBLE_EQ(s.variance, 50.0 / 9);
  // ST of input 1 = (1/6) Σ (f_A − f_AB1)² / V = (0.25·3)/6 / V.
  EXPECT_DOUBLE_EQ(s.total[0].estimate, 0.75 / 6 / (50.0 / 9));
  // S1 of input 2 = (1/3) Σ f_B (f_AB2 − f_A) / V = (5·0 + 6·5 + 8·0)/3 / V.
  EXPECT_DOUBLE_EQ(s.firstOrder[1].estimate, 10 / (50.0 / 9));

  const SobolIndices nothing = EstimateSobolIndices(std::vector<double>(16, NAN), 4, 2, 10, 1);
  EXPECT_EQ(nothing.rowsUsed, 0u);
  EXPECT_TRUE(std::isnan(nothing.firstOrder[0].estimate));
}

TEST(SobolIndices, ConstantResultGivesNoIndices) {
  const SobolIndices s = EstimateSobolIndices(std::vector<double>(12, 3.0), 4, 1, 20, 1);
  EXPECT_EQ(s.variance, 0);
  EXPECT_TRUE(std::isnan(s.firstOrder[0].estimate));
  EXPECT_FALSE(s.firstOrder[0].low);
}

TEST(SobolIndices, BootstrapIsReproducibleFromTheSeed) {
  std::vector<double> results(200 * 4);
  for (std::size_t r = 0; r < results.size(); ++r)
    results[r] = std::sin(static_cast<double>(r) * 0.37);
  const SobolIndices a = EstimateSobolIndices(results, 200, 2, 50, 7);
  const SobolIndices b = EstimateSobolIndices(results, 200, 2, 50, 7);
  const SobolIndices c = EstimateSobolIndices(results, 200, 2, 50, 8);
  EXPECT_EQ(a.firstOrder[0].low, b.firstOrder[0].low);
  EXPECT_EQ(a.total[1].high, b.total[1].high);
  EXPECT_NE(a.firstOrder[0].low, c.firstOrder[0].low);
  EXPECT_EQ(a.firstOrder[0].estimate, c.firstOrder[0].estimate);
}

}  // namespace
}  // namespace lumo::prob
