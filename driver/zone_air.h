// The indoor air as the engine receives it: the number of zones, their
// volumes (m³) and the airflows (m³/day), each rounded to a 32-bit float as
// the record holds it, and how fast each zone's air is exchanged.
//
// The record assembly and the check before a run both take these numbers
// from here, and the check sums them in the engine's order, so it judges
// exactly what the engine will be sent and decides as the engine does. The
// engine integrates each 30-second step in sub-steps up to a limit and
// refuses a record whose fastest rate of exchange exceeds
// LUMO32_MAX_EXCHANGE_RATE per day: per indoor zone, the flows out of it
// plus its sinks' uptake over its volume, and each reversible sink's
// release.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "lumo32.h"
#include "scenario_record.h"

namespace lumo {

// ft³ to m³, and per hour to per day.
inline constexpr double kCubicFeetToCubicMetres = 0.0283;
inline constexpr double kHoursPerDay = 24.0;

struct ZoneAir {
  std::int32_t Zones;    // 1 when more than 99 % of the building is painted, else 2
  float Zone1Volume;     // m³, the painted zone
  float Zone2Volume;     // m³, the rest (0 when zone 1 is the whole building)
  float OutdoorFlow1;    // m³/day between outdoors and zone 1, each way
  float OutdoorFlow2;    // m³/day between outdoors and zone 2, each way
  float InterzonalFlow;  // m³/day between the zones, each way
};

ZoneAir ZoneAirOf(const ScenarioRecord &scenario);

// The sinks as the record holds them: a first-order sink's rate constant
// (m² × m/hour × 24, m³/day); a reversible sink's uptake (m/day), release
// (1/day) and area (m²). Sinks 1 to 3 are in zone 1, 4 to 6 in zone 2.
float FirstOrderSinkRate(const SinkBlock &sinks, int sink);
float SinkUptake(const SinkBlock &sinks, int sink);
float SinkRelease(const SinkBlock &sinks, int sink);
float SinkArea(const SinkBlock &sinks, int sink);
inline int SinkZone(int sink) {
  return sink < 3 ? 1 : 2;
}

// The fastest rate of exchange the engine follows, per day.
inline constexpr double kMaxExchangeRatePerDay = LUMO32_MAX_EXCHANGE_RATE;

// The first zone or sink of `scenario` that exchanges faster than the
// engine follows, as a sentence naming the inputs and the limit per hour;
// nothing when all are within it.
std::optional<std::string> FindExchangeProblem(const ScenarioRecord &scenario);

}  // namespace lumo
