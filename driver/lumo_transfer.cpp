// Record assembly: zones, volumes, airflows, initial concentrations, the
// activity lists, the painting-event override list, the day types and the
// sink lists.
#include "lumo_transfer.h"

#include "platform.h"

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
  return ScenarioRecord.PercentPainted > 99 ? 1 : 2;
}

void LumoTransfer::SetVolumeRecord() {
  const auto &s = ScenarioRecord;
  double f = s.BldgArea != BldgArea::EntireBldg ? s.PercentPainted / 100.0 : 1.0;
  record_.VolumeRecord.Zone1Volume = F(kCubicFeetToCubicMetres * s.BldgVolume * f);
  // When zone 1 is the whole building, zone 2 has no volume (rather than
  // the rounding residue of the subtraction, which can be negative).
  record_.VolumeRecord.Zone2Volume =
      f >= 1.0
          ? 0.0f
          : F(kCubicFeetToCubicMetres * s.BldgVolume - double(record_.VolumeRecord.Zone1Volume));
}

void LumoTransfer::SetAirFlowRecordOne() {
  double flow =
      double(record_.VolumeRecord.Zone1Volume) * ScenarioRecord.AirExchangeRate * kHoursPerDay;
  airFlowOne_ = {F(flow), F(flow)};
  record_.AirFlowRecordOne = {2, airFlowOne_.data()};
}

void LumoTransfer::SetAirFlowRecordTwo() {
  double outdoor =
      double(record_.VolumeRecord.Zone2Volume) * ScenarioRecord.AirExchangeRate * kHoursPerDay;
  double interzonal = kCubicFeetToCubicMetres * ScenarioRecord.InterzonalAirflow * kHoursPerDay;
  // Four values also with one zone: the engine expects them.
  airFlowTwo_ = {F(outdoor), F(outdoor), F(interzonal), F(interzonal)};
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
    firstOrderSinks_[i].Zone = i < 3 ? 1 : 2;
    // m² × m/hr × 24 = m³/day
    firstOrderSinks_[i].RateConstant = F(s.SinkArea[i] * s.AdsorptionRate[i] * kHoursPerDay);
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
    l.Zone = i < 3 ? 1 : 2;
    l.AbsorptionRate = F(s.AdsorptionRate[i] * kHoursPerDay);  // m/day
    l.DesorptionRate = F(s.DesorptionRate[i] * kHoursPerDay);  // 1/day
    l.Area = F(s.SinkArea[i]);
    l.LangmuirMass = 0.0f;  // sinks start empty
  }
  record_.LangmuirSinkList = {kSinkEntries, langmuirSinks_.data()};
}

}  // namespace lumo
