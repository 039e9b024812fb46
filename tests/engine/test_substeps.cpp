// Rates of exchange far faster than the 30-second step, against exact
// solutions at every CSV row. Each step is integrated in n = ceil(hλ / 0.5)
// equal Runge-Kutta sub-steps, so a decaying mode may deviate from its
// exponential by at most about 8e-4 per unit of λt (the step's error at
// hλ = 0.5); the allowance below is 1e-3 per unit of λt on the decaying part,
// plus the CSV's six digits. A step not divided, or divided too little,
// grows or falls far outside it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "engine_harness.h"

namespace lumo_test {
namespace {

constexpr double kReportInterval = 1.0 / 2048;  // a 30-second step and a 12.2-second one

std::vector<std::vector<double>> runRows(Scenario &s) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");
  runToEnd(s, csv.c_str());
  return reportRows(s, csv);
}

// A printed value against its exact value steady + decaying, where the
// decaying part has fallen through λt.
void expectExact(double printed, double steady, double decaying, double lambdaT,
                 double absolute = 1e-300) {
  const double exact = steady + decaying;
  EXPECT_NEAR(printed, exact,
              6e-6 * std::fabs(exact) + 1e-3 * lambdaT * std::fabs(decaying) + absolute);
}

// R(z) of the classical Runge-Kutta step applied to dC/dt = -λC, z = hλ.
double rk4Factor(double z) {
  return 1 - z + z * z / 2 - z * z * z / 6 + z * z * z * z / 24;
}

TEST(SubSteps, FastDecayFollowsTheExponentialAtEveryRow) {
  for (double hLambda : {10.0, 100.0, 500.0}) {  // 500: the fastest rate accepted
    for (bool generalLoop : {false, true}) {
      SCOPED_TRACE(testing::Message() << "h lambda " << hLambda << ", general " << generalLoop);
      const double lambda = hLambda / kStep;  // per day
      const int n = static_cast<int>(std::ceil(hLambda / 0.5));
      const double c0 = 1e30;
      Scenario s;
      s.volume1 = 2;
      s.flowsOne = {static_cast<float>(2 * lambda), static_cast<float>(2 * lambda)};
      s.zone1C = static_cast<float>(c0);
      if (generalLoop) s.langmuirSinks = {{2, 5, 1e9f, 1e9f, 1, 0}};  // no zone 5: never acts
      s.reportInterval = static_cast<float>(kReportInterval);
      s.end = static_cast<float>(40 * kReportInterval);
      const auto rows = runRows(s);
      ASSERT_EQ(rows.size(), 41u);

      // The chemical leaves for the outdoors, a volume of 1e60 m³, where it
      // stays: the zone tends to steady = c0 × 2 / 1e60 instead of 0.
      const double steady = c0 * 2e-60;
      // Per report, n sub-steps of the 30-second step and n of the 12.2-second one.
      const double perReport = std::pow(rk4Factor(lambda * kStep / n), n) *
                               std::pow(rk4Factor(lambda * (kReportInterval - kStep) / n), n);
      double scheme = c0 - steady;
      for (const auto &row : rows) {
        const double t = row[0];
        expectPrinted(row[2], steady + scheme, 1e-300);
        expectExact(row[2], steady, (c0 - steady) * std::exp(-lambda * t), lambda * t);
        scheme *= perReport;
      }
    }
  }
}

// x(t) = e^{At} x0 for a 2×2 matrix with real eigenvalues μ1 > μ2, split
// into its slow part (along μ1) and its fast part (along μ2).
struct Modes {
  std::array<long double, 2> slow, fast;
};

Modes exactModes(const long double A[2][2], std::array<long double, 2> x0, long double t) {
  const long double tau = (A[0][0] + A[1][1]) / 2;
  const long double delta =
      std::sqrt((A[0][0] - A[1][1]) * (A[0][0] - A[1][1]) / 4 + A[0][1] * A[1][0]);
  const long double mu1 = tau + delta, mu2 = tau - delta;
  // e^{At} = e^{μ1 t} (A - μ2 I) / (μ1 - μ2) - e^{μ2 t} (A - μ1 I) / (μ1 - μ2)
  Modes m{};
  for (int i = 0; i < 2; ++i) {
    long double along1 = 0, along2 = 0;
    for (int j = 0; j < 2; ++j) {
      const long double a = A[i][j];
      along1 += ((i == j ? a - mu2 : a) * x0[j]) / (mu1 - mu2);
      along2 -= ((i == j ? a - mu1 : a) * x0[j]) / (mu1 - mu2);
    }
    m.slow[i] = std::exp(mu1 * t) * along1;
    m.fast[i] = std::exp(mu2 * t) * along2;
  }
  return m;
}

TEST(SubSteps, TwoZonesWithAFastEigenvalueFollowTheExactSolution) {
  // A 0.25 m³ zone exchanging 5000 m³/day each way with a 40 m³ zone, both
  // ventilated with clean air: λ1 = 5050 / 0.25 = 20200 per day (hλ = 7, 15
  // sub-steps) next to a slow mode of about 3.7 per day.
  const long double V1 = 0.25, V2 = 40, a = 50, b = 100, q = 5000;
  Scenario s;
  s.zones = 2;
  s.volume1 = 0.25f;
  s.volume2 = 40;
  s.flowsOne = {50, 50};
  s.flowsTwo = {100, 100, 5000, 5000};
  s.zone1C = 10;
  s.zone2C = 1;
  s.reportInterval = static_cast<float>(kReportInterval);
  s.end = static_cast<float>(64 * kReportInterval);
  const long double A[2][2] = {{-(a + q) / V1, q / V1}, {q / V2, -(b + q) / V2}};
  const long double fastRate =
      -((A[0][0] + A[1][1]) / 2 -
        std::sqrt((A[0][0] - A[1][1]) * (A[0][0] - A[1][1]) / 4 + A[0][1] * A[1][0]));
  const auto rows = runRows(s);
  ASSERT_EQ(rows.size(), 65u);
  for (const auto &row : rows) {
    const Modes m = exactModes(A, {10, 1}, row[0]);
    for (int i = 0; i < 2; ++i) {
      expectExact(row[2 + i], double(m.slow[i]), double(m.fast[i]), double(fastRate * row[0]));
    }
    // Only the slow mode is left after the first report.
    if (row[0] > 0) {
      EXPECT_LT(std::fabs(double(m.fast[0])), 1e-3 * double(m.slow[0]));
    }
  }
}

TEST(SubSteps, SourceIntoAFastFlushedZoneReachesTheExactSteadyState) {
  // 0.5 m³ flushed with 20000 m³/day of air at 0.2 mg/m³ (λ = 40000 per day,
  // 28 sub-steps), fed 1000 mg/day: C = 0.2 + 1000 / 20000 = 0.25.
  Scenario s;
  s.volume1 = 0.5f;
  s.flowsOne = {20000, 20000};
  s.outdoorC = 0.2f;
  s.sources = {{1, 0, 10000, 1e4f, 10}};  // 10000 mg over 10 days, applied within seconds
  s.end = 1;
  const auto rows = runRows(s);
  ASSERT_EQ(rows.size(), 25u);
  EXPECT_EQ(rows[0][2], 0.0);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    expectPrinted(rows[r][2], 0.25);
    expectPrinted(rows[r][4], 0.25);  // the person in zone 1
  }
  EXPECT_FLOAT_EQ(s.record.ExecutionResultsRecord.Cpeak, 0.25f);
  EXPECT_NEAR(s.record.ExecutionResultsRecord.C8hour, 0.25, 1e-6);
}

