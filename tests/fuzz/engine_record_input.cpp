#include "engine_record_input.h"

#include <algorithm>

namespace lumo::fuzz {
namespace {

constexpr std::uint8_t kNegativeCount = 0xFF;
constexpr std::uint8_t kNullList = 0xFE;

// Reads a list's count byte and entries into `storage`; returns the count
// and address the record gets.
template <typename T, typename ReadEntry>
void ReadList(FuzzBytes &in, std::vector<T> &storage, std::int32_t &entries, T *&list,
              ReadEntry readEntry) {
  const std::uint8_t count = in.U8();
  if (count == kNegativeCount) {
    storage.resize(1);
    entries = -1;
    list = storage.data();
    return;
  }
  if (count == kNullList) {
    entries = std::min<std::int32_t>(in.U8(), kMaxListEntries);
    list = nullptr;
    return;
  }
  const int n = std::min<int>(count, kMaxListEntries);
  storage.resize(n);
  for (T &entry : storage) readEntry(entry);
  entries = n;
  list = n > 0 ? storage.data() : nullptr;
}

template <typename T, typename WriteEntry>
void WriteList(FuzzWriter &out, std::int32_t entries, const T *list, WriteEntry writeEntry) {
  if (entries < 0) {
    out.U8(kNegativeCount);
    return;
  }
  const int n = std::min<std::int32_t>(entries, kMaxListEntries);
  if (n > 0 && list == nullptr) {
    out.U8(kNullList);
    out.U8(static_cast<std::uint8_t>(n));
    return;
  }
  out.U8(static_cast<std::uint8_t>(n));
  for (int i = 0; i < n; ++i) writeEntry(list[i]);
}

}  // namespace

void ReadEngineRecord(FuzzBytes &in, EngineRecordInput &out) {
  TransferRecord &r = out.record;
  const std::uint8_t zones = in.U8();
  r.Zones = zones == 0xFF ? in.I32() : 1 + (zones & 1);
  r.InitialConcentrationRecord = {in.F32(), in.F32(), in.F32()};
  r.VolumeRecord = {in.F32(), in.F32()};

  ReadList(in, out.airFlowOne, r.AirFlowRecordOne.Entries, r.AirFlowRecordOne.List,
           [&](float &f) { f = in.F32(); });
  ReadList(in, out.airFlowTwo, r.AirFlowRecordTwo.Entries, r.AirFlowRecordTwo.List,
           [&](float &f) { f = in.F32(); });
  auto activity = [&](ActivityRecord &a) {
    a.Zone = in.I32();
    a.Days = in.F32();
    a.BreathingRate = in.F32();
  };
  ReadList(in, out.primary, r.PrimaryActivityList.Entries, r.PrimaryActivityList.List, activity);
  ReadList(in, out.secondary, r.SecondaryActivityList.Entries, r.SecondaryActivityList.List,
           activity);
  ReadList(in, out.overrides, r.OverrideActivityList.Entries, r.OverrideActivityList.List,
           [&](OverrideRecord &o) {
             o.Zone = in.I32();
             o.EnterTime = in.F32();
             o.ExitTime = in.F32();
             o.BreathingRate = in.F32();
           });
  ReadList(in, out.emissions, r.EmissionRateIncrementalList.Entries,
           r.EmissionRateIncrementalList.List, [&](EmissionRateIncrementalRecord &e) {
             e.Zone = in.I32();
             e.StartTime = in.F32();
             e.MassReleased = in.F32();
             e.RateConstant = in.F32();
             e.Duration = in.F32();
           });
  ReadList(in, out.firstOrderSinks, r.FirstOrderSinkList.Entries, r.FirstOrderSinkList.List,
           [&](FirstOrderSinkRecord &s) {
             s.SinkType = in.I32();
             s.Zone = in.I32();
             s.RateConstant = in.F32();
           });
  ReadList(in, out.langmuirSinks, r.LangmuirSinkList.Entries, r.LangmuirSinkList.List,
           [&](LangmuirSinkRecord &s) {
             s.SinkType = in.I32();
             s.Zone = in.I32();
             s.AbsorptionRate = in.F32();
             s.DesorptionRate = in.F32();
             s.Area = in.F32();
             s.LangmuirMass = in.F32();
           });

  if (in.U8() != 0) {
    for (auto &d : out.days) d = in.I32();
    r.PrimaryDaysList = out.days.data();
  } else {
    r.PrimaryDaysList = nullptr;
  }

  r.SaturationConcentration = in.F32();
  r.StartTime = in.F32();
  r.EndTime = in.F32();
  r.ReportInterval = in.F32();
  r.EventsPerYear = in.F32();
  r.BodyWeight = in.F32();
  r.YearsofExposure = in.F32();
  r.AverageLifeTime = in.F32();

  const std::uint8_t nameLength = in.U8();
  if (nameLength == 0xFF) {
    r.filename = nullptr;
  } else {
    out.fileName = in.Bytes(nameLength);
    r.filename = out.fileName.data();  // NUL-terminated by std::string
  }
}

std::string WriteEngineRecord(const TransferRecord &r) {
  FuzzWriter out;
  out.U8(r.Zones == 1 || r.Zones == 2 ? static_cast<std::uint8_t>(r.Zones - 1) : 0xFF);
  if (r.Zones != 1 && r.Zones != 2) out.I32(r.Zones);
  out.F32(r.InitialConcentrationRecord.OutdoorC);
  out.F32(r.InitialConcentrationRecord.Zone1C);
  out.F32(r.InitialConcentrationRecord.Zone2C);
  out.F32(r.VolumeRecord.Zone1Volume);
  out.F32(r.VolumeRecord.Zone2Volume);

  auto flow = [&](float f) { out.F32(f); };
  WriteList(out, r.AirFlowRecordOne.Entries, r.AirFlowRecordOne.List, flow);
  WriteList(out, r.AirFlowRecordTwo.Entries, r.AirFlowRecordTwo.List, flow);
  auto activity = [&](const ActivityRecord &a) {
    out.I32(a.Zone);
    out.F32(a.Days);
    out.F32(a.BreathingRate);
  };
  WriteList(out, r.PrimaryActivityList.Entries, r.PrimaryActivityList.List, activity);
  WriteList(out, r.SecondaryActivityList.Entries, r.SecondaryActivityList.List, activity);
  WriteList(out, r.OverrideActivityList.Entries, r.OverrideActivityList.List,
            [&](const OverrideRecord &o) {
              out.I32(o.Zone);
              out.F32(o.EnterTime);
              out.F32(o.ExitTime);
              out.F32(o.BreathingRate);
            });
  WriteList(out, r.EmissionRateIncrementalList.Entries, r.EmissionRateIncrementalList.List,
            [&](const EmissionRateIncrementalRecord &e) {
              out.I32(e.Zone);
              out.F32(e.StartTime);
              out.F32(e.MassReleased);
              out.F32(e.RateConstant);
              out.F32(e.Duration);
            });
  WriteList(out, r.FirstOrderSinkList.Entries, r.FirstOrderSinkList.List,
            [&](const FirstOrderSinkRecord &s) {
              out.I32(s.SinkType);
              out.I32(s.Zone);
              out.F32(s.RateConstant);
            });
  WriteList(out, r.LangmuirSinkList.Entries, r.LangmuirSinkList.List,
            [&](const LangmuirSinkRecord &s) {
              out.I32(s.SinkType);
              out.I32(s.Zone);
              out.F32(s.AbsorptionRate);
              out.F32(s.DesorptionRate);
              out.F32(s.Area);
              out.F32(s.LangmuirMass);
            });

  out.U8(r.PrimaryDaysList != nullptr ? 1 : 0);
  if (r.PrimaryDaysList != nullptr)
    for (int d = 0; d < 7; ++d) out.I32(r.PrimaryDaysList[d]);

  for (float f : {r.SaturationConcentration, r.StartTime, r.EndTime, r.ReportInterval,
                  r.EventsPerYear, r.BodyWeight, r.YearsofExposure, r.AverageLifeTime})
    out.F32(f);

  if (r.filename == nullptr) {
    out.U8(0xFF);
  } else {
    const std::string name = std::string(r.filename).substr(0, 0xFE);
    out.U8(static_cast<std::uint8_t>(name.size()));
    out.Bytes(name);
  }
  return out.Text();
}

}  // namespace lumo::fuzz
