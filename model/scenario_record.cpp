// The scenario record's padding.
#include "scenario_record.h"

#include <cstring>

namespace lumo {

void ScenarioRecord::ZeroPadding() {
  std::memset(Pad141, 0, sizeof Pad141);
  std::memset(Pad161, 0, sizeof Pad161);
  std::memset(Pad17A, 0, sizeof Pad17A);
  std::memset(Pad199, 0, sizeof Pad199);
  std::memset(Pad1A9, 0, sizeof Pad1A9);
  std::memset(Pad2E2, 0, sizeof Pad2E2);
  std::memset(Sinks.Pad1, 0, sizeof Sinks.Pad1);
  std::memset(Pad3E2, 0, sizeof Pad3E2);
  std::memset(WeekDayPattern.Padding, 0, sizeof WeekDayPattern.Padding);
  std::memset(WeekEndPattern.Padding, 0, sizeof WeekEndPattern.Padding);
  std::memset(PadB1D, 0, sizeof PadB1D);
}

}  // namespace lumo
