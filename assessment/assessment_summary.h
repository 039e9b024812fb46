// What an assessment's cases say, result by result: the statistics of the
// main sample (statistics.h) and the sensitivity of the result to each
// varied input: Spearman's rank correlation over the main sample, the
// one-at-a-time results at the input's 5th and 95th percentiles, and the
// Sobol indices with their bootstrap intervals, each where the assessment
// asks for it. A function of the assessment and its run only: the same
// run gives the same summary, whatever the number of threads that ran it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "assessment.h"
#include "assessment_run.h"
#include "sobol.h"
#include "statistics.h"

namespace lumo::prob {

struct InputSensitivity {
  std::size_t input;                      // position in the assessment's inputs
  std::optional<double> spearman;         // asked; not a number when undefined
  std::optional<double> oatLow, oatHigh;  // one at a time: the result at P5 and P95
  std::optional<SobolIndex> firstOrder;   // S1
  std::optional<SobolIndex> total;        // ST
};

struct ResultSummary {
  std::string name;  // the engine's result name
  double deterministic;
  ResultStatistics statistics;
  std::vector<InputSensitivity> sensitivity;  // one per varied input, in input order
  std::size_t sobolRowsUsed = 0;              // base rows with every run finite
};

struct AssessmentSummary {
  std::vector<std::size_t> varied;     // positions of the varied inputs
  std::vector<ResultSummary> results;  // the ten, in the engine's order
  std::size_t iterationsRun = 0;       // main-sample iterations that ran
};

AssessmentSummary SummarizeAssessment(const Assessment &assessment, const AssessmentRun &run);

}  // namespace lumo::prob
