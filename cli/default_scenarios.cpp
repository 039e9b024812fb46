#include "default_scenarios.h"

#include "default_scenario.h"
#include "lumo_transfer.h"
#include "scenario_rules.h"

namespace lumo {

const std::vector<DefaultScenario> &DefaultScenarios() {
  static const std::vector<DefaultScenario> scenarios = {
      {"House - Entire Building.vkx", BldgType::House, false,
       "Default scenario: house, entire building painted"},
      {"House - One Bedroom.vkx", BldgType::House, true,
       "Default scenario: house, one bedroom painted"},
      {"Apartment - Entire Building.vkx", BldgType::Apartment, false,
       "Default scenario: apartment, entire apartment painted"},
      {"Apartment - One Bedroom.vkx", BldgType::Apartment, true,
       "Default scenario: apartment, one bedroom painted"},
      {"High-rise - Entire Floor.vkx", BldgType::HighRise, false,
       "Default scenario: high-rise office building, entire floor painted"},
      {"High-rise - One Office.vkx", BldgType::HighRise, true,
       "Default scenario: high-rise office building, one office painted"},
      {"Low-rise - Entire Floor.vkx", BldgType::LowRise, false,
       "Default scenario: low-rise office building, entire floor painted"},
      {"Low-rise - One Office.vkx", BldgType::LowRise, true,
       "Default scenario: low-rise office building, one office painted"},
  };
  return scenarios;
}

void WriteDefaultScenarios(const TFileChemical &chemicals, const std::string &folder) {
  for (const DefaultScenario &d : DefaultScenarios()) {
    LumoTransfer scenario(folder);
    SetStartupScenario(scenario, chemicals);
    rules::ApplyBuildingChoice(scenario, d.building, d.part);
    scenario.SetDefaultEmissions();
    scenario.ScenarioRecord.Title.SetText(d.title);
    scenario.SaveState(folder + "/" + d.fileName);
  }
}

}  // namespace lumo
