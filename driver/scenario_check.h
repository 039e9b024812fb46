// The check a scenario passes before it runs.
//
// A scenario file may hold anything (any 3192 bytes are accepted as a
// record), and a run of a nonsense scenario can take days, divide by zero,
// overflow the engine's floats or fill the disk. Before a run the scenario
// is held against the table of limits (field_limits.h) the program's own
// fields use; the first field outside them is reported with a sentence that
// names it, its value and its allowed range. Then the combinations the
// engine cannot run: the whole building painted ("Entire Building") with 99
// % or less of it painted, painting that needs more than the schedule's 800
// days, and air exchanged faster than the engine follows (zone_air.h).
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
