// Quantities derived from the scenario inputs: painted volume, gallons,
// hours and days of work, surface area, interzonal airflow, loading ratio
// and default sink areas.
#include <cmath>
#include <limits>

#include "lumo_state.h"

namespace lumo {
namespace {

// Whole days of work: hours ÷ hours per day rounded up, a fraction below
// 0.00001 counting as none. NaN and non-positive quotients give 0; quotients
// beyond the int32 range give its largest value.
std::int32_t WorkDays(double hours, double hoursPerDay) {
  double q = hours / hoursPerDay;
  if (!(q > 0.0)) return 0;
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  if (q >= kMax) return std::numeric_limits<std::int32_t>::max();
  double whole = std::trunc(q);
  auto days = static_cast<std::int32_t>(whole);
  if (q - whole >= 0.00001 && days < std::numeric_limits<std::int32_t>::max()) ++days;
  return days;
}

}  // namespace

double TLumoState::GetVolumePainted() const {
  return ScenarioRecord.BldgVolume * ScenarioRecord.PercentPainted / 100.0;
}

double TLumoState::GetPrimeVolume() const {
  const auto &r = ScenarioRecord;
  return GetVolumePainted() * r.PrimerCoats * r.LoadingRatio / r.PrimerCoverage;
}

double TLumoState::GetPaintVolume() const {
  const auto &r = ScenarioRecord;
  return GetVolumePainted() * r.PaintCoats * r.LoadingRatio / r.PaintCoverage;
}

double TLumoState::GetPrimerHours() const {
  const auto &r = ScenarioRecord;
  return GetPrimeVolume() / r.PrimerApplicationRate / r.NumberOfPainters;
}

double TLumoState::GetPaintHours() const {
  const auto &r = ScenarioRecord;
  return GetPaintVolume() / r.PaintApplicationRate / r.NumberOfPainters;
}

std::int32_t TLumoState::GetPrimerDays() const {
  return WorkDays(GetPrimerHours(), ScenarioRecord.PrimerWorkHours);
}

std::int32_t TLumoState::GetPaintDays() const {
  return WorkDays(GetPaintHours(), ScenarioRecord.PaintWorkHours);
}

double TLumoState::GetCalculatedSurfaceArea() const {
  const auto &r = ScenarioRecord;
  return r.LoadingRatio * r.BldgVolume * r.PercentPainted / 100.0;
}

double TLumoState::CalcInterZonalAirFlow() const {
  const auto &r = ScenarioRecord;
  if (IsResidence(r.BldgType)) return (0.39 * r.AirExchangeRate + 0.046) * r.BldgVolume;
  return (r.PercentPainted / 100.0 * r.BldgVolume) * ((100.0 - r.PercentPainted) / 100.0);
}

void TLumoState::SetDefaultLoadRatio() {
  auto &r = ScenarioRecord;
  const bool office = IsOffice(r.BldgType);
  switch (r.BldgSurface) {
    case BldgSurface::Walls:
      r.LoadingRatio = office ? 0.25 : 0.29;
      break;
    case BldgSurface::Ceilings:
      r.LoadingRatio = office ? 0.10 : 0.13;
      break;
    case BldgSurface::Both:
      r.LoadingRatio = office ? 0.35 : 0.42;
      break;
  }
}

void TLumoState::CalcSinkAreas() {
  auto &r = ScenarioRecord;
  double *area = r.Sinks.SinkArea;  // area[0] is sink 1
  const double share = r.BldgArea != BldgArea::EntireBldg ? r.PercentPainted / 100.0 : 1.0;
  const double v1 = 0.0283 * r.BldgVolume * share;  // m³, painted zone
  const double v2 = 0.0283 * r.BldgVolume - v1;     // m³, rest of the building
  const bool office = IsOffice(r.BldgType);
  const double carpet = office ? 0.33 : 0.43;
  area[0] = 0.8 * v1 * carpet;
  area[3] = 0.8 * v2 * carpet;
  // Wallboard: in zone 2 all of it; in zone 1 only the unpainted surfaces.
  area[4] = (office ? 0.82 : 1.38) * v2;
  switch (r.BldgSurface) {
    case BldgSurface::Walls:
      area[1] = office ? 0.0 : 0.43 * v1;
      break;
    case BldgSurface::Ceilings:
      area[1] = (office ? 0.82 : 0.95) * v1;
      break;
    case BldgSurface::Both:
      area[1] = 0.0;
      break;
  }
}

}  // namespace lumo