TEST(SubSteps, LangmuirSinkWithFastReleaseFollowsTheExactSolution) {
  // A closed 50 m³ zone, ka = 25 m/day, A = 2 m²: the sink gives back its
  // 100 mg at kd A = 10000 or 60000 per day (7 or 42 sub-steps). With
  // M = V C + L fixed, C relaxes at λ = A (ka / V + kd) towards
  // C∞ = M / (V + ka / kd), where L∞ = (ka / kd) C∞.
  for (float kd : {5000.0f, 30000.0f}) {
    SCOPED_TRACE(kd);
    Scenario s;
    s.langmuirSinks = {{2, 1, 25, kd, 2, 100}};
    s.reportInterval = static_cast<float>(kReportInterval);
    s.end = static_cast<float>(32 * kReportInterval);
    const double M = 100, V = 50, lambda = 2 * (25 / V + kd);
    const double cInf = M / (V + 25 / double(kd)), lInf = 25 / double(kd) * cInf;
    const auto rows = runRows(s);
    ASSERT_EQ(rows.size(), 33u);
    for (const auto &row : rows) {
      const double e = std::exp(-lambda * row[0]);
      expectExact(row[2], cInf, -cInf * e, lambda * row[0]);
      expectExact(row[3], lInf, (M - lInf) * e, lambda * row[0]);
      expectPrinted(V * row[2] + row[3], M);
    }
  }
}

