// The scenario record: every input of one scenario and the results of its
// last run, in a fixed 3192-byte layout that is also the scenario file
// (little-endian, IEEE 754 doubles, one byte per choice, length-prefixed
// Windows-1252 texts). The struct's byte image is the file, so its layout is
// pinned below field by field. Gaps are explicit Pad members, which the
// program writes as zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "activity_pattern.h"
#include "pascal_string.h"
#include "scenario_enums.h"

namespace lumo {

using String255 = ShortString<255>;

// Indoor sinks: the model and six sinks, 152 bytes. Index 0 to 5 of each
// array is sink 1 to 6: zone 1 carpet, zone 1 wallboard, zone 1 other,
// zone 2 carpet, zone 2 wallboard, zone 2 other.
struct SinkBlock {
  static constexpr int kSinks = 6;
  SinkModelType SinkModel;
  std::uint8_t Pad1[7];
  double SinkArea[kSinks];        // m²
  double AdsorptionRate[kSinks];  // m/hr
  double DesorptionRate[kSinks];  // 1/hr
};

static_assert(sizeof(SinkBlock) == 152);
static_assert(offsetof(SinkBlock, SinkArea) == 8);
static_assert(offsetof(SinkBlock, AdsorptionRate) == 56);
static_assert(offsetof(SinkBlock, DesorptionRate) == 104);

struct ScenarioRecord {
  // The checksum of the inputs that produced the stored results, 0 when not
  // known (results_provenance.h); older files hold 0.
  std::int32_t Reserved0;
  std::int32_t Reserved1;  // saved and restored; nothing reads it
  double BldgVolume;       // ft³, whole building
  String255 VolumeUnits;   // label of the volume unit
  double AirExchangeRate;  // air changes per hour, indoors to outdoors
  std::int32_t PrimerCoats;
  std::int32_t PaintCoats;
  double PrimerCoverage;         // ft² per gallon
  double PaintCoverage;          // ft² per gallon
  double PrimerApplicationRate;  // gallons per hour per painter
  double PaintApplicationRate;   // gallons per hour per painter
  lumo::BldgType BldgType;
  std::uint8_t Pad141[7];
  double BoxLength;         // ft, standard cube
  double BoxWidth;          // ft
  double BoxHeight;         // ft
  lumo::BldgArea BldgArea;  // zero = whole building painted
  std::uint8_t Pad161[7];
  double PercentPainted;  // % of BldgVolume in the painted zone (zone 1)
  double LoadingRatio;    // ft² painted per ft³ of painted volume
  lumo::BldgSurface BldgSurface;
  Days StartDay;  // day on which priming starts
  std::uint8_t Pad17A[6];
  double PrimerWorkHours;    // maximum hours of priming per day
  double PaintWorkHours;     // maximum hours of painting per day
  double InterzonalAirflow;  // ft³/hour between zone 1 and zone 2
  lumo::PaintInterval PaintInterval;
  std::uint8_t Pad199[3];
  std::int32_t HoursTillPaint;         // hours from end of priming to painting, 0 to 12
  std::int32_t PaintDurationDefaults;  // 0 = do-it-yourself rates, 1 = professional rates
  std::int32_t NumberOfPainters;       // 1 to 1000
  lumo::PaintType PaintType;
  std::uint8_t Pad1A9[7];
  double PrimerDensity;  // g/gallon
  double PaintDensity;   // g/gallon
  String255 ChemicalName;
  double MolecularWeight;       // g/mole
  double VaporPressure;         // torr
  double PrimerWeightFraction;  // mass fraction of the chemical in the primer
  double PaintWeightFraction;   // mass fraction of the chemical in the paint
  EmissionsModelType PaintEmissionsModel;
  EmissionsModelType PrimerEmissionsModel;
  std::uint8_t Pad2E2[6];
  SinkBlock Sinks;
  double PrimerChemicalMass;     // g of chemical released from the primer
  double PrimerPercentFirstExp;  // % of that mass in the first exponential
  double PrimerRateConstant1;    // 1/hour, first exponential
  double PrimerRateConstant2;    // 1/hour, second exponential
  double PaintChemicalMass;
  double PaintPercentFirstExp;
  double PaintRateConstant1;
  double PaintRateConstant2;
  double PaintVOCWeightFraction;              // semi-empirical model input
  double PrimerVOCWeightFraction;             // semi-empirical model input
  double PrimerFirstOrderRateConstant;        // semi-empirical model input, 1/hour
  double PaintFirstOrderRateConstant;         // semi-empirical model input, 1/hour
  lumo::IndividualType IndividualType;        // the exposed person
  IndividualLocationType IndividualLocation;  // where they are while painting goes on
  std::uint8_t Pad3E2[6];
  double EventsPerYear;
  std::int32_t YearsofExposure;
  std::int32_t EventsinLifeTime;
  double LifeTime;                 // years
  double BodyWeight;               // kg
  ActivityPattern WeekDayPattern;  // Monday to Friday
  ActivityPattern WeekEndPattern;  // Saturday and Sunday
  // Once the address of the schedule in memory; meaningless in a file. Kept
  // as raw bytes: saved as they are and restored as read.
  std::uint8_t PaintDurationGrid[4];
  GenderType Gender;
  String255 Title;  // title of the run
  String255 Notes;  // project notes
  std::uint8_t PadB1D[3];
  std::int32_t RunLength;       // days
  std::int32_t ReportInterval;  // minutes between reported concentrations
  String255 ScenarioFileName;   // path of the scenario file last opened or saved
  // Results of the last run; written only by a run.
  double LADD;
  double ADD;
  double LADC;
  double ADC;
  double Cpeak;
  double APDR;
  double APDRtime;         // days
  double SingleEventDose;  // mg
  double C15min;
  double C8hour;

