// The scenario object with the engine's inputs: construction and the zones.
#include "lumo_transfer.h"

#include "platform.h"
#include "zone_air.h"

namespace lumo {

LumoTransfer::LumoTransfer() : LumoTransfer(platform::ExecutableDirectory()) {}

LumoTransfer::LumoTransfer(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)), worker_(programDirectory_) {}

LumoTransfer::~LumoTransfer() = default;

std::int32_t LumoTransfer::NumZones() const {
  return ZoneAirOf(ScenarioRecord).Zones;
}

}  // namespace lumo
