#include "zone_air.h"

#include "readable_number.h"

namespace lumo {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

std::string PerHour(double perDay) {
  return ReadableNumber(perDay / kHoursPerDay);
}

std::string CubicFeet(float cubicMetres) {
  return ReadableNumber(double(cubicMetres) / kCubicFeetToCubicMetres);
}

}  // namespace

ZoneAir ZoneAirOf(const ScenarioRecord &s) {
  ZoneAir air{};
  air.Zones = s.PercentPainted > 99 ? 1 : 2;
  const double f = s.BldgArea != BldgArea::EntireBldg ? s.PercentPainted / 100.0 : 1.0;
  air.Zone1Volume = F(kCubicFeetToCubicMetres * s.BldgVolume * f);
  // When zone 1 is the whole building, zone 2 has no volume (rather than
  // the rounding residue of the subtraction, which can be negative).
  air.Zone2Volume =
      f >= 1.0 ? 0.0f : F(kCubicFeetToCubicMetres * s.BldgVolume - double(air.Zone1Volume));
  air.OutdoorFlow1 = F(double(air.Zone1Volume) * s.AirExchangeRate * kHoursPerDay);
  air.OutdoorFlow2 = F(double(air.Zone2Volume) * s.AirExchangeRate * kHoursPerDay);
  air.InterzonalFlow = F(kCubicFeetToCubicMetres * s.InterzonalAirflow * kHoursPerDay);
  return air;
}

float FirstOrderSinkRate(const SinkBlock &sinks, int sink) {
  // m² × m/hr × 24 = m³/day
  return F(sinks.SinkArea[sink] * sinks.AdsorptionRate[sink] * kHoursPerDay);
}

float SinkUptake(const SinkBlock &sinks, int sink) {
  return F(sinks.AdsorptionRate[sink] * kHoursPerDay);  // m/day
}

float SinkRelease(const SinkBlock &sinks, int sink) {
  return F(sinks.DesorptionRate[sink] * kHoursPerDay);  // 1/day
}

float SinkArea(const SinkBlock &sinks, int sink) {
  return F(sinks.SinkArea[sink]);
}

std::optional<std::string> FindExchangeProblem(const ScenarioRecord &s) {
  const ZoneAir air = ZoneAirOf(s);
  const SinkBlock &sinks = s.Sinks;
  const std::string limit =
      "; the calculation can follow at most " + PerHour(kMaxExchangeRatePerDay) + " per hour. ";

  for (int zone = 1; zone <= air.Zones; ++zone) {
    const float volume = zone == 1 ? air.Zone1Volume : air.Zone2Volume;
    // m³/day leaving the zone, summed in the engine's order: the flows (to
    // the outdoors, then to the other zone), then the sinks one by one.
    double leaving = zone == 1 ? air.OutdoorFlow1 : air.OutdoorFlow2;
    if (air.Zones == 2) leaving += air.InterzonalFlow;
    const double flows = leaving;
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      if (SinkZone(i) != zone) continue;
      if (sinks.SinkModel == SinkModelType::OneWay) leaving += FirstOrderSinkRate(sinks, i);
      if (sinks.SinkModel == SinkModelType::Reversible)
        leaving += double(SinkUptake(sinks, i)) * SinkArea(sinks, i);
    }
    const double uptake = leaving - flows;  // for the message only
    const double rate = leaving / double(volume);
    if (rate <= kMaxExchangeRatePerDay) continue;
    std::string text = std::string("The air of ") +
                       (zone == 1 ? "the painted area" : "the rest of the building") +
                       " is exchanged " + PerHour(rate) + " times per hour (air exchange " +
                       ReadableNumber(s.AirExchangeRate) + " per hour";
    if (air.Zones == 2)
      text += ", interzonal airflow " + ReadableNumber(s.InterzonalAirflow) + " ft³/hour";
    if (uptake > 0) text += ", sinks " + PerHour(uptake) + " m³/hour";
    text += std::string(", ") + (zone == 1 ? "painted volume " : "volume of the rest ") +
            CubicFeet(volume) + " ft³)" + limit +
            (zone == 1 ? "Use a larger painted volume" : "Use a larger building volume") +
            (uptake > 0 ? ", smaller airflows or smaller sinks." : " or smaller airflows.");
    return text;
  }

  if (sinks.SinkModel == SinkModelType::Reversible) {
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      if (SinkZone(i) > air.Zones) continue;  // outside the run: never acts
      const double release = double(SinkRelease(sinks, i)) * SinkArea(sinks, i);
      if (release <= kMaxExchangeRatePerDay) continue;
      const std::string sink = "Sink " + std::to_string(i + 1);
      return sink + " gives its load back " + PerHour(release) +
             " times per hour (desorption rate constant " +
             ReadableNumber(sinks.DesorptionRate[i]) + " per hour on " +
             ReadableNumber(sinks.SinkArea[i]) + " m²)" + limit +
             "Use a smaller desorption rate constant or area for " + sink + ".";
    }
  }
  return std::nullopt;
}

}  // namespace lumo
