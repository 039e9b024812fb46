#include "assemble_engine_inputs.h"

#include "emission_schedule.h"
#include "lumo_state.h"
#include "scenario_check.h"
#include "zone_air.h"

namespace lumo {

namespace {

// Far above any concentration: the engine's saturation limit stays inactive.
constexpr float kSaturationConcentration = 9e33f;

float F(double v) {
  return static_cast<float>(v);
}

// The zone a person entry is sent as: the stored zone truncated; a zone the
// building does not have (zone 2 of a one-zone run) becomes zone 1.
std::int32_t PersonZone(double zone, std::int32_t zones) {
  std::int32_t z = TruncToInt32(zone);
  return z > zones ? 1 : z;
}

// The entries of an activity pattern; the first entry is moved to
// midnight, and every other one with it.
std::vector<ActivityRecord> ActivityListOf(const ActivityPattern &pattern, std::int32_t zones) {
  const int n = pattern.Entries();
  std::vector<ActivityRecord> list(static_cast<std::size_t>(n > 0 ? n : 0));
  double t0 = n >= 1 ? pattern.EnterHour[0] / 24.0 + pattern.EnterMinute[0] / 1440.0 : 0.0;
  for (int i = 0; i < n; ++i) {
    list[i].Zone = PersonZone(pattern.Zone[i], zones);
    list[i].Days = F(pattern.EnterHour[i] / 24.0 + pattern.EnterMinute[i] / 1440.0 - t0);
    list[i].BreathingRate = F(pattern.BreathingRate[i]);
  }
  return list;
}

// One entry per schedule row.
std::vector<OverrideRecord> OverrideListOf(const PaintDurationGrid &grid, std::int32_t zones) {
  using G = PaintDurationGrid;
  const int rows = grid.Rows();
  std::vector<OverrideRecord> list(static_cast<std::size_t>(rows > 0 ? rows : 0));
  auto number = [&](int column, int row) { return grid.CellNumber(column, row).value_or(0.0); };
  double offset = 0;
  for (int r = 0; r < rows; ++r) {
    // Rows on the same day share an offset; each later day adds its
    // distance in days from the previous row's day.
    if (r > 0) offset += DayDifference(grid.Cell(G::kStartDay, r), grid.Cell(G::kStartDay, r - 1));
    OverrideRecord &o = list[r];
    o.Zone = PersonZone(number(G::kZone, r), zones);
    o.BreathingRate = F(number(G::kBreathingRate, r));
    o.EnterTime = F(TimetoDays(number(G::kStartMinute, r), number(G::kStartHour, r), offset));
    o.ExitTime = F(TimetoDays(number(G::kEndMinute, r), number(G::kEndHour, r), offset));
  }
  return list;
}

// Slot 0 is the day painting starts on: 1 = weekday pattern, 0 = weekend.
std::array<std::int32_t, 7> DayTypesFrom(Days start) {
  std::array<std::int32_t, 7> types{};
  Days d = start;
  for (auto &type : types) {
    type = (d == Days::Sat || d == Days::Sun) ? 0 : 1;
    d = NextDay(d);
  }
  return types;
}

void AddSinks(const SinkBlock &s, EngineRunInputs &in) {
  if (s.SinkModel == SinkModelType::OneWay) {
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      FirstOrderSinkRecord f{};
      f.Zone = SinkZone(i);
      f.RateConstant = FirstOrderSinkRate(s, i);
      in.firstOrderSinks.push_back(f);
    }
  } else if (s.SinkModel == SinkModelType::Reversible) {
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      LangmuirSinkRecord l{};
      l.Zone = SinkZone(i);
      l.AbsorptionRate = SinkUptake(s, i);
      l.DesorptionRate = SinkRelease(s, i);
      l.Area = SinkArea(s, i);
      l.LangmuirMass = 0.0f;  // sinks start empty
      in.langmuirSinks.push_back(l);
    }
  }
}

}  // namespace

EngineAssembly AssembleEngineRecord(const ScenarioRecord &scenario,
                                    const PaintDurationGrid &schedule) {
  if (auto problem = FindScenarioProblem(scenario, schedule)) throw EScenarioCheck(*problem);

  // The scenario's derived quantities (hours, volumes, the rows a schedule
  // build gives) come from a state of its own holding a copy of the record.
  TLumoState view;
  view.ScenarioRecord = scenario;

  EngineAssembly out;
  EngineRunInputs &in = out.inputs;
  TransferRecord &r = in.record;
  const ZoneAir air = ZoneAirOf(scenario);
  r.Zones = air.Zones;
  r.VolumeRecord.Zone1Volume = air.Zone1Volume;
  r.VolumeRecord.Zone2Volume = air.Zone2Volume;
  in.airFlowOne = {air.OutdoorFlow1, air.OutdoorFlow1};
  // Four values also with one zone: the engine expects them.
  in.airFlowTwo = {air.OutdoorFlow2, air.OutdoorFlow2, air.InterzonalFlow, air.InterzonalFlow};
  r.InitialConcentrationRecord = {0.0f, 0.0f, 0.0f};
  in.primaryActivities = ActivityListOf(scenario.WeekDayPattern, air.Zones);
  in.secondaryActivities = ActivityListOf(scenario.WeekEndPattern, air.Zones);
  in.overrides = OverrideListOf(schedule, air.Zones);
  in.primaryDays = DayTypesFrom(scenario.StartDay);
  EmissionSchedule emissions = BuildEmissionSchedule(view, schedule, in.overrides);
  in.emissions = std::move(emissions.increments);
  out.emissionDump = std::move(emissions.dump);
  AddSinks(scenario.Sinks, in);

  r.SaturationConcentration = kSaturationConcentration;
  // The clock starts with the first emission increment; a scenario that
  // releases nothing starts at midnight of the first day.
  r.StartTime = in.emissions.empty() ? 0.0f : in.emissions.front().StartTime;
  r.EndTime = static_cast<float>(double(scenario.RunLength) + double(r.StartTime));
  r.ReportInterval = static_cast<float>(scenario.ReportInterval / 1440.0);
  r.EventsPerYear = static_cast<float>(scenario.EventsPerYear);
  r.BodyWeight = static_cast<float>(scenario.BodyWeight);
  r.YearsofExposure = static_cast<float>(scenario.YearsofExposure);
  r.AverageLifeTime = static_cast<float>(scenario.LifeTime * 365.0);
  in.recordFileName = CSVFileName(scenario.ScenarioFileName.Text());
  return out;
}

EngineRunInputs AssembleEngineInputs(const ScenarioRecord &scenario,
                                     const PaintDurationGrid &schedule) {
  return AssembleEngineRecord(scenario, schedule).inputs;
}

EngineRunInputs AssembleVariedInputs(const ScenarioRecord &scenario,
                                     const PaintDurationGrid &schedule,
                                     std::span<const VariedValue> values) {
  TLumoState iteration;
  iteration.ScenarioRecord = scenario;
  iteration.PaintDurationGrid() = schedule;
  ApplyVariableInputs(iteration, values);
  return AssembleEngineInputs(iteration.ScenarioRecord, iteration.PaintDurationGrid());
}

}  // namespace lumo
