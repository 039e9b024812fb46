// The factory-default scenario, the real engine and assessments written as
// distribution files, for the tests of running assessments.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "assessment_file.h"
#include "assessment_run.h"
#include "chemical_file.h"
#include "default_scenario.h"
#include "engine_runs.h"
#include "lumo_transfer.h"
#include "temp_dir.h"
#include "variable_fields.h"
#include "variable_inputs.h"

namespace lumo::test {

inline prob::Assessment AssessmentOf(const std::string &json) {
  return prob::ReadAssessment(json, prob::ScenarioVariableFields());
}

class AssessmentTest : public ::testing::Test {
 protected:
  TempDir programDir;  // the scenario's own files would go here: it must stay empty
  std::unique_ptr<LumoTransfer> scenario;
  static inline std::unique_ptr<EngineRuns> engine;

  static void SetUpTestSuite() {
    if (!engine) engine = std::make_unique<EngineRuns>(LUMO_BIN_DIR);
  }
  void SetUp() override {
    scenario = std::make_unique<LumoTransfer>(programDir.Path());
    TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
    SetStartupScenario(*scenario, chemicals);
  }
  prob::AssessmentRun Run(const std::string &json, unsigned threads = 2) {
    const prob::Assessment a = AssessmentOf(json);
    prob::RunOptions options;
    options.threads = threads;
    return prob::RunAssessment(*scenario, a, a.seed.value_or(1), *engine, options);
  }
};

}  // namespace lumo::test
