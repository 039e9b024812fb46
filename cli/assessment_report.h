// How lumo-run prints a probabilistic assessment: a summary for people (the
// program's number format, result by result), one JSON object for other
// programs, and the samples file with every iteration's drawn inputs and
// ten results.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "assessment.h"
#include "assessment_run.h"
#include "assessment_summary.h"

namespace lumo::cli {

// What the report says about where the assessment came from.
struct AssessmentHeading {
  std::string scenario;          // the scenario file (or the start-up scenario's name)
  std::string distributionFile;  // DIST.json as named
  bool seedChosen = false;       // the file gave no seed: one was picked
  std::string version;           // the program's version
};

std::string AssessmentText(const AssessmentHeading &heading, const prob::Assessment &assessment,
                           const prob::AssessmentRun &run, const prob::AssessmentSummary &summary);

nlohmann::ordered_json AssessmentJson(const AssessmentHeading &heading,
                                      const prob::Assessment &assessment,
                                      const prob::AssessmentRun &run,
                                      const prob::AssessmentSummary &summary);

// The samples as CSV: "Iteration", the inputs (in the assessment's order),
// then the ten results; one row per iteration that ran, numbers in their
// shortest exact form, an empty cell for a result the iteration has not.
std::string SamplesCsv(const prob::Assessment &assessment, const prob::AssessmentRun &run);

// A percentile as a JSON key: "5", "97.5".
std::string PercentileKey(double percentile);

}  // namespace lumo::cli
