// The scenario inputs a distribution file may name, as the statistical core
// checks them: the program's table of inputs that may vary (name, allowed
// range, whole numbers, unit), in the core's terms.
#pragma once

#include <vector>

#include "assessment.h"

namespace lumo::prob {

const std::vector<VariableField> &ScenarioVariableFields();

}  // namespace lumo::prob