// Each way a record can reach the fastest rate of exchange, scaled by
// `factor`: the flows out of a zone and its sinks' uptake over its volume, a
// reversible sink's release, and parts of them that add up.
struct FastWay {
  const char *name;
  std::function<void(Scenario &, float rate)> apply;
};

TEST(SubSteps, FastestRateIsAcceptedAndFasterRefused) {
  constexpr float kMax = static_cast<float>(LUMO32_MAX_EXCHANGE_RATE);
  const std::vector<FastWay> ways = {
      {"zone 1 to outdoors",
       [](Scenario &s, float r) {
         s.flowsOne = {r, r};
       }},
      {"zone 1 to zone 2",
       [](Scenario &s, float r) {
         s.flowsTwo = {0, 0, r, r};
       }},
      {"zone 2 to outdoors and zone 1",
       [](Scenario &s, float r) {
         s.flowsTwo = {0, 0.25f * r, 0, 0.75f * r};
       }},
      {"first-order sink and flows",
       [](Scenario &s, float r) {
         s.flowsOne = {0, 0.5f * r};
         s.firstOrderSinks = {{1, 1, 0.25f * r}, {1, 1, 0.25f * r}};
       }},
      {"Langmuir uptake",
       [](Scenario &s, float r) {
         s.langmuirSinks = {{2, 2, r / 4, 0, 4, 0}};
       }},
      {"Langmuir release",
       [](Scenario &s, float r) {
         s.langmuirSinks = {{2, 1, 1, r / 2, 2, 5}};
       }},
      {"outdoor sink's release",
       [](Scenario &s, float r) {
         s.langmuirSinks = {{2, 0, 0, r, 1, 5}};
       }},
  };
  for (const FastWay &way : ways) {
    SCOPED_TRACE(way.name);
    for (float factor : {1.0f, 1.0001f}) {
      Scenario s;
      s.zones = 2;
      s.volume1 = s.volume2 = 1;
      s.outdoorC = 1;
      s.end = 0.002f;
      s.reportInterval = 0.001f;
      way.apply(s, kMax * factor);
      if (factor == 1.0f) {
        const ExecutionResultsRecord r = runToEnd(s);
        EXPECT_TRUE(r.Cpeak >= 0.0f && r.Cpeak <= 5.0f) << r.Cpeak;
      } else {
        EXPECT_EQ(initRun(s), 0);
        EXPECT_EQ(engine().oneLoop(), 100.0);
      }
    }
  }

  Scenario inert;  // a one-zone run: zone 2 and its sinks never act
  inert.flowsTwo = {1e30f, 1e30f, 1e30f, 1e30f};
  inert.firstOrderSinks = {{1, 2, 1e30f}};
  inert.langmuirSinks = {{2, 2, 1e30f, 1e30f, 1, 0}};
  EXPECT_EQ(initRun(inert), 1);
}

}  // namespace
}  // namespace lumo_test
