// The report's Probabilistic page as printed: everything needed to repeat
// the run, a stopped run marked partial, intervals on two lines that fit.
#include "probabilistic_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "assessment_file.h"
#include "recording_canvas.h"
#include "variable_fields.h"

namespace lumo::report {
namespace {

struct Fixture {
  prob::Assessment assessment = prob::ReadAssessment(
      R"({"iterations": 40, "seed": 99, "sampling": "random",
          "inputs": {"BodyWeight": {"distribution": "normal", "mean": 70, "sd": 8, "min": 40},
                     "LifeTime": {"distribution": "uniform", "min": 65, "max": 85}},
          "correlations": [{"between": ["BodyWeight", "LifeTime"], "rank": 0.3}],
          "reference": {"LADD": 1}})",
      prob::ScenarioVariableFields());
  prob::AssessmentRun run = prob::EmptyAssessmentRun(assessment, 99);

  // The first `done` iterations with results i + 1 for every result.
  void Ran(std::size_t done) {
    for (std::size_t i = 0; i < done; ++i) {
      run.values[i] = {70, 75};
      run.results[i].fill(static_cast<double>(i + 1));
    }
    run.deterministic.fill(20);
    run.casesRun = done;
    run.partial = done < assessment.iterations;
  }
  QStringList Printed(ProbabilisticReport report) {
    controls::RecordingCanvas canvas;
    canvas.BeginDoc("test");
    DrawProbabilisticPages(canvas, report, false);
    canvas.EndDoc();
    QStringList texts;
    for (const auto &op : canvas.Texts()) texts << op.text;
    images = 0;
    for (const auto &op : canvas.Ops()) images += op.kind == controls::PrintOp::Image;
    return texts;
  }
  int images = 0;
};

TEST(ProbabilisticReport, PrintsWhatRepeatsTheRunAndMarksAStoppedOne) {
  Fixture f;
  f.Ran(25);
  const auto summary = prob::SummarizeAssessment(f.assessment, f.run);
  ProbabilisticHeading heading{"house.vkx", "/data/house.mc.json", "1.0.0", false};
  const QString all =
      f.Printed(BuildProbabilisticReport(f.assessment, f.run, summary, heading, {})).join('\n');
  for (const char *expected :
       {"BodyWeight", "normal", "mean 70", "40 and above", "LifeTime", "min 65; max 85",
        "BodyWeight and LifeTime: rank correlation 0.3", "Seed: 99", "Iterations: 40 (25 run)",
        "simple random", "LUMO 1.0.0", "/data/house.mc.json", "LADD 1", "PARTIAL RESULTS"})
    EXPECT_TRUE(all.contains(expected)) << expected;
  EXPECT_EQ(f.images, 5);

  // An interval is printed as two lines, neither holding the whole range.
  EXPECT_FALSE(all.contains(" – "));
  EXPECT_TRUE(all.contains("– "));
}

TEST(ProbabilisticReport, WithoutResultsThePageSaysSoAndPrintsNoTable) {
  Fixture f;
  const QStringList printed = f.Printed(NoProbabilisticReport());
  EXPECT_TRUE(printed.join('\n').contains("No probabilistic assessment"));
  EXPECT_FALSE(printed.join('\n').contains("Seed"));
  EXPECT_EQ(f.images, 0);
}

}  // namespace
}  // namespace lumo::report
