// Whether the scenario differs from its file.
//
// The window remembers what a save writes (the record, and the rows of the
// painting schedule) when a scenario is opened, saved or started afresh, and
// compares the scenario of the moment with it. So an edit typed back to the
// value it had leaves nothing to save, and anything a save would write
// differently (an input, a text, the results of a run) does. Bytes that are
// no part of what a file means are left out: padding, characters beyond a
// text's length, schedule rows beyond its row count.
#pragma once

#include <string>

#include "paint_duration_grid.h"
#include "scenario_record.h"

namespace lumo {

class SavedScenario {
 public:
  // Takes the scenario as it stands as the one its file holds.
  void Remember(const ScenarioRecord &record, const PaintDurationGrid &schedule);
  // True when saving now would write other bytes than those remembered.
  bool Differs(const ScenarioRecord &record, const PaintDurationGrid &schedule) const;

 private:
  std::string record_;
  std::string schedule_;
};

}  // namespace lumo
