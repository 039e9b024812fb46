// Whether a scenario's painting fits the painting schedule, and the
// sentence that says why not.
//
// The schedule holds at most 800 work periods (one per day of priming and
// of painting). Every edit that changes the amount of work (volume, share
// painted, loading ratio, coats, coverage, application rates, painters,
// hours per day) is held against it before it is kept, so that a refused
// value never reaches the scenario. The functions here look at a record
// only: the scenario's saved schedule is never touched.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scenario_record.h"

namespace lumo {

// The input an edit changed, so that a refusal can name it and say how far
// it may go. Choice covers every edit that is not one number (a building,
// a surface, the person, a dialog of several fields).
enum class ScheduleInput {
  Choice,
  BuildingVolume,
  BoxVolume,
  PercentPainted,
  LoadingRatio,
  PrimerCoats,
  PaintCoats,
  PrimerCoverage,
  PaintCoverage,
  PrimerApplicationRate,
  PaintApplicationRate,
  Painters,
  PrimerWorkHours,
  PaintWorkHours,
};

// True when the schedule of `record` needs at most 800 rows.
bool ScheduleFits(const ScenarioRecord &record);

// Days of priming plus days of painting (whole days, each rounded up), as
// the Painting Duration dialog shows them.
std::int64_t ScheduleDaysNeeded(const ScenarioRecord &record);

// Nothing when the schedule of `record` fits. Otherwise the sentence for
// the user: the value of `edited` and the days it needs, the limit, and
// (for a number) the largest or smallest value that fits with the other
// inputs as they are, or else what to change.
std::optional<std::string> ScheduleRefusal(const ScenarioRecord &record, ScheduleInput edited);

}  // namespace lumo
