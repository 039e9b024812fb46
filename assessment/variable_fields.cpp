#include "variable_fields.h"

#include "variable_inputs.h"

namespace lumo::prob {

const std::vector<VariableField> &ScenarioVariableFields() {
  static const std::vector<VariableField> fields = [] {
    std::vector<VariableField> f;
    for (const VariableInputLimits &l : VariableInputLimitsList())
      f.push_back({l.name, l.min, l.max, l.integer, l.unit});
    return f;
  }();
  return fields;
}

}  // namespace lumo::prob
