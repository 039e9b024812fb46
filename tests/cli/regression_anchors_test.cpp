// Regression anchors: the ten results of the factory-default run and of
// every shipped default scenario, as lumo-run prints them and to about six
// significant digits. Any change between the scenario and the printed
// number that moves one of them fails here; if a change is meant to move
// them, the new values must be justified and written down here.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "batch_run.h"
#include "default_scenarios.h"
#include "result_report.h"
#include "result_text.h"
#include "temp_dir.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

struct Anchor {
  const char *scenario;  // "" for the factory-default (start-up) scenario
  std::array<const char *, 10> printed;
  std::array<double, 10> value;
};

// In the order of kResultFields: LADD, ADD, LADC, ADC, Cpeak,
// SingleEventDose, APDR, APDRtime, C15min, C8hour.
const Anchor kAnchors[] = {
    {"",
     {"1.64E-001", "4.91E-001", "4.27E-001", "1.28E+000", "7.93E+000", "6.44E+001", "7.84E-001",
      "1.46E+000", "7.87E+000", "5.33E+000"},
     {0.1637339, 0.490865499, 0.427494347, 1.28160524, 7.93325663, 64.3646164, 0.784266412,
      1.45833337, 7.86869955, 5.32980776}},
    {"Apartment - Entire Building.vkx",
     {"1.48E-001", "4.43E-001", "3.86E-001", "1.16E+000", "1.37E+001", "3.75E+002", "1.46E+000",
      "4.75E+000", "1.36E+001", "1.14E+001"},
     {0.147843957, 0.443228275, 0.38600713, 1.15722883, 13.6675177, 375.390747, 1.45651579, 4.75,
      13.6208916, 11.400238}},
    {"Apartment - One Bedroom.vkx",
     {"2.08E-001", "6.22E-001", "5.42E-001", "1.62E+000", "1.44E+001", "7.91E+001", "1.10E+000",
      "7.08E-001", "1.42E+001", "8.62E+000"},
     {0.207554296, 0.622236669, 0.541905403, 1.62460351, 14.3770514, 79.0502014, 1.10097766,
      0.708333313, 14.2487841, 8.62365818}},
    {"High-rise - Entire Floor.vkx",
     {"8.10E-005", "2.43E-004", "2.11E-004", "6.34E-004", "1.45E-001", "4.34E+000", "1.62E-002",
      "4.75E+000", "1.44E-001", "1.26E-001"},
     {8.09612611e-05, 0.000242717535, 0.000211382503, 0.00063371344, 0.144763708, 4.33994675,
      0.0161556154, 4.75, 0.144358352, 0.12646088}},
    {"High-rise - One Office.vkx",
     {"7.49E-003", "2.24E-002", "1.95E-002", "5.86E-002", "1.33E+000", "4.01E+001", "1.49E-001",
      "4.75E+000", "1.33E+000", "1.17E+000"},
     {0.00748585863, 0.0224422049, 0.0195448976, 0.0585945584, 1.33174109, 40.1281166, 0.149078161,
      4.75, 1.32802665, 1.16693962}},
    {"House - Entire Building.vkx",
     {"3.29E-002", "9.86E-002", "8.59E-002", "2.57E-001", "6.45E+000", "1.77E+002", "6.87E-001",
      "4.75E+000", "6.42E+000", "5.38E+000"},
     {0.0328909233, 0.0986052379, 0.0858752131, 0.257449329, 6.44652796, 177.059738, 0.686991453,
      4.75, 6.42453575, 5.37712431}},
    {"House - One Bedroom.vkx",
     {"1.20E-001", "3.58E-001", "3.12E-001", "9.36E-001", "7.93E+000", "6.44E+001", "7.84E-001",
      "1.46E+000", "7.87E+000", "5.33E+000"},
     {0.119564757, 0.358448744, 0.312172711, 0.935877144, 7.93325138, 64.3645782, 0.784265876,
      1.45833337, 7.86869478, 5.32980442}},
    {"Low-rise - Entire Floor.vkx",
     {"5.47E-004", "1.64E-003", "1.43E-003", "4.28E-003", "4.42E-001", "1.30E+001", "4.88E-002",
      "4.75E+000", "4.40E-001", "3.82E-001"},
     {0.000547176576, 0.0016404062, 0.00142862834, 0.00428295182, 0.441614449, 13.0362339,
      0.0488281213, 4.75, 0.440363169, 0.382206053}},
    {"Low-rise - One Office.vkx",
     {"3.93E-002", "1.18E-001", "1.03E-001", "3.07E-001", "3.11E+000", "9.36E+001", "3.48E-001",
      "4.75E+000", "3.10E+000", "2.72E+000"},
     {0.0392702632, 0.117730148, 0.10253109, 0.307382733, 3.11231351, 93.5596161, 0.347903848, 4.75,
      3.10361671, 2.72328353}},
};

class RegressionAnchors : public ::testing::Test {
 protected:
  test::TempDir programDir;
  test::TempDir scenarioDir;
  std::atomic<bool> interrupted{false};

  void SetUp() override {
    fs::copy_file(ENGINE_LIBRARY_PATH, programDir.File("liblumo32.so"));
    fs::copy_file(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat", programDir.File("Chems.dat"));
    TFileChemical chemicals(programDir.File("Chems.dat"));
    ASSERT_TRUE(chemicals.LoadFile());
    WriteDefaultScenarios(chemicals, scenarioDir.Path());
  }

  static void ExpectAnchor(const Anchor &a, const cli::ScenarioOutcome &o) {
    SCOPED_TRACE(*a.scenario ? a.scenario : "factory default");
    ASSERT_TRUE(o.ok) << o.error;
    const std::string text = cli::ResultText(o);
    for (std::size_t i = 0; i < kResultFields.size(); ++i) {
      SCOPED_TRACE(kResultFields[i].name);
      // The printed line carries the anchored digits.
      std::istringstream lines(text);
      std::string line, found;
      while (std::getline(lines, line))
        if (line.rfind(std::string("  ") + kResultFields[i].name + " ", 0) == 0) found = line;
      EXPECT_NE(found.find(std::string(" ") + a.printed[i] + " "), std::string::npos) << found;
      EXPECT_NEAR(o.results[i], a.value[i], 1e-6 * std::fabs(a.value[i]));
    }
  }
};

TEST_F(RegressionAnchors, FactoryDefaultAndEveryShippedScenarioKeepTheirResults) {
  cli::BatchRun runner(programDir.Path(), interrupted);
  ASSERT_EQ(std::size(kAnchors), DefaultScenarios().size() + 1);
  for (const Anchor &a : kAnchors) {
    cli::ScenarioOutcome o = *a.scenario ? runner.RunScenarioFile(scenarioDir.File(a.scenario))
                                         : runner.RunStartupScenario();
    ExpectAnchor(a, o);
  }
}

}  // namespace
}  // namespace lumo
