// The scenario object with the engine's inputs: construction and the zones.
#include "lumo_transfer.h"

#include "platform.h"
#include "program_layout.h"
#include "zone_air.h"

namespace lumo {

LumoTransfer::LumoTransfer() : LumoTransfer(platform::RunningProgramLayout()) {}

LumoTransfer::LumoTransfer(std::string programDirectory)
    : LumoTransfer(platform::LayoutInOneFolder(programDirectory)) {}

LumoTransfer::LumoTransfer(const platform::ProgramLayout &layout)
    : programDirectory_(layout.engineDirectory),
      diagnosticsDirectory_(layout.diagnosticsDirectory),
      startupScenario_(layout.StartupScenario()),
      worker_(programDirectory_) {}

LumoTransfer::~LumoTransfer() = default;

std::int32_t LumoTransfer::NumZones() const {
  return ZoneAirOf(ScenarioRecord).Zones;
}

}  // namespace lumo
