// The flags beside the main window's fields whose values lie far outside
// their typical ranges (model/typical_ranges.h): a warning sign at the end
// of the field, whose hover text says why. The value is kept as it is.
#pragma once

#include "scenario_record.h"

class QWidget;

namespace lumo::ui {

// Shows or hides the flag of each field under `window` for `scenario`.
void ShowPlausibilityFlags(QWidget *window, const ScenarioRecord &scenario);

}  // namespace lumo::ui
