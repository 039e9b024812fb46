#include "run_inputs.h"

#include <cmath>

#include "record_lists.h"
#include "substep_count.h"

namespace lumo {
namespace {

bool finite(double v) {
  return std::isfinite(v);
}
bool positive(double v) {
  return std::isfinite(v) && v > 0.0;
}

bool listsReadable(const TransferRecord &r) {
  return isReadable(r.AirFlowRecordOne.Entries, r.AirFlowRecordOne.List) &&
         isReadable(r.AirFlowRecordTwo.Entries, r.AirFlowRecordTwo.List) &&
         isReadable(r.PrimaryActivityList.Entries, r.PrimaryActivityList.List) &&
         isReadable(r.SecondaryActivityList.Entries, r.SecondaryActivityList.List) &&
         isReadable(r.OverrideActivityList.Entries, r.OverrideActivityList.List) &&
         isReadable(r.EmissionRateIncrementalList.Entries, r.EmissionRateIncrementalList.List) &&
         isReadable(r.FirstOrderSinkList.Entries, r.FirstOrderSinkList.List) &&
         isReadable(r.LangmuirSinkList.Entries, r.LangmuirSinkList.List) &&
         r.PrimaryDaysList != nullptr;
}

bool clockUsable(const TransferRecord &r) {
  const double start = r.StartTime;
  const double end = r.EndTime;
  const double interval = r.ReportInterval;
  if (!finite(start) || !finite(end) || end < start) return false;
  if (std::fabs(start) > kClockLimit || std::fabs(end) > kClockLimit) return false;
  if (!positive(interval)) return false;
  // Each report must move the clock, wherever it stands in the run.
  const double widest = std::fmax(std::fabs(start), std::fabs(end));
  return widest + interval / 2.0 > widest;
}

NodeTable buildNodes(const TransferRecord &r) {
  NodeTable nodes;
  nodes.count = r.Zones + 1;
  nodes.volume = {kOutdoorVolume, r.VolumeRecord.Zone1Volume,
                  nodes.count == 3 ? double(r.VolumeRecord.Zone2Volume) : 0.0};
  for (int i = 0; i < nodes.count; ++i) nodes.invVolume[i] = 1.0 / nodes.volume[i];

  const float *one = r.AirFlowRecordOne.List;
  nodes.pairs = {{0, 1, one[0]}, {1, 0, one[1]}};
  if (nodes.count == 3) {
    const float *two = r.AirFlowRecordTwo.List;
    nodes.pairs.insert(nodes.pairs.end(),
                       {{0, 2, two[0]}, {2, 0, two[1]}, {1, 2, two[2]}, {2, 1, two[3]}});
  }
  return nodes;
}

std::vector<PatternEntry> readPattern(const ActivityList &list) {
  std::vector<PatternEntry> pattern;
  for (const ActivityRecord &a : entriesOf(list.Entries, list.List)) {
    pattern.push_back({a.Days, a.Zone, a.BreathingRate});
  }
  return pattern;
}

bool patternFinite(const std::vector<PatternEntry> &pattern) {
  for (const PatternEntry &e : pattern) {
    if (!finite(e.startOfDay) || !finite(e.breathingRate)) return false;
  }
  return true;
}

}  // namespace

std::optional<RunInputs> readRunInputs(const TransferRecord &r) {
  if (r.Zones < 1 || r.Zones > 2) return std::nullopt;
  if (!listsReadable(r)) return std::nullopt;
  if (r.AirFlowRecordOne.Entries < 2 || r.AirFlowRecordTwo.Entries < 4) return std::nullopt;
  if (!clockUsable(r)) return std::nullopt;
  if (!positive(r.BodyWeight) || !positive(r.AverageLifeTime)) return std::nullopt;
  if (!finite(r.EventsPerYear) || !finite(r.YearsofExposure)) return std::nullopt;
  if (std::isnan(r.SaturationConcentration) || r.SaturationConcentration == -INFINITY) {
    return std::nullopt;
  }

  RunInputs in;
  in.nodes = buildNodes(r);
  for (int i = 1; i < in.nodes.count; ++i) {
    if (!positive(in.nodes.volume[i])) return std::nullopt;
  }
  for (const ZonePair &pair : in.nodes.pairs) {
    if (!finite(pair.flow)) return std::nullopt;
  }

  const InitialConcentrationRecord &c0 = r.InitialConcentrationRecord;
  in.initialConcentrations = {c0.OutdoorC, c0.Zone1C};
  if (in.nodes.count == 3) in.initialConcentrations.push_back(c0.Zone2C);
  for (double c : in.initialConcentrations) {
    if (!finite(c)) return std::nullopt;
  }

  const auto &emissions = r.EmissionRateIncrementalList;
  for (const EmissionRateIncrementalRecord &e : entriesOf(emissions.Entries, emissions.List)) {
    const EmissionSource src{e.Zone, e.StartTime, e.MassReleased, e.RateConstant, e.Duration};
    if (!in.nodes.hasNode(src.node)) continue;  // never acts
    if (!finite(src.start) || !finite(src.mass) || !finite(src.rate) || !finite(src.duration)) {
      return std::nullopt;
    }
    in.sources.push_back(src);
  }

  for (const FirstOrderSinkRecord &s :
       entriesOf(r.FirstOrderSinkList.Entries, r.FirstOrderSinkList.List)) {
    in.sinks.push_back({SinkKind::kFirstOrder, s.Zone, s.RateConstant, 0.0, 0.0, 0.0});
  }
  for (const LangmuirSinkRecord &s :
       entriesOf(r.LangmuirSinkList.Entries, r.LangmuirSinkList.List)) {
    in.sinks.push_back(
        {SinkKind::kLangmuir, s.Zone, s.AbsorptionRate, s.DesorptionRate, s.Area, s.LangmuirMass});
  }
  for (const SinkNode &s : in.sinks) {
    // A sink outside the run's nodes never acts, but its loading is reported.
    if (!finite(s.initialLoading)) return std::nullopt;
    if (in.nodes.hasNode(s.node) && (!finite(s.uptake) || !finite(s.release) || !finite(s.area))) {
      return std::nullopt;
    }
  }

  const double fastest = fastestExchangeRate(in.nodes, in.sinks);
  if (!(fastest <= kMaxExchangeRate)) return std::nullopt;
  in.substeps = substepCount(fastest);

  in.primaryPattern = readPattern(r.PrimaryActivityList);
  in.secondaryPattern = readPattern(r.SecondaryActivityList);
  if (!patternFinite(in.primaryPattern) || !patternFinite(in.secondaryPattern)) {
    return std::nullopt;
  }
  const auto &overrides = r.OverrideActivityList;
  for (const OverrideRecord &o : entriesOf(overrides.Entries, overrides.List)) {
    if (!finite(o.EnterTime) || !finite(o.ExitTime) || !finite(o.BreathingRate)) {
      return std::nullopt;
    }
    in.overrides.push_back({o.EnterTime, o.ExitTime, o.Zone, o.BreathingRate});
  }
  for (int d = 0; d < 7; ++d) in.primaryDays[d] = r.PrimaryDaysList[d];

  in.constants = {r.SaturationConcentration, r.StartTime,  r.EndTime,         r.ReportInterval,
                  r.EventsPerYear,           r.BodyWeight, r.YearsofExposure, r.AverageLifeTime};
  return in;
}

}  // namespace lumo
