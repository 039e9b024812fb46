// Record assembly: zones, volumes, airflows, initial concentrations, the
// activity lists, the painting-event override list, the day types and the
// sink lists.
#include "lumo_transfer.h"

#include "platform.h"
#include "zone_air.h"

namespace lumo {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

// The zone a person entry is sent as: the stored zone truncated; a zone the
// building does not have (zone 2 of a one-zone run) becomes zone 1.
std::int32_t PersonZone(double zone, std::int32_t zones) {
  std::int32_t z = TruncToInt32(zone);
  return z > zones ? 1 : z;
}

}  // namespace

LumoTransfer::LumoTransfer() : LumoTransfer(platform::ExecutableDirectory()) {}

LumoTransfer::LumoTransfer(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)), worker_(programDirectory_) {}

LumoTransfer::~LumoTransfer() = default;

std::int32_t LumoTransfer::NumZones() const {
  return ZoneAirOf(ScenarioRecord).Zones;
}

void LumoTransfer::SetVolumeRecord() {
  const ZoneAir air = ZoneAirOf(ScenarioRecord);
  record_.VolumeRecord.Zone1Volume = air.Zone1Volume;
  record_.VolumeRecord.Zone2Volume = air.Zone2Volume;
}

void LumoTransfer::SetAirFlowRecordOne() {
  const float flow = ZoneAirOf(ScenarioRecord).OutdoorFlow1;
  airFlowOne_ = {flow, flow};
  record_.AirFlowRecordOne = {2, airFlowOne_.data()};
}

void LumoTransfer::SetAirFlowRecordTwo() {
  const ZoneAir air = ZoneAirOf(ScenarioRecord);
  // Four values also with one zone: the engine expects them.
  airFlowTwo_ = {air.OutdoorFlow2, air.OutdoorFlow2, air.InterzonalFlow, air.InterzonalFlow};
  record_.AirFlowRecordTwo = {4, airFlowTwo_.data()};
}

void LumoTransfer::SetInitialConcentrationRecord() {
  record_.InitialConcentrationRecord = {0.0f, 0.0f, 0.0f};
}

void LumoTransfer::FillActivityList(const ActivityPattern &pattern,
                                    std::array<ActivityRecord, kMaxActivityEntries> &storage,
                                    ActivityList &list) const {
  int n = pattern.Entries();
  std::int32_t zones = NumZones();
  // The first entry is moved to midnight, and every other one with it.
  double t0 = n >= 1 ? pattern.EnterHour[0] / 24.0 + pattern.EnterMinute[0] / 1440.0 : 0.0;
  for (int i = 0; i < n; ++i) {
    storage[i].Zone = PersonZone(pattern.Zone[i], zones);
    storage[i].Days = F(pattern.EnterHour[i] / 24.0 + pattern.EnterMinute[i] / 1440.0 - t0);
    storage[i].BreathingRate = F(pattern.BreathingRate[i]);
  }
  list = {n, storage.data()};
}

void LumoTransfer::SetPrimaryActivityPatternList() {
  FillActivityList(ScenarioRecord.WeekDayPattern, weekdayActivities_, record_.PrimaryActivityList);
}

void LumoTransfer::SetSecondaryActivityPatternList() {
  FillActivityList(ScenarioRecord.WeekEndPattern, weekendActivities_,
                   record_.SecondaryActivityList);
}

void LumoTransfer::SetOverridePatternList() {
  const lumo::PaintDurationGrid &grid = PaintDurationGrid();
  using G = lumo::PaintDurationGrid;
  int rows = grid.Rows();
  std::int32_t zones = NumZones();
  auto number = [&](int column, int row) { return grid.CellNumber(column, row).value_or(0.0); };
  double offset = 0;
  for (int r = 0; r < rows; ++r) {
    // Rows on the same day share an offset; each later day adds its
    // distance in days from the previous row's day.
    if (r > 0) offset += DayDifference(grid.Cell(G::kStartDay, r), grid.Cell(G::kStartDay, r - 1));
    OverrideRecord &o = overrides_[r];
    o.Zone = PersonZone(number(G::kZone, r), zones);
    o.BreathingRate = F(number(G::kBreathingRate, r));
    o.EnterTime = F(TimetoDays(number(G::kStartMinute, r), number(G::kStartHour, r), offset));
    o.ExitTime = F(TimetoDays(number(G::kEndMinute, r), number(G::kEndHour, r), offset));
  }
  record_.OverrideActivityList = {rows, overrides_.data()};
}

void LumoTransfer::SetPrimaryDaysList() {
  // Slot 0 is the day painting starts on: 1 = weekday pattern, 0 = weekend.
  Days d = ScenarioRecord.StartDay;
  for (auto &type : dayTypes_) {
    type = (d == Days::Sat || d == Days::Sun) ? 0 : 1;
    d = NextDay(d);
  }
  record_.PrimaryDaysList = dayTypes_.data();
}

void LumoTransfer::SetFirstOrderSinkList() {
  const SinkBlock &s = ScenarioRecord.Sinks;
  if (s.SinkModel != SinkModelType::OneWay) {
    record_.FirstOrderSinkList = {0, nullptr};
    return;
  }
  for (int i = 0; i < kSinkEntries; ++i) {
    firstOrderSinks_[i].Zone = SinkZone(i);
    firstOrderSinks_[i].RateConstant = FirstOrderSinkRate(s, i);
  }
  record_.FirstOrderSinkList = {kSinkEntries, firstOrderSinks_.data()};
}

void LumoTransfer::SetLangmuirSinkList() {
  const SinkBlock &s = ScenarioRecord.Sinks;
  if (s.SinkModel != SinkModelType::Reversible) {
    record_.LangmuirSinkList = {0, nullptr};
    return;
  }
  for (int i = 0; i < kSinkEntries; ++i) {
    LangmuirSinkRecord &l = langmuirSinks_[i];
    l.Zone = SinkZone(i);
    l.AbsorptionRate = SinkUptake(s, i);
    l.DesorptionRate = SinkRelease(s, i);
    l.Area = SinkArea(s, i);
    l.LangmuirMass = 0.0f;  // sinks start empty
  }
  record_.LangmuirSinkList = {kSinkEntries, langmuirSinks_.data()};
}

}  // namespace lumo
