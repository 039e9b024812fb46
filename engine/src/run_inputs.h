// Reading a TransferRecord into the engine's own structures, widened to
// double precision, with the checks that keep a run finite and safe.
//
// A record is rejected (no run) when
//  - Zones is not 1 or 2;
//  - AirFlowRecordOne has fewer than 2 entries or AirFlowRecordTwo fewer than 4
//    (whatever the number of zones);
//  - any list has a negative count, or a positive count with a null address,
//    or PrimaryDaysList is null;
//  - StartTime or EndTime is not finite, lies outside ±kClockLimit days, or
//    EndTime < StartTime;
//  - ReportInterval is not a finite positive number that advances the clock;
//  - BodyWeight or AverageLifeTime is not finite and positive;
//  - the volume of a zone the run has is not finite and positive;
//  - any other number the run uses is not finite (the saturation
//    concentration may be +infinity: no limit);
//  - its fastest rate of exchange exceeds kMaxExchangeRate (substep_count.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "emission_source.h"
#include "lumo32.h"
#include "node_table.h"
#include "occupant_schedule.h"
#include "sink_node.h"

namespace lumo {

// Beyond this many days from clock 0 the 30-second step is no longer resolved
// finely enough by the clock.
inline constexpr double kClockLimit = 1.0e6;

struct RunConstants {
  double saturationConcentration;  // mg/m³
  double startTime;                // days
  double endTime;                  // days
  double reportInterval;           // days
  double eventsPerYear;            // 1/year
  double bodyWeight;               // kg
  double yearsOfExposure;          // years
  double averageLifeTime;          // days
};

struct RunInputs {
  NodeTable nodes;
  std::vector<double> initialConcentrations;  // one per node
  std::vector<EmissionSource> sources;        // list order
  std::vector<SinkNode> sinks;                // first-order sinks, then Langmuir sinks
  std::vector<PatternEntry> primaryPattern;
  std::vector<PatternEntry> secondaryPattern;
  std::vector<OverrideEntry> overrides;
  std::array<int32_t, 7> primaryDays{};
  RunConstants constants{};
  int substeps = 1;  // equal parts of each 30-second step (substep_count.h)
};

// The run's inputs, or nothing for a rejected record.
std::optional<RunInputs> readRunInputs(const TransferRecord &record);

}  // namespace lumo
