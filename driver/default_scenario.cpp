#include "default_scenario.h"

#include "platform.h"
#include "scenario_check.h"

namespace lumo {

void SetStartupScenario(LumoTransfer &scenario, const TFileChemical &chemicals) {
  TChemicalRecord chemical;
  if (!chemicals.FindChemical(kDefaultChemicalName, chemical)) {
    std::string why = chemicals.LastError().empty() ? "" : " (" + chemicals.LastError() + ")";
    throw EScenarioCheck(std::string("The chemical list ") + chemicals.FileName() +
                         " does not hold the default chemical " + kDefaultChemicalName + why);
  }
  scenario.SetDefault();
  auto &s = scenario.ScenarioRecord;
  s.WeekDayPattern = scenario.GetWeekDayActivityPattern();
  s.WeekEndPattern = scenario.GetWeekEndActivityPattern();
  scenario.SetPaintDurationGrid();
  scenario.CalcSinkAreas();
  s.ScenarioFileName.SetText(scenario.StartupScenarioName());
  s.ChemicalName.SetText(chemical.name);
  s.MolecularWeight = chemical.molecularWeight;
  s.VaporPressure = chemical.vaporPressure;
  scenario.SetDefaultEmissions();
}

}  // namespace lumo
