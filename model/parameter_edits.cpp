#include "parameter_edits.h"

#include <algorithm>
#include <cmath>

#include "exposure_events.h"
#include "field_limits.h"
#include "lumoutil.h"
#include "semi_empirical_rate.h"

namespace lumo::rules {

void StoreBuildingVolume(TLumoState &state, double cubicFeet) {
  state.ScenarioRecord.BldgVolume = cubicFeet;
  state.ScenarioRecord.InterzonalAirflow = state.CalcInterZonalAirFlow();
}

void StoreAirExchangeRate(TLumoState &state, double perHour) {
  state.ScenarioRecord.AirExchangeRate = perHour;
  state.ScenarioRecord.InterzonalAirflow = state.CalcInterZonalAirFlow();
}

void StoreExposureEvents(ScenarioRecord &r, double eventsPerYear, double years) {
  const auto counts =
      CountExposureEvents(eventsPerYear, NearestInRange(years, kYearsOfExposureLimits));
  r.EventsPerYear = eventsPerYear;
  r.YearsofExposure = counts.YearsofExposure;
  r.EventsinLifeTime = counts.EventsinLifeTime;
}

double WholeLifetimeYears(double typed) {
  return NearestInRange(WholeYears(typed), kLifeTimeLimits);
}

std::int32_t WholeCoats(double typed) {
  const double whole = std::isfinite(typed) ? std::round(typed) : 0.0;
  return static_cast<std::int32_t>(std::clamp(whole, kCoatLimits.Min, kCoatLimits.Max));
}

bool StoreSemiEmpiricalRate(ScenarioRecord &r, bool primer) {
  double &fraction = primer ? r.PrimerVOCWeightFraction : r.PaintVOCWeightFraction;
  fraction = NearestInRange(fraction, kVOCWeightFractionLimits);
  const double coverage = primer ? r.PrimerCoverage : r.PaintCoverage;
  const double density = primer ? r.PrimerDensity : r.PaintDensity;
  const auto k = SemiEmpiricalRateConstant(r.MolecularWeight, r.VaporPressure,
                                           CoveragetoWetFilm(coverage), fraction, density);
  if (!k) return false;
  (primer ? r.PrimerFirstOrderRateConstant : r.PaintFirstOrderRateConstant) =
      NearestInRange(*k, kEmissionRateConstantLimits);
  return true;
}

void ApplyBuildingVolumeEdited(TLumoState &state) {
  state.SetDefaultEmissions();
  state.CalcSinkAreas();
}

}  // namespace lumo::rules
