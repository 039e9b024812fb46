// The default scenario files: each opens, holds the building choice it is
// named for with that building's defaults, and passes the check before a
// run.
#include "default_scenarios.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lumo_transfer.h"
#include "scenario_check.h"
#include "scenario_rules.h"
#include "temp_dir.h"

namespace lumo {
namespace {

TEST(DefaultScenarios, EachOpensWithItsBuildingAndCanRun) {
  test::TempDir dir;
  TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
  ASSERT_TRUE(chemicals.LoadFile()) << chemicals.LastError();
  WriteDefaultScenarios(chemicals, dir.Path());

  ASSERT_EQ(DefaultScenarios().size(), 8u);
  for (const DefaultScenario &d : DefaultScenarios()) {
    SCOPED_TRACE(d.fileName);
    const std::string path = dir.File(d.fileName);
    ASSERT_TRUE(std::filesystem::exists(CompanionFileName(path)));
    LumoTransfer scenario(dir.Path());
    scenario.GetState(path);
    const ScenarioRecord &r = scenario.ScenarioRecord;
    EXPECT_EQ(r.BldgType, d.building);
    EXPECT_EQ(r.BldgArea, rules::AreaFor(d.building, d.part));
    EXPECT_DOUBLE_EQ(r.PercentPainted, rules::DefaultPercentPainted(d.building, d.part));
    EXPECT_DOUBLE_EQ(r.AirExchangeRate, rules::DefaultAirExchangeRate(d.building));
    EXPECT_EQ(r.ChemicalName.Text(), "TMPD-MIB");
    EXPECT_EQ(r.Title.Text(), d.title);
    EXPECT_EQ(r.ScenarioFileName.Text(), path);
    EXPECT_GT(scenario.PaintDurationGrid().Rows(), 0);
    EXPECT_EQ(FindScenarioProblem(r, scenario.PaintDurationGrid()), std::nullopt);
  }
}

TEST(DefaultScenarios, BuildingVolumesFollowTheBuildingTable) {
  test::TempDir dir;
  TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
  ASSERT_TRUE(chemicals.LoadFile());
  WriteDefaultScenarios(chemicals, dir.Path());
  const std::pair<const char *, double> volumes[] = {
      {"House - One Bedroom.vkx", 15583.0},
      {"Apartment - Entire Building.vkx", 7350.0},
      {"High-rise - Entire Floor.vkx", 1800000.0},
      {"Low-rise - One Office.vkx", 160000.0},
  };
  for (const auto &[name, volume] : volumes) {
    LumoTransfer scenario(dir.Path());
    scenario.GetState(dir.File(name));
    EXPECT_DOUBLE_EQ(scenario.ScenarioRecord.BldgVolume, volume) << name;
  }
}

}  // namespace
}  // namespace lumo
