#include "scenario_rules.h"

#include "schedule_fit.h"

namespace lumo::rules {

namespace {

bool IsPainter(IndividualType t) {
  return t == IndividualType::Pro || t == IndividualType::DIY;
}

bool IsDiyOrChild(IndividualType t) {
  return t == IndividualType::DIY || t == IndividualType::Child;
}

bool IsOfficeBuilding(BldgType t) {
  return t == BldgType::HighRise || t == BldgType::LowRise;
}

}  // namespace

double DefaultPercentPainted(BldgType type, bool part) {
  switch (type) {
    case BldgType::House:
      return part ? 10.0 : 100.0;
    case BldgType::Apartment:
      return part ? 15.0 : 100.0;
    case BldgType::HighRise:
      return part ? 1.0 : 10.0;
    case BldgType::LowRise:
      return part ? 5.0 : 50.0;
    case BldgType::Other:
      return part ? 10.0 : 100.0;
  }
  return part ? 10.0 : 100.0;
}

BldgArea AreaFor(BldgType type, bool part) {
  if (IsOfficeBuilding(type)) return part ? BldgArea::OneOffice : BldgArea::EntireFloor;
  return part ? BldgArea::OneBedroom : BldgArea::EntireBldg;
}

double BoxVolume(const ScenarioRecord &r) {
  return r.BoxLength * r.BoxWidth * r.BoxHeight;
}

double DefaultBldgVolume(const TLumoState &state, BldgType type) {
  switch (type) {
    case BldgType::House:
      return 15583.0;
    case BldgType::Apartment:
      return 7350.0;
    case BldgType::HighRise:
      return 1800000.0;
    case BldgType::LowRise:
      return 160000.0;
    case BldgType::Other:
      break;
  }
  return BoxVolume(state.ScenarioRecord);
}

double DefaultAirExchangeRate(BldgType type) {
  return IsResidence(type) ? 0.45 : 1.0;
}

std::optional<std::string> BuildingRefusal(const ScenarioRecord &r, BldgType type) {
  if (IsOfficeBuilding(type) && IsDiyOrChild(r.IndividualType)) return kOfficeRefusedText;
  return std::nullopt;
}

std::optional<std::string> StandardBoxRefusal(const ScenarioRecord &r) {
  if (r.IndividualType == IndividualType::Pro || r.IndividualType == IndividualType::Adult)
    return std::nullopt;
  return kStandardBoxRefusedText;
}

void ApplyBuildingInputs(TLumoState &state, BldgType type, std::optional<bool> part) {
  auto &r = state.ScenarioRecord;
  const bool isPart = part.value_or(r.BldgArea != BldgArea::EntireBldg);
  r.PercentPainted = DefaultPercentPainted(type, isPart);
  r.BldgType = type;
  if (part) r.BldgArea = AreaFor(type, *part);
  r.BldgVolume = DefaultBldgVolume(state, type);
  r.AirExchangeRate = DefaultAirExchangeRate(type);
  r.InterzonalAirflow = state.CalcInterZonalAirFlow();
  state.SetDefaultLoadRatio();
}

std::optional<bool> PartOf(BldgArea area) {
  switch (area) {
    case BldgArea::OneBedroom:
    case BldgArea::OneOffice:
      return true;
    case BldgArea::EntireBldg:
    case BldgArea::EntireFloor:
      return false;
  }
  return std::nullopt;
}

void ApplyBuildingChoice(TLumoState &state, BldgType type, std::optional<bool> part) {
  auto &r = state.ScenarioRecord;
  ApplyBuildingInputs(state, type, part);
  r.EventsPerYear = state.GetDefaultEventsPerYear();
  r.YearsofExposure = state.GetDefaultYearsofExposure();
  state.SetPaintDurationGrid();
  r.WeekDayPattern = state.GetWeekDayActivityPattern();
  r.WeekEndPattern = state.GetWeekEndActivityPattern();
  r.EventsinLifeTime = state.GetDefaultEventsinLifeTime();
  r.IndividualLocation = state.GetDefaultLocation();
  state.CalcSinkAreas();
}

void ApplyStandardBoxAccepted(TLumoState &state) {
  auto &r = state.ScenarioRecord;
  r.BldgType = BldgType::Other;
  r.PercentPainted = 100.0;
  state.SetDefaultLoadRatio();
}

ScenarioRecord StandardBoxOutcome(const ScenarioRecord &r, double length, double width,
                                  double height) {
  TLumoState box;
  box.ScenarioRecord = r;
  auto &b = box.ScenarioRecord;
  b.BoxLength = length;
  b.BoxWidth = width;
  b.BoxHeight = height;
  b.BldgVolume = BoxVolume(b);
  ApplyStandardBoxAccepted(box);
  ApplyBuildingInputs(box, BldgType::Other, PartOf(b.BldgArea));
  return b;
}

std::optional<std::string> EditVolumeRefusal(const ScenarioRecord &r) {
  if (r.BldgType == BldgType::Other) return kEditVolumeRefusedText;
  return std::nullopt;
}

std::optional<std::string> EditPercentPaintedRefusal(const ScenarioRecord &r) {
  if (r.BldgArea == BldgArea::EntireBldg && !IsOfficeBuilding(r.BldgType))
    return kEditPercentRefusedText;
  return std::nullopt;
}

void ApplyPercentPaintedEdited(TLumoState &state) {
  state.ScenarioRecord.InterzonalAirflow = state.CalcInterZonalAirFlow();
  state.SetDefaultEmissions();
}

void ApplyPaintingDurationEdited(TLumoState &state) {
  auto &r = state.ScenarioRecord;
  r.EventsPerYear = state.GetDefaultEventsPerYear();
  r.EventsinLifeTime = state.GetDefaultEventsinLifeTime();
}

std::optional<std::string> IndividualRefusal(const ScenarioRecord &r, IndividualType person) {
  if (!IsDiyOrChild(person)) return std::nullopt;
  if (r.BldgType == BldgType::Other) return std::string(kIndividualRefusedText) + "a Standard Cube";
  if (IsOfficeBuilding(r.BldgType))
    return std::string(kIndividualRefusedText) + "an office building";
  return std::nullopt;
}

void ApplyIndividual(TLumoState &state, IndividualType person) {
  state.ApplyIndividualDefaults(person);
}

std::optional<std::string> LocationRefusal(const ScenarioRecord &r,
                                           IndividualLocationType location) {
  if (location == IndividualLocationType::Building && r.PercentPainted >= 100.0 &&
      r.BldgType == BldgType::HighRise)
    return kLocationRefusedText;
  return std::nullopt;
}

std::optional<std::string> LocationNotice(const ScenarioRecord &r,
                                          IndividualLocationType location) {
  if (location != IndividualLocationType::PaintedArea && IsPainter(r.IndividualType))
    return kPainterLocationNotice;
  return std::nullopt;
}

void ApplyLocation(TLumoState &state, IndividualLocationType location) {
  state.ScenarioRecord.IndividualLocation = location;
  state.SetPaintDurationGrid();
}

void ApplyGender(TLumoState &state, GenderType gender, bool fileLoading) {
  auto &r = state.ScenarioRecord;
  r.Gender = gender;
  if (fileLoading) return;
  r.LifeTime = state.GetDefaultLifeTime();
  r.BodyWeight = state.GetDefaultBodyWt();
  state.SetPaintDurationGrid();
  r.WeekDayPattern = state.GetWeekDayActivityPattern();
  r.WeekEndPattern = state.GetWeekEndActivityPattern();
}

void ApplySurface(TLumoState &state, BldgSurface surface) {
  state.ScenarioRecord.BldgSurface = surface;
  state.SetDefaultLoadRatio();
  state.CalcSinkAreas();
}

void ApplyCoats(TLumoState &state, bool primer, std::int32_t coats) {
  if (coats < 0) coats = 0;
  if (coats > kMaxCoats) coats = kMaxCoats;
  (primer ? state.ScenarioRecord.PrimerCoats : state.ScenarioRecord.PaintCoats) = coats;
}

void ApplyPaintType(TLumoState &state, PaintType type) {
  auto &r = state.ScenarioRecord;
  r.PaintType = type;
  r.PrimerDensity = type == PaintType::Alkyd ? kAlkydPrimerDensity : kLatexDensity;
  r.PaintDensity = kLatexDensity;
  state.SetDefaultEmissions();
}

std::optional<std::string> ApplyWeightFraction(TLumoState &state, bool primer, double value) {
  std::optional<std::string> notice;
  // A NaN is no fraction at all: it is raised like a value below the floor.
  if (!(value >= kWeightFractionFloor)) {
    value = kMinWeightFraction;
    notice = kWeightFractionNotice;
  }
  (primer ? state.ScenarioRecord.PrimerWeightFraction : state.ScenarioRecord.PaintWeightFraction) =
      value;
  state.SetDefaultEmissions();
  return notice;
}

std::optional<std::string> ApplyRunLength(TLumoState &state, double days) {
  std::optional<std::string> notice;
  if (!(days >= 1.0)) {
    days = 1.0;
    notice = kRunLengthNotice;
  } else if (days >= kMaxRunLength + 1.0) {
    days = kMaxRunLength;
    notice = kRunLengthNotice;
  }
  state.ScenarioRecord.RunLength = static_cast<std::int32_t>(days);
  return notice;
}

std::optional<std::string> LimitWeightFraction(double &value) {
  if (value > 1.0) {
    value = 1.0;
    return kWeightFractionAboveOne;
  }
  return std::nullopt;
}

void PrepareDefaultScenario(TLumoState &state) {
  auto &r = state.ScenarioRecord;
  r.WeekDayPattern = state.GetWeekDayActivityPattern();
  r.WeekEndPattern = state.GetWeekEndActivityPattern();
  state.SetPaintDurationGrid();
  state.CalcSinkAreas();
}

std::optional<std::string> ApplyRefillDerivations(TLumoState &state, bool fileLoading) {
  auto &r = state.ScenarioRecord;
  if (r.BldgType == BldgType::Other) r.BldgVolume = BoxVolume(r);
  if (fileLoading) return std::nullopt;
  if (auto refusal = ScheduleRefusal(r, ScheduleInput::Choice)) return refusal;
  state.SetPaintDurationGrid();
  return std::nullopt;
}

}  // namespace lumo::rules
