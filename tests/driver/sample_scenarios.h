// Scenarios that give the engine records of every shape: the factory
// default, each shipped default building (made as the shipped files are),
// one-way and reversible sinks, alkyd paint with the semi-empirical model,
// the Standard Box, and a painting job spread over a weekend.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "default_scenario.h"
#include "lumo_transfer.h"
#include "scenario_rules.h"
#include "semi_empirical_rate.h"

namespace lumo::test {

struct SampleScenario {
  std::string name;
  // Turns the start-up scenario into this one.
  std::function<void(LumoTransfer &)> make;
};

inline const TFileChemical &SampleChemicals() {
  static const TFileChemical chemicals = [] {
    TFileChemical c(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
    c.LoadFile();
    return c;
  }();
  return chemicals;
}

inline std::vector<SampleScenario> SampleScenarios() {
  std::vector<SampleScenario> all;
  all.push_back({"factory default", [](LumoTransfer &) {}});
  const std::pair<const char *, BldgType> buildings[] = {{"House", BldgType::House},
                                                         {"Apartment", BldgType::Apartment},
                                                         {"High-rise", BldgType::HighRise},
                                                         {"Low-rise", BldgType::LowRise}};
  for (const auto &[name, type] : buildings) {
    for (bool part : {false, true}) {
      all.push_back(
          {std::string(name) + (part ? " part" : " whole"), [type, part](LumoTransfer &s) {
             rules::ApplyBuildingChoice(s, type, part);
             s.SetDefaultEmissions();
           }});
    }
  }
  all.push_back({"one-way sinks", [](LumoTransfer &s) {
                   s.SetSink(SinkModelType::OneWay);
                   for (int i = 0; i < SinkBlock::kSinks; ++i)
                     s.ScenarioRecord.Sinks.AdsorptionRate[i] = 0.1 * (i + 1);
                 }});
  all.push_back({"reversible sinks, whole house", [](LumoTransfer &s) {
                   rules::ApplyBuildingChoice(s, BldgType::House, false);
                   s.SetDefaultEmissions();
                   s.SetSink(SinkModelType::Reversible);
                   for (int i = 0; i < SinkBlock::kSinks; ++i) {
                     s.ScenarioRecord.Sinks.SinkArea[i] += 1.5;
                     s.ScenarioRecord.Sinks.AdsorptionRate[i] = 0.1 * (i + 1);
                     s.ScenarioRecord.Sinks.DesorptionRate[i] = 0.02 * (i + 1);
                   }
                 }});
  all.push_back({"alkyd, semi-empirical", [](LumoTransfer &s) {
                   rules::ApplyPaintType(s, PaintType::Alkyd);
                   auto &r = s.ScenarioRecord;
                   r.PrimerEmissionsModel = EmissionsModelType::SemiEmpirical;
                   r.PaintEmissionsModel = EmissionsModelType::SemiEmpirical;
                   r.PrimerFirstOrderRateConstant = *SemiEmpiricalRateConstant(
                       r.MolecularWeight, r.VaporPressure, CoveragetoWetFilm(r.PrimerCoverage),
                       r.PrimerVOCWeightFraction, r.PrimerDensity);
                   r.PaintFirstOrderRateConstant = 0.75;
                 }});
  all.push_back({"Standard Box", [](LumoTransfer &s) {
                   auto &r = s.ScenarioRecord;
                   r.BoxLength = 20;
                   r.BoxWidth = 12.5;
                   r.BoxHeight = 8;
                   rules::ApplyStandardBoxAccepted(s);
                   rules::ApplyBuildingChoice(s, BldgType::Other, false);
                   s.SetDefaultEmissions();
                 }});
  all.push_back({"weekend job, next day, adult", [](LumoTransfer &s) {
                   auto &r = s.ScenarioRecord;
                   rules::ApplyIndividual(s, IndividualType::Adult);
                   r.StartDay = Days::Fri;
                   r.PaintInterval = PaintInterval::PAINTNEXTDAY;
                   r.PrimerCoats = 2;
                   r.PaintCoats = 3;
                   r.NumberOfPainters = 2;
                   r.PrimerWorkHours = 5.5;
                   r.RunLength = 9;
                   r.ReportInterval = 15;
                   s.SetDefaultEmissions();
                   s.SetPaintDurationGrid();
                 }});
  return all;
}

// `scenario` set to the start-up scenario, then made into `sample`.
inline void MakeSample(LumoTransfer &scenario, const SampleScenario &sample) {
  SetStartupScenario(scenario, SampleChemicals());
  sample.make(scenario);
}

}  // namespace lumo::test
