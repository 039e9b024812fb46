// The scenario object: construction, factory defaults and the default rules
// for the exposed person.
#include "lumo_state.h"

#include <cstring>

#include "results_provenance.h"

namespace lumo {

TLumoState::TLumoState() : grid_(std::make_unique<lumo::PaintDurationGrid>()) {
  grid_->Clear();
  std::memset(static_cast<void *>(&ScenarioRecord), 0, sizeof ScenarioRecord);
  SetDefault();
}

TLumoState::~TLumoState() = default;

void TLumoState::SetDefault() {
  auto &r = ScenarioRecord;
  // Inputs with a literal default, in the order of the record.
  r.Reserved0 = 0;
  r.Reserved1 = 1;
  r.BldgVolume = 15583.0;
  r.VolumeUnits.SetText("ft³");
  r.AirExchangeRate = 0.45;
  r.PrimerCoats = 1;
  r.PaintCoats = 1;
  r.PrimerCoverage = 200.0;
  r.PaintCoverage = 400.0;
  r.PrimerApplicationRate = 0.33;
  r.PaintApplicationRate = 0.33;
  r.BldgType = BldgType::House;
  r.BoxLength = 40.0;
  r.BoxWidth = 40.0;
  r.BoxHeight = 10.0;
  r.BldgArea = BldgArea::OneBedroom;
  r.PercentPainted = 10.0;
  r.LoadingRatio = 0.29;
  r.BldgSurface = BldgSurface::Walls;
  r.StartDay = Days::Mon;
  r.PrimerWorkHours = 8.0;
  r.PaintWorkHours = 8.0;
  r.InterzonalAirflow = 3451.63;
  r.PaintDurationDefaults = 0;
  r.NumberOfPainters = 1;
  r.PaintType = PaintType::LatexFlat;
  r.PrimerDensity = 4600.0;
  r.PaintDensity = 4600.0;
  r.ChemicalName.SetText("");
  r.MolecularWeight = 150.0;
  r.VaporPressure = 1.0;
  r.PrimerWeightFraction = 0.01;
  r.PaintWeightFraction = 0.01;
  r.PaintEmissionsModel = EmissionsModelType::Empirical;
  r.PrimerEmissionsModel = EmissionsModelType::Empirical;
  // No sinks.
  std::memset(static_cast<void *>(&r.Sinks), 0, sizeof r.Sinks);
  r.PaintVOCWeightFraction = 0.26;
  r.PrimerVOCWeightFraction = 0.39;
  r.PrimerFirstOrderRateConstant = 0.0;
  r.PaintFirstOrderRateConstant = 0.0;
  // Reads the volume, paint and chemical inputs set above.
  SetDefaultEmissions();
  r.IndividualType = IndividualType::Pro;
  r.IndividualLocation = IndividualLocationType::PaintedArea;
  r.EventsPerYear = 200.0;
  r.YearsofExposure = 25;
  r.EventsinLifeTime = 5000;
  r.LifeTime = GetGenderLifeTime(GenderType::NonSpecific);
  r.BodyWeight = GetGenderBodyWt(GenderType::NonSpecific);
  // Gender is set only below; the professional painter's tables do not
  // depend on it.
  r.WeekEndPattern = GetWeekEndActivityPattern();
  r.WeekDayPattern = GetWeekDayActivityPattern();
  r.PaintInterval = PaintInterval::PAINTSAMEDAY;
  r.Gender = GenderType::NonSpecific;
  r.HoursTillPaint = 0;
  r.Title.SetText("");
  r.Notes.SetText("");
  r.RunLength = 5;
  r.ReportInterval = 60;
  r.ScenarioFileName.SetText("lumo.vkx");
  // No results: a new scenario carries none of the last run's (not even
  // its two peak averages), and no stamp of the inputs that produced them.
  ClearResults(r);
  r.ZeroPadding();
}

void TLumoState::SetDefaultScenarioFileName() {
  ScenarioRecord.ScenarioFileName.SetText(DefaultScenarioFileName());
}

void TLumoState::SetDefaultEmissions() {
  auto &r = ScenarioRecord;
  const double primeVolume = GetPrimeVolume();
  const double paintVolume = GetPaintVolume();
  if (r.PaintType == PaintType::Alkyd) {
    // One exponential whose rate follows the vapour pressure, the molecular
    // weight and the wet film thickness.
    auto rate = [&](double coverage) {
      return 2949417997.0 * Power(r.VaporPressure, 0.267) /
             (Power(CoveragetoWetFilm(coverage), 0.581) * Power(r.MolecularWeight, 4.018));
    };
    r.PrimerChemicalMass = primeVolume * r.PrimerDensity * r.PrimerWeightFraction;
    r.PrimerPercentFirstExp = 100.0;
    r.PrimerRateConstant1 = rate(r.PrimerCoverage);
    r.PrimerRateConstant2 = r.PrimerRateConstant1;
    r.PaintChemicalMass = paintVolume * r.PaintDensity * r.PaintWeightFraction;
    r.PaintPercentFirstExp = 100.0;
    r.PaintRateConstant1 = rate(r.PaintCoverage);
    r.PaintRateConstant2 = r.PaintRateConstant1;
  } else {
    // Latex: a quarter of the chemical is released, 10 % of it fast.
    r.PrimerChemicalMass = primeVolume * r.PrimerDensity * r.PrimerWeightFraction * 0.25;
    r.PrimerPercentFirstExp = 10.0;
    r.PrimerRateConstant1 = 233.25 * r.VaporPressure;
    r.PrimerRateConstant2 = 5.84e-05 * r.MolecularWeight;
    r.PaintChemicalMass = paintVolume * r.PaintDensity * r.PaintWeightFraction * 0.25;
    r.PaintPercentFirstExp = 10.0;
    r.PaintRateConstant1 = r.PrimerRateConstant1;
    r.PaintRateConstant2 = r.PrimerRateConstant2;
  }
}

int TLumoState::GetZone() const {
  switch (ScenarioRecord.IndividualLocation) {
    case IndividualLocationType::Building:
      return 2;
    case IndividualLocationType::NotBuilding:
      return 0;
    default:  // PaintedArea, and a damaged value: the painted area
      return 1;
  }
}

double TLumoState::GetDefaultEventsPerYear() const {
  const auto &r = ScenarioRecord;
  switch (r.IndividualType) {
    case IndividualType::Pro:
      return 1500.0 / (GetPrimerHours() + GetPaintHours());
    case IndividualType::Adult:
      return IsOffice(r.BldgType) ? 0.2 : 10.0 / r.PercentPainted;
    case IndividualType::DIY:
      return IsOffice(r.BldgType) ? -1.0 : 7.5 / r.PercentPainted;
    case IndividualType::Child:
      return IsOffice(r.BldgType) ? -1.0 : 10.0 / r.PercentPainted;
  }
  return r.EventsPerYear;
}

std::int32_t TLumoState::GetDefaultYearsofExposure() const {
  switch (ScenarioRecord.IndividualType) {
    case IndividualType::Pro:
      return 25;
    case IndividualType::Adult:
    case IndividualType::DIY:
      return 50;
    case IndividualType::Child:
      return 10;
  }
  return ScenarioRecord.YearsofExposure;
}

std::int32_t TLumoState::GetDefaultEventsinLifeTime() const {
  return RoundToInt32(static_cast<double>(ScenarioRecord.YearsofExposure) *
                      ScenarioRecord.EventsPerYear);
}

double TLumoState::GetDefaultLifeTime() const {
  if (ScenarioRecord.IndividualType == IndividualType::Child) return 10.0;
  return GetGenderLifeTime(ScenarioRecord.Gender);
}

double TLumoState::GetDefaultBodyWt() const {
  if (ScenarioRecord.IndividualType == IndividualType::Child) return 20.3;
  return GetGenderBodyWt(ScenarioRecord.Gender);
}

IndividualLocationType TLumoState::GetDefaultLocation() const {
  const auto &r = ScenarioRecord;
  switch (r.IndividualType) {
    case IndividualType::Pro:
    case IndividualType::DIY:
      return IndividualLocationType::PaintedArea;
    case IndividualType::Adult:
      return (r.BldgType == BldgType::HighRise || r.BldgType == BldgType::LowRise)
                 ? IndividualLocationType::NotBuilding
                 : IndividualLocationType::Building;
    case IndividualType::Child:
      return IndividualLocationType::Building;
  }
  return r.IndividualLocation;
}

ActivityPattern TLumoState::GetWeekDayActivityPattern() const {
  const auto &r = ScenarioRecord;
  return DefaultWeekDayPattern(r.IndividualType, r.BldgType, r.Gender).value_or(r.WeekDayPattern);
}

ActivityPattern TLumoState::GetWeekEndActivityPattern() const {
  const auto &r = ScenarioRecord;
  return DefaultWeekEndPattern(r.IndividualType, r.BldgType, r.Gender).value_or(r.WeekEndPattern);
}

void TLumoState::ApplyIndividualDefaults(lumo::IndividualType person) {
  auto &r = ScenarioRecord;
  r.IndividualType = person;
  r.LifeTime = GetDefaultLifeTime();
  r.BodyWeight = GetDefaultBodyWt();
  r.EventsPerYear = GetDefaultEventsPerYear();
  r.YearsofExposure = GetDefaultYearsofExposure();
  r.EventsinLifeTime = GetDefaultEventsinLifeTime();
  r.WeekDayPattern = GetWeekDayActivityPattern();
  r.WeekEndPattern = GetWeekEndActivityPattern();
  r.IndividualLocation = GetDefaultLocation();
}

void TLumoState::ApplyGenderDefaults(GenderType gender) {
  auto &r = ScenarioRecord;
  r.Gender = gender;
  r.LifeTime = GetDefaultLifeTime();
  r.BodyWeight = GetDefaultBodyWt();
  r.WeekDayPattern = GetWeekDayActivityPattern();
  r.WeekEndPattern = GetWeekEndActivityPattern();
}

std::string TLumoState::DaytoString() const {
  return lumo::DaytoString(ScenarioRecord.StartDay);
}
std::string TLumoState::SinkModeltoString() const {
  return lumo::SinkModeltoString(ScenarioRecord.Sinks.SinkModel);
}
std::string TLumoState::BldgTypetoString() const {
  return lumo::BldgTypetoString(ScenarioRecord.BldgType);
}
std::string TLumoState::PaintTypetoString() const {
  return lumo::PaintTypetoString(ScenarioRecord.PaintType);
}
std::string TLumoState::PrimerEmissionsModelTypetoString() const {
  return EmissionsModelTypetoString(ScenarioRecord.PrimerEmissionsModel);
}
std::string TLumoState::PaintEmissionsModelTypetoString() const {
  return EmissionsModelTypetoString(ScenarioRecord.PaintEmissionsModel);
}
std::string TLumoState::IndividualTypetoString() const {
  return lumo::IndividualTypetoString(ScenarioRecord.IndividualType);
}
std::string TLumoState::IndividualLocationTypetoString() const {
  return lumo::IndividualLocationTypetoString(ScenarioRecord.IndividualLocation);
}
std::string TLumoState::GenderToString() const {
  return lumo::GenderToString(ScenarioRecord.Gender);
}

}  // namespace lumo
