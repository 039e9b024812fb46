// The inputs an assessment varies, without a window: the table, own values
// that change nothing, corrections and refusals as the dialogs make them,
// the order that keeps later groups' values, the person the window would
// reset, and the painting schedule judged after the last value. That each
// value reaches the scenario exactly as through its dialog is checked
// against the real windows in tests/ui.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <set>

#include "parameter_edits.h"
#include "scenario_rules.h"
#include "semi_empirical_rate.h"
#include "variable_inputs.h"

namespace lumo {
namespace {

// A state with its own copy of another's record and schedule.
std::unique_ptr<TLumoState> Copy(const TLumoState &from) {
  auto s = std::make_unique<TLumoState>();
  s->ScenarioRecord = from.ScenarioRecord;
  s->PaintDurationGrid() = from.PaintDurationGrid();
  return s;
}

bool Same(const TLumoState &a, const TLumoState &b) {
  return std::memcmp(&a.ScenarioRecord, &b.ScenarioRecord, sizeof a.ScenarioRecord) == 0 &&
         std::memcmp(&a.PaintDurationGrid(), &b.PaintDurationGrid(), sizeof(PaintDurationGrid)) ==
             0;
}

const VariableInput &In(const char *name) {
  const VariableInput *in = FindVariableInput(name);
  if (!in) throw std::runtime_error(std::string("no input ") + name);
  return *in;
}

// The start-up scenario (patterns, schedule and sink areas from the
// defaults).
std::unique_ptr<TLumoState> Default() {
  auto s = std::make_unique<TLumoState>();
  rules::PrepareDefaultScenario(*s);
  return s;
}

// Alkyd paint, both sides on the semi-empirical model, reversible sinks, an
// office floor painted whole: every input the default leaves refused is
// open here, and the other way round.
std::unique_ptr<TLumoState> AlkydOfficeWithSinks() {
  auto s = Default();
  auto &r = s->ScenarioRecord;
  rules::ApplyBuildingChoice(*s, BldgType::LowRise, false);
  rules::ApplyPaintType(*s, PaintType::Alkyd);
  r.PrimerEmissionsModel = r.PaintEmissionsModel = EmissionsModelType::SemiEmpirical;
  rules::StoreSemiEmpiricalRate(r, true);
  rules::StoreSemiEmpiricalRate(r, false);
  r.Sinks.SinkModel = SinkModelType::Reversible;
  for (int i = 0; i < SinkBlock::kSinks; ++i) {
    r.Sinks.AdsorptionRate[i] = 0.25 + i;
    r.Sinks.DesorptionRate[i] = 0.05 * (i + 1);
  }
  r.PaintInterval = PaintInterval::PAINTNEXTDAY;
  s->SetPaintDurationGrid();
  return s;
}

TEST(VariableInputs, TheTableNamesEachEditedInputOnceInTheOrderOfTheWindows) {
  const std::vector<std::string> expected = {"BldgVolume",
                                             "PercentPainted",
                                             "LoadingRatio",
                                             "AirExchangeRate",
                                             "InterzonalAirflow",
                                             "PrimerCoats",
                                             "PaintCoats",
                                             "PrimerCoverage",
                                             "PaintCoverage",
                                             "PrimerDensity",
                                             "PaintDensity",
                                             "PrimerApplicationRate",
                                             "PaintApplicationRate",
                                             "PrimerWorkHours",
                                             "PaintWorkHours",
                                             "NumberOfPainters",
                                             "HoursTillPaint",
                                             "MolecularWeight",
                                             "VaporPressure",
                                             "PrimerWeightFraction",
                                             "PaintWeightFraction",
                                             "PrimerChemicalMass",
                                             "PrimerPercentFirstExp",
                                             "PrimerRateConstant1",
                                             "PrimerRateConstant2",
                                             "PrimerVOCWeightFraction",
                                             "PrimerFirstOrderRateConstant",
                                             "PaintChemicalMass",
                                             "PaintPercentFirstExp",
                                             "PaintRateConstant1",
                                             "PaintRateConstant2",
                                             "PaintVOCWeightFraction",
                                             "PaintFirstOrderRateConstant",
                                             "SinkArea1",
                                             "SinkArea2",
                                             "SinkArea3",
                                             "SinkArea4",
                                             "SinkArea5",
                                             "SinkArea6",
                                             "AdsorptionRate1",
                                             "AdsorptionRate2",
                                             "AdsorptionRate3",
                                             "AdsorptionRate4",
                                             "AdsorptionRate5",
                                             "AdsorptionRate6",
                                             "DesorptionRate1",
                                             "DesorptionRate2",
                                             "DesorptionRate3",
                                             "DesorptionRate4",
                                             "DesorptionRate5",
                                             "DesorptionRate6",
                                             "EventsPerYear",
                                             "YearsofExposure",
                                             "LifeTime",
                                             "BodyWeight"};
  std::vector<std::string> names;
  InputGroup previous = InputGroup::Building;
  for (const VariableInput &in : VariableInputs()) {
    names.push_back(in.name);
    EXPECT_GE(in.group, previous) << in.name << " is out of its window's order";
    previous = in.group;
    EXPECT_FALSE(in.unit.empty()) << in.name;
    EXPECT_LT(in.limits.Min, in.limits.Max) << in.name;
  }
  EXPECT_EQ(names, expected);
  EXPECT_EQ(FindVariableInput("RunLength"), nullptr);
  EXPECT_EQ(FindVariableInput("bodyweight"), nullptr) << "names are the record's, exactly";

  std::set<std::string> whole;
  for (const VariableInputLimits &l : VariableInputLimitsList()) {
    if (l.integer) whole.insert(l.name);
    const VariableInput &in = In(l.name.c_str());
    EXPECT_EQ(l.min, in.limits.Min);
    EXPECT_EQ(l.max, in.limits.Max);
    EXPECT_EQ(l.unit, in.unit);
  }
  EXPECT_EQ(whole, (std::set<std::string>{"PrimerCoats", "PaintCoats", "NumberOfPainters",
                                          "HoursTillPaint", "YearsofExposure", "LifeTime"}));
  EXPECT_EQ(In("BldgVolume").limits.Max, kBuildingVolumeLimits.Max);
  EXPECT_EQ(In("BldgVolume").unit, "ft³");
  EXPECT_LT(In("PercentPainted").limits.Max, 100.0) << "the dialog refuses 100";
  EXPECT_EQ(In("PercentPainted").limits.Max, std::nextafter(100.0, 0.0));
}

// Every input at its own value, one at a time and all at once, in scenarios
// where each input is open or refused: nothing is stored or derived, not
// even the schedule (whose edited breathing rates a rebuild would lose).
TEST(VariableInputs, OwnValuesAreNoEditAndLeaveRecordAndScheduleAsTheyWere) {
  for (auto make : {Default, AlkydOfficeWithSinks}) {
    auto base = make();
    base->PaintDurationGrid().SetCell(PaintDurationGrid::kBreathingRate, 0, "31.25");
    for (const VariableInput &in : VariableInputs()) {
      auto s = Copy(*base);
      EXPECT_FALSE(ApplyVariableInput(*s, in, in.get(s->ScenarioRecord))) << in.name;
      EXPECT_TRUE(Same(*s, *base)) << in.name;
    }
    std::vector<VariedValue> all;
    for (const VariableInput &in : VariableInputs())
      all.push_back({&in, in.get(base->ScenarioRecord)});
    auto s = Copy(*base);
    ApplyVariableInputs(*s, all);
    EXPECT_TRUE(Same(*s, *base));
  }
}

TEST(VariableInputs, ValuesAreCorrectedAsTheDialogsCorrectThem) {
  const std::tuple<const char *, double, double> cases[] = {
      {"BldgVolume", 0.5, 1.0},
      {"BodyWeight", 5000, 1000},
      {"LoadingRatio", -1, 0},
      {"AirExchangeRate", 2000, 1000},
      {"PrimerCoats", 2.5, 3},  // the coats field rounds halves up
      {"PaintCoats", 1e6, 100},
      {"NumberOfPainters", 2.5, 2},  // the painters field rounds halves to even
      {"NumberOfPainters", 5000, 1000},
      {"HoursTillPaint", 2.6, 3},
      {"LifeTime", 70.9, 70},  // whole years, cut
      {"LifeTime", 0.5, 1},
      {"YearsofExposure", 12.7, 12},
      {"YearsofExposure", 200, 150},
      {"PrimerWeightFraction", 5e-7, 1e-6},
      {"PaintWeightFraction", 9.99e-7, 9.99e-7},
      {"PaintWeightFraction", 3, 1},
      {"VaporPressure", 0, 1e-7},
      {"MolecularWeight", 0.001, 0.01},
      {"PrimerChemicalMass", 2e12, 1e12},
      {"PaintRateConstant2", -3, 0},
  };
  for (const auto &[name, typed, stored] : cases) {
    auto s = Default();
    const VariableInput &in = In(name);
    EXPECT_TRUE(ApplyVariableInput(*s, in, typed)) << name;
    EXPECT_EQ(in.get(s->ScenarioRecord), stored) << name << " typed as " << typed;
  }
  // Corrected to the stored value: no edit.
  auto s = Default();
  s->ScenarioRecord.LifeTime = 70;
  auto before = Copy(*s);
  EXPECT_FALSE(ApplyVariableInput(*s, In("LifeTime"), 70.6));
  EXPECT_TRUE(Same(*s, *before));
}

TEST(VariableInputs, ValuesTheFieldsRefuseAreRefusedWithTheirRange) {
  const std::pair<const char *, double> refused[] = {
      {"PercentPainted", 100}, {"PercentPainted", 0.001}, {"PrimerWorkHours", 12.5},
      {"PaintWorkHours", 0.5}, {"PrimerDensity", 0},      {"PaintDensity", 2e9},
      {"EventsPerYear", 0},    {"HoursTillPaint", 13},    {"MolecularWeight", 2e7},
      {"MolecularWeight", -1},
  };
  for (const auto &[name, value] : refused) {
    auto s = Default();
    auto before = Copy(*s);
    try {
      ApplyVariableInput(*s, In(name), value);
      ADD_FAILURE() << name << " took " << value;
    } catch (const EVariableInput &e) {
      EXPECT_EQ(std::string(e.what()).rfind(std::string(name) + " of ", 0), 0u) << e.what();
      EXPECT_NE(std::string(e.what()).find("it takes values from"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(Same(*s, *before)) << name;
  }
  auto s = AlkydOfficeWithSinks();
  EXPECT_THROW(ApplyVariableInput(*s, In("SinkArea2"), -1), EVariableInput);
  EXPECT_TRUE(ApplyVariableInput(*s, In("SinkArea2"), 5e9));
  EXPECT_EQ(s->ScenarioRecord.Sinks.SinkArea[1], kSinkAreaLimits.Max);
  for (const VariableInput &in : VariableInputs())
    EXPECT_THROW(ApplyVariableInput(*s, in, std::nan("")), EVariableInput) << in.name;
}

// Inputs the window offers no dialog for in a scenario are refused there,
// with a sentence that names them; their own value is still no edit.
TEST(VariableInputs, InputsTheWindowDoesNotOfferAreRefusedInThatScenario) {
  auto office = AlkydOfficeWithSinks();
  auto house = Default();
  auto box = Default();
  box->ScenarioRecord.IndividualType = IndividualType::Adult;
  rules::ApplyStandardBoxAccepted(*box);
  rules::ApplyBuildingChoice(*box, BldgType::Other, false);
  auto wholeHouse = Default();
  rules::ApplyBuildingChoice(*wholeHouse, BldgType::House, false);
  auto oneWay = Default();
  oneWay->ScenarioRecord.Sinks.SinkModel = SinkModelType::OneWay;

  const std::tuple<const TLumoState *, const char *, double> refused[] = {
      {box.get(), "BldgVolume", 20000},
      {wholeHouse.get(), "PercentPainted", 50},
      {house.get(), "PrimerVOCWeightFraction", 0.5},
      {house.get(), "PaintFirstOrderRateConstant", 3},
      {office.get(), "PrimerRateConstant1", 3},
      {office.get(), "PaintPercentFirstExp", 50},
      {house.get(), "SinkArea1", 3},
      {house.get(), "AdsorptionRate6", 3},
      {oneWay.get(), "DesorptionRate2", 3},
      {office.get(), "HoursTillPaint", 2},
  };
  for (const auto &[scenario, name, value] : refused) {
    const VariableInput &in = In(name);
    const auto why = VariationRefusal(scenario->ScenarioRecord, in);
    ASSERT_TRUE(why) << name;
    EXPECT_NE(why->find(name), std::string::npos) << *why;
    auto s = Copy(*scenario);
    try {
      ApplyVariableInput(*s, in, value);
      ADD_FAILURE() << name << " was not refused";
    } catch (const EVariableInput &e) {
      EXPECT_EQ(e.what(), *why);
    }
    EXPECT_FALSE(ApplyVariableInput(*s, in, in.get(s->ScenarioRecord)));
  }
  for (const char *open : {"PrimerVOCWeightFraction", "PaintFirstOrderRateConstant",
                           "DesorptionRate2", "SinkArea1", "PercentPainted"})
    EXPECT_FALSE(VariationRefusal(office->ScenarioRecord, In(open))) << open;
  for (const char *open : {"PrimerRateConstant1", "PaintPercentFirstExp", "HoursTillPaint",
                           "BldgVolume", "PercentPainted", "PrimerChemicalMass"})
    EXPECT_FALSE(VariationRefusal(house->ScenarioRecord, In(open))) << open;
  EXPECT_FALSE(VariationRefusal(oneWay->ScenarioRecord, In("AdsorptionRate3")));
}

// The window would set the person back to the individual's defaults after
// these edits; here the scenario keeps its own person.
TEST(VariableInputs, BuildingAndPaintInputsKeepTheScenariosOwnPerson) {
  auto base = Default();
  auto &b = base->ScenarioRecord;
  b.LifeTime = 61;
  b.BodyWeight = 55.5;
  b.EventsPerYear = 12;
  b.YearsofExposure = 7;
  b.EventsinLifeTime = 84;
  b.WeekDayPattern.BreathingRate[0] = 17.5;
  const std::pair<const char *, double> edits[] = {
      {"BldgVolume", 20000}, {"PercentPainted", 25},   {"LoadingRatio", 0.5},
      {"PrimerCoats", 2},    {"PaintCoverage", 350.5},
  };
  for (const auto &[name, value] : edits) {
    const VariableInput &in = In(name);
    EXPECT_TRUE(in.ReappliesIndividual) << name;
    auto s = Copy(*base);
    ASSERT_TRUE(ApplyVariableInput(*s, in, value)) << name;
    const auto &r = s->ScenarioRecord;
    EXPECT_EQ(r.LifeTime, 61) << name;
    EXPECT_EQ(r.BodyWeight, 55.5) << name;
    EXPECT_EQ(r.EventsPerYear, 12) << name;
    EXPECT_EQ(r.YearsofExposure, 7) << name;
    EXPECT_EQ(r.EventsinLifeTime, 84) << name;
    EXPECT_EQ(std::memcmp(&r.WeekDayPattern, &b.WeekDayPattern, sizeof b.WeekDayPattern), 0);
    EXPECT_EQ(r.IndividualLocation, b.IndividualLocation);
  }
  // The painting duration's own step after OK is kept: events per year
  // and in lifetime from the new painting hours.
  auto s = Copy(*base);
  ASSERT_TRUE(ApplyVariableInput(*s, In("PrimerApplicationRate"), 0.5));
  EXPECT_EQ(s->ScenarioRecord.EventsPerYear, s->GetDefaultEventsPerYear());
  EXPECT_EQ(s->ScenarioRecord.EventsinLifeTime, s->GetDefaultEventsinLifeTime());
  EXPECT_EQ(s->ScenarioRecord.LifeTime, 61);
}

TEST(VariableInputs, LaterWindowsKeepTheirValuesWhateverOrderTheyAreGivenIn) {
  auto s = Default();
  const double mass = 123.5;
  const VariedValue values[] = {
      {&In("BodyWeight"), 80.5},          {&In("PrimerChemicalMass"), mass},
      {&In("EventsPerYear"), 42},         {&In("InterzonalAirflow"), 999.5},
      {&In("PaintApplicationRate"), 0.5}, {&In("AirExchangeRate"), 2.5},
      {&In("BldgVolume"), 20000},         {&In("MolecularWeight"), 180},
  };
  ApplyVariableInputs(*s, values);
  const auto &r = s->ScenarioRecord;
  EXPECT_EQ(r.BldgVolume, 20000);
  EXPECT_EQ(r.AirExchangeRate, 2.5);
  EXPECT_EQ(r.InterzonalAirflow, 999.5) << "replaced by the volume's and the rate's airflow";
  EXPECT_EQ(r.PrimerChemicalMass, mass) << "replaced by the default emissions";
  EXPECT_EQ(r.EventsPerYear, 42) << "replaced by the painting duration's default";
  EXPECT_EQ(r.EventsinLifeTime, 42 * r.YearsofExposure);
  EXPECT_EQ(r.BodyWeight, 80.5);
  EXPECT_EQ(r.MolecularWeight, 180);
  // What the varied values derive and no later value overrides follows
  // them all: the paint's mass from volume and molecular weight.
  auto expected = Default();
  expected->ScenarioRecord = r;
  expected->SetDefaultEmissions();
  EXPECT_EQ(r.PaintChemicalMass, expected->ScenarioRecord.PaintChemicalMass);
  EXPECT_EQ(r.PaintRateConstant2, 5.84e-05 * 180);

  const VariedValue twice[] = {{&In("BodyWeight"), 80}, {&In("BodyWeight"), 81}};
  EXPECT_THROW(ApplyVariableInputs(*s, twice), EVariableInput);
  // The order comes from the table: an input that is not one of its
  // entries cannot be placed and is refused, not applied out of order.
  const VariableInput copy = In("BodyWeight");
  const VariedValue notInTable[] = {{&copy, 80}};
  EXPECT_THROW(ApplyVariableInputs(*s, notInTable), EVariableInput);
  const VariedValue none[] = {{nullptr, 80}};
  EXPECT_THROW(ApplyVariableInputs(*s, none), EVariableInput);
}

// The schedule is judged once, after the last value: a volume that needs
// more than 800 days alone is taken with enough painters to do it.
TEST(VariableInputs, TheScheduleIsJudgedAfterTheLastValue) {
  auto alone = Default();
  try {
    ApplyVariableInput(*alone, In("BldgVolume"), 5e7);
    ADD_FAILURE() << "not refused";
  } catch (const EVariableInput &e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("BldgVolume: A building volume of 50,000,000 ft³ needs", 0), 0u) << text;
  }

  auto together = Default();
  const VariedValue values[] = {{&In("NumberOfPainters"), 20}, {&In("BldgVolume"), 5e7}};
  ApplyVariableInputs(*together, values);
  EXPECT_TRUE(ScheduleFits(together->ScenarioRecord));
  auto built = Copy(*together);
  built->SetPaintDurationGrid();
  EXPECT_TRUE(Same(*together, *built)) << "the schedule is that of the final inputs";
  EXPECT_GT(together->PaintDurationGrid().Rows(), 100);

  auto tooMuch = Default();
  const VariedValue more[] = {
      {&In("NumberOfPainters"), 2}, {&In("BldgVolume"), 5e7}, {&In("BodyWeight"), 70}};
  EXPECT_THROW(ApplyVariableInputs(*tooMuch, more), EVariableInput);
}

TEST(VariableInputs, SemiEmpiricalInputsComputeTheRateConstantAsTheDialogOpens) {
  auto s = AlkydOfficeWithSinks();
  auto &r = s->ScenarioRecord;
  r.PrimerFirstOrderRateConstant = 42;  // typed earlier; the dialog recomputes it
  ASSERT_TRUE(ApplyVariableInput(*s, In("PrimerChemicalMass"), 50));
  EXPECT_EQ(r.PrimerChemicalMass, 50);
  const double k = *SemiEmpiricalRateConstant(r.MolecularWeight, r.VaporPressure,
                                              CoveragetoWetFilm(r.PrimerCoverage),
                                              r.PrimerVOCWeightFraction, r.PrimerDensity);
  EXPECT_EQ(r.PrimerFirstOrderRateConstant, k);
  ASSERT_TRUE(ApplyVariableInput(*s, In("PrimerVOCWeightFraction"), r.PrimerVOCWeightFraction * 2));
  EXPECT_DOUBLE_EQ(r.PrimerFirstOrderRateConstant, k / 2);
  const VariedValue both[] = {{&In("PrimerFirstOrderRateConstant"), 3.5},
                              {&In("PrimerVOCWeightFraction"), 0.9}};
  ApplyVariableInputs(*s, both);
  EXPECT_EQ(r.PrimerFirstOrderRateConstant, 3.5) << "typed after the fraction";
  EXPECT_EQ(r.PrimerVOCWeightFraction, 0.9);
  EXPECT_EQ(r.PrimerEmissionsModel, EmissionsModelType::SemiEmpirical);
}

}  // namespace
}  // namespace lumo
