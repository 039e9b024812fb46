// The check a scenario passes before it runs.
//
// A scenario file may hold anything (any 3192 bytes are accepted as a
// record), and a run of a nonsense scenario can take days, divide by zero or
// fill the disk. Before a run the scenario is held against the ranges the
// program's own fields allow; the first field outside them is reported with
// a sentence that names it and its allowed range.
#pragma once

#include <optional>
#include <string>

#include "lumo_errors.h"
#include "paint_duration_grid.h"
#include "scenario_record.h"

namespace lumo {

// Raised by a run of a scenario that fails the check; what() is the
// sentence for the user.
class EScenarioCheck : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// The first problem of the scenario, or nothing when it can run.
std::optional<std::string> FindScenarioProblem(const ScenarioRecord &scenario,
                                               const PaintDurationGrid &schedule);

}  // namespace lumo