  // Sets every Pad member (including those of the sink block and the two
  // activity patterns) to zero.
  void ZeroPadding();
};

static_assert(std::is_trivially_copyable_v<ScenarioRecord>);
static_assert(std::is_standard_layout_v<ScenarioRecord>);
static_assert(sizeof(ScenarioRecord) == 3192);
static_assert(offsetof(ScenarioRecord, Reserved0) == 0x000);
static_assert(offsetof(ScenarioRecord, Reserved1) == 0x004);
static_assert(offsetof(ScenarioRecord, BldgVolume) == 0x008);
static_assert(offsetof(ScenarioRecord, VolumeUnits) == 0x010);
static_assert(offsetof(ScenarioRecord, AirExchangeRate) == 0x110);
static_assert(offsetof(ScenarioRecord, PrimerCoats) == 0x118);
static_assert(offsetof(ScenarioRecord, PaintCoats) == 0x11C);
static_assert(offsetof(ScenarioRecord, PrimerCoverage) == 0x120);
static_assert(offsetof(ScenarioRecord, PaintCoverage) == 0x128);
static_assert(offsetof(ScenarioRecord, PrimerApplicationRate) == 0x130);
static_assert(offsetof(ScenarioRecord, PaintApplicationRate) == 0x138);
static_assert(offsetof(ScenarioRecord, BldgType) == 0x140);
static_assert(offsetof(ScenarioRecord, BoxLength) == 0x148);
static_assert(offsetof(ScenarioRecord, BoxWidth) == 0x150);
static_assert(offsetof(ScenarioRecord, BoxHeight) == 0x158);
static_assert(offsetof(ScenarioRecord, BldgArea) == 0x160);
static_assert(offsetof(ScenarioRecord, PercentPainted) == 0x168);
static_assert(offsetof(ScenarioRecord, LoadingRatio) == 0x170);
static_assert(offsetof(ScenarioRecord, BldgSurface) == 0x178);
static_assert(offsetof(ScenarioRecord, StartDay) == 0x179);
static_assert(offsetof(ScenarioRecord, PrimerWorkHours) == 0x180);
static_assert(offsetof(ScenarioRecord, PaintWorkHours) == 0x188);
static_assert(offsetof(ScenarioRecord, InterzonalAirflow) == 0x190);
static_assert(offsetof(ScenarioRecord, PaintInterval) == 0x198);
static_assert(offsetof(ScenarioRecord, HoursTillPaint) == 0x19C);
static_assert(offsetof(ScenarioRecord, PaintDurationDefaults) == 0x1A0);
static_assert(offsetof(ScenarioRecord, NumberOfPainters) == 0x1A4);
static_assert(offsetof(ScenarioRecord, PaintType) == 0x1A8);
static_assert(offsetof(ScenarioRecord, PrimerDensity) == 0x1B0);
static_assert(offsetof(ScenarioRecord, PaintDensity) == 0x1B8);
static_assert(offsetof(ScenarioRecord, ChemicalName) == 0x1C0);
static_assert(offsetof(ScenarioRecord, MolecularWeight) == 0x2C0);
static_assert(offsetof(ScenarioRecord, VaporPressure) == 0x2C8);
static_assert(offsetof(ScenarioRecord, PrimerWeightFraction) == 0x2D0);
static_assert(offsetof(ScenarioRecord, PaintWeightFraction) == 0x2D8);
static_assert(offsetof(ScenarioRecord, PaintEmissionsModel) == 0x2E0);
static_assert(offsetof(ScenarioRecord, PrimerEmissionsModel) == 0x2E1);
static_assert(offsetof(ScenarioRecord, Sinks) == 0x2E8);
static_assert(offsetof(ScenarioRecord, PrimerChemicalMass) == 0x380);
static_assert(offsetof(ScenarioRecord, PrimerPercentFirstExp) == 0x388);
static_assert(offsetof(ScenarioRecord, PrimerRateConstant1) == 0x390);
static_assert(offsetof(ScenarioRecord, PrimerRateConstant2) == 0x398);
static_assert(offsetof(ScenarioRecord, PaintChemicalMass) == 0x3A0);
static_assert(offsetof(ScenarioRecord, PaintPercentFirstExp) == 0x3A8);
static_assert(offsetof(ScenarioRecord, PaintRateConstant1) == 0x3B0);
static_assert(offsetof(ScenarioRecord, PaintRateConstant2) == 0x3B8);
static_assert(offsetof(ScenarioRecord, PaintVOCWeightFraction) == 0x3C0);
static_assert(offsetof(ScenarioRecord, PrimerVOCWeightFraction) == 0x3C8);
static_assert(offsetof(ScenarioRecord, PrimerFirstOrderRateConstant) == 0x3D0);
static_assert(offsetof(ScenarioRecord, PaintFirstOrderRateConstant) == 0x3D8);
static_assert(offsetof(ScenarioRecord, IndividualType) == 0x3E0);
static_assert(offsetof(ScenarioRecord, IndividualLocation) == 0x3E1);
static_assert(offsetof(ScenarioRecord, EventsPerYear) == 0x3E8);
static_assert(offsetof(ScenarioRecord, YearsofExposure) == 0x3F0);
static_assert(offsetof(ScenarioRecord, EventsinLifeTime) == 0x3F4);
static_assert(offsetof(ScenarioRecord, LifeTime) == 0x3F8);
static_assert(offsetof(ScenarioRecord, BodyWeight) == 0x400);
static_assert(offsetof(ScenarioRecord, WeekDayPattern) == 0x408);
static_assert(offsetof(ScenarioRecord, WeekEndPattern) == 0x690);
static_assert(offsetof(ScenarioRecord, PaintDurationGrid) == 0x918);
static_assert(offsetof(ScenarioRecord, Gender) == 0x91C);
static_assert(offsetof(ScenarioRecord, Title) == 0x91D);
static_assert(offsetof(ScenarioRecord, Notes) == 0xA1D);
static_assert(offsetof(ScenarioRecord, RunLength) == 0xB20);
static_assert(offsetof(ScenarioRecord, ReportInterval) == 0xB24);
static_assert(offsetof(ScenarioRecord, ScenarioFileName) == 0xB28);
static_assert(offsetof(ScenarioRecord, LADD) == 0xC28);
static_assert(offsetof(ScenarioRecord, ADD) == 0xC30);
static_assert(offsetof(ScenarioRecord, LADC) == 0xC38);
static_assert(offsetof(ScenarioRecord, ADC) == 0xC40);
static_assert(offsetof(ScenarioRecord, Cpeak) == 0xC48);
static_assert(offsetof(ScenarioRecord, APDR) == 0xC50);
static_assert(offsetof(ScenarioRecord, APDRtime) == 0xC58);
static_assert(offsetof(ScenarioRecord, SingleEventDose) == 0xC60);
static_assert(offsetof(ScenarioRecord, C15min) == 0xC68);
static_assert(offsetof(ScenarioRecord, C8hour) == 0xC70);

}  // namespace lumo
