#include "painting_jobs.h"

#include <stdexcept>

#include "default_scenario.h"
#include "scenario_rules.h"

namespace lumo_test {

const char *jobName(PaintingJob job) {
  switch (job) {
    case PaintingJob::kFactoryDefault:
      return "FactoryDefault";
    case PaintingJob::kHighRiseEntireFloor:
      return "HighRiseEntireFloor";
    case PaintingJob::kHighRiseHalfBuilding:
      return "HighRiseHalfBuilding";
  }
  return "";
}

std::string chemicalListFile() {
  return LUMO_CHEMICAL_LIST;
}

std::unique_ptr<lumo::LumoTransfer> makePaintingJob(PaintingJob job, int days,
                                                    const std::string &programDirectory) {
  auto scenario = std::make_unique<lumo::LumoTransfer>(programDirectory);
  lumo::TFileChemical chemicals(chemicalListFile());
  lumo::SetStartupScenario(*scenario, chemicals);
  if (job != PaintingJob::kFactoryDefault) {
    // What the main window does on the building choice: the rule, then the
    // emissions from the new volume and share painted.
    lumo::rules::ApplyBuildingChoice(*scenario, lumo::BldgType::HighRise, /*part=*/false);
    scenario->SetDefaultEmissions();
  }
  if (job == PaintingJob::kHighRiseHalfBuilding) {
    scenario->ScenarioRecord.PercentPainted = 50.0;
    // The dialog's OK, then the refill that rebuilds the schedule.
    lumo::rules::ApplyPercentPaintedEdited(*scenario);
    lumo::rules::ApplyRefillDerivations(*scenario, /*fileLoading=*/false);
  }
  if (lumo::rules::ApplyRunLength(*scenario, days)) {
    throw std::invalid_argument("run length out of range");
  }
  scenario->FillTransferRecord();
  return scenario;
}

const char *fastHouseName(FastHouse house) {
  switch (house) {
    case FastHouse::kAirExchange350PerHour:
      return "AirExchange350PerHour";
    case FastHouse::kVolume15_6CubicFeet:
      return "Volume15_6CubicFeet";
    case FastHouse::kInterzonal1_6e6PerHour:
      return "Interzonal1_6e6PerHour";
  }
  return "";
}

std::unique_ptr<lumo::LumoTransfer> makeFastHouse(FastHouse house, int days,
                                                  const std::string &programDirectory) {
  auto scenario = std::make_unique<lumo::LumoTransfer>(programDirectory);
  lumo::TFileChemical chemicals(chemicalListFile());
  lumo::SetStartupScenario(*scenario, chemicals);
  lumo::rules::ApplyBuildingChoice(*scenario, lumo::BldgType::House, /*part=*/true);
  lumo::ScenarioRecord &r = scenario->ScenarioRecord;
  switch (house) {
    case FastHouse::kAirExchange350PerHour:
      r.AirExchangeRate = 350.0;
      break;
    case FastHouse::kVolume15_6CubicFeet:
      r.BldgVolume = 15.6;
      break;
    case FastHouse::kInterzonal1_6e6PerHour:
      r.InterzonalAirflow = 1.6e6;
      break;
  }
  scenario->SetDefaultEmissions();
  if (lumo::rules::ApplyRunLength(*scenario, days)) {
    throw std::invalid_argument("run length out of range");
  }
  scenario->FillTransferRecord();
  return scenario;
}

}  // namespace lumo_test
