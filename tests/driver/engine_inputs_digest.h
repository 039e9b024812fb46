// Engine inputs as bytes: every value the engine reads from a record and its
// lists, field by field in the record's order, without list addresses or
// file names. Two inputs with the same bytes give the engine the same run;
// the digest pins them in a test.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "engine_run_inputs.h"

namespace lumo::test {

namespace detail {

template <typename T>
void Put(std::string &out, const T &v) {
  char bytes[sizeof v];
  std::memcpy(bytes, &v, sizeof v);
  out.append(bytes, sizeof v);
}

}  // namespace detail

inline std::string EngineInputBytes(const EngineRunInputs &in) {
  using detail::Put;
  std::string b;
  const TransferRecord &r = in.record;
  Put(b, r.Zones);
  Put(b, r.InitialConcentrationRecord.OutdoorC);
  Put(b, r.InitialConcentrationRecord.Zone1C);
  Put(b, r.InitialConcentrationRecord.Zone2C);
  Put(b, in.airFlowOne.size());
  for (float f : in.airFlowOne) Put(b, f);
  Put(b, in.airFlowTwo.size());
  for (float f : in.airFlowTwo) Put(b, f);
  Put(b, r.VolumeRecord.Zone1Volume);
  Put(b, r.VolumeRecord.Zone2Volume);
  for (const auto *list : {&in.primaryActivities, &in.secondaryActivities}) {
    Put(b, list->size());
    for (const ActivityRecord &a : *list) {
      Put(b, a.Zone);
      Put(b, a.Days);
      Put(b, a.BreathingRate);
    }
  }
  Put(b, in.overrides.size());
  for (const OverrideRecord &o : in.overrides) {
    Put(b, o.Zone);
    Put(b, o.EnterTime);
    Put(b, o.ExitTime);
    Put(b, o.BreathingRate);
  }
  for (std::int32_t d : in.primaryDays) Put(b, d);
  Put(b, in.emissions.size());
  for (const EmissionRateIncrementalRecord &e : in.emissions) {
    Put(b, e.Zone);
    Put(b, e.StartTime);
    Put(b, e.MassReleased);
    Put(b, e.RateConstant);
    Put(b, e.Duration);
  }
  Put(b, in.firstOrderSinks.size());
  for (const FirstOrderSinkRecord &f : in.firstOrderSinks) {
    Put(b, f.SinkType);
    Put(b, f.Zone);
    Put(b, f.RateConstant);
  }
  Put(b, in.langmuirSinks.size());
  for (const LangmuirSinkRecord &l : in.langmuirSinks) {
    Put(b, l.SinkType);
    Put(b, l.Zone);
    Put(b, l.AbsorptionRate);
    Put(b, l.DesorptionRate);
    Put(b, l.Area);
    Put(b, l.LangmuirMass);
  }
  for (float f : {r.SaturationConcentration, r.StartTime, r.EndTime, r.ReportInterval,
                  r.EventsPerYear, r.BodyWeight, r.YearsofExposure, r.AverageLifeTime})
    Put(b, f);
  const ExecutionResultsRecord &x = r.ExecutionResultsRecord;
  for (float f : {x.LADD, x.ADD, x.LADC, x.ADC, x.Cpeak, x.SingleEventDose, x.APDR, x.APDRtime,
                  x.C15min, x.C8hour})
    Put(b, f);
  return b;
}

// FNV-1a, 64 bits: a fixed digest on every platform and run.
inline std::uint64_t Digest(const std::string &bytes) {
  std::uint64_t h = 1469598103934665603ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

}  // namespace lumo::test
