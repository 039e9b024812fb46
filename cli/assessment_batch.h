// The output of one distribution file assessed over several scenarios (a
// screening run): each scenario's summary one after another, or a JSON
// array of their objects; a scenario that was refused or failed appears as
// its name and the message. The samples of all of them go into one CSV
// file, with the scenario's name in a first column "Scenario".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assessment.h"
#include "assessment_report.h"
#include "assessment_run.h"

namespace lumo::cli {

struct ScenarioAssessment {
  AssessmentHeading heading;               // heading.scenario is always set
  std::optional<prob::AssessmentRun> run;  // none: refused or failed
  std::string error;                       // why there is no run
};

std::string BatchOutput(const prob::Assessment &assessment,
                        const std::vector<ScenarioAssessment> &scenarios, bool json);

std::string BatchSamplesCsv(const prob::Assessment &assessment,
                            const std::vector<ScenarioAssessment> &scenarios);

}  // namespace lumo::cli
