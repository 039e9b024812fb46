// Starting distributions the assessment window offers (never imposes) for
// inputs where published figures exist, chosen by the scenario's person and
// building, each with the source it comes from. The help document of the
// window ("Probabilistic.kbn") lists the same figures and sources.
#pragma once

#include <optional>
#include <string>

#include "assessment_draft.h"
#include "scenario_record.h"

namespace lumo::prob {

struct OfferedDistribution {
  InputDraft input;    // varied, in the stored unit
  std::string source;  // one sentence: the figures and where they come from
};

// The offer for the input in this scenario, or none.
std::optional<OfferedDistribution> OfferedDistributionFor(const std::string &name,
                                                          const ScenarioRecord &scenario);

}  // namespace lumo::prob
