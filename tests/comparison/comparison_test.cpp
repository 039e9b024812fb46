// Comparisons and sweeps without a window: which inputs differ, how a sweep
// is read, and that a sweep's values reach the engine as the dialogs apply
// them.
#include <gtest/gtest.h>

#include <memory>

#include "input_captions.h"
#include "result_tables.h"
#include "results_provenance.h"
#include "sample_scenarios.h"
#include "scenario_comparison.h"
#include "sweep.h"

namespace lumo::comparison {
namespace {

std::shared_ptr<LumoTransfer> Startup(const std::function<void(LumoTransfer &)> &edit = {}) {
  auto s = std::make_shared<LumoTransfer>(REAL_ENGINE_DIR);
  SetStartupScenario(*s, test::SampleChemicals());
  if (edit) edit(*s);
  return s;
}

std::vector<std::string> Names(const std::vector<InputDifference> &d) {
  std::vector<std::string> out;
  for (const InputDifference &x : d) out.push_back(x.name);
  return out;
}

TEST(DifferingInputs, ListExactlyTheInputsThatDiffer) {
  auto a = Startup();
  auto same = Startup([](LumoTransfer &s) {
    s.ScenarioRecord.Title.SetText("another title");  // not an input
  });
  EXPECT_TRUE(DifferingInputs({a.get(), same.get()}).empty());

  auto b = Startup([](LumoTransfer &s) {
    s.ScenarioRecord.AirExchangeRate = 1.25;
    s.ScenarioRecord.BodyWeight = 80;
    s.ScenarioRecord.RunLength = 30;
  });
  const auto d = DifferingInputs({a.get(), b.get(), a.get()});
  ASSERT_EQ(Names(d), (std::vector<std::string>{"AirExchangeRate", "BodyWeight", "RunLength"}));
  EXPECT_EQ(d[0].caption, "Air exchange rate");
  EXPECT_EQ(d[0].unit, "air changes/hour");
  ASSERT_EQ(d[0].values.size(), 3u);
  EXPECT_EQ(d[0].values[1]->number, 1.25);
  EXPECT_EQ(d[0].values[0]->number, a->ScenarioRecord.AirExchangeRate);
  // Differences too small for the shown text still count.
  auto c = Startup([](LumoTransfer &s) { s.ScenarioRecord.BodyWeight += 1e-9; });
  const auto tiny = DifferingInputs({a.get(), c.get()});
  ASSERT_EQ(Names(tiny), std::vector<std::string>{"BodyWeight"});
  EXPECT_NE(tiny[0].values[0]->text, tiny[0].values[1]->text);  // shown in full
}

TEST(DifferingInputs, ValuesTheModelDoesNotUseAreNotDifferences) {
  auto none = Startup([](LumoTransfer &s) { s.SetSink(SinkModelType::None); });
  auto stale = Startup([](LumoTransfer &s) {
    s.SetSink(SinkModelType::None);
    s.ScenarioRecord.Sinks.AdsorptionRate[2] = 7;  // invisible without sinks
  });
  EXPECT_TRUE(DifferingInputs({none.get(), stale.get()}).empty());

  auto oneWay = Startup([](LumoTransfer &s) { s.SetSink(SinkModelType::OneWay); });
  const auto d = DifferingInputs({none.get(), oneWay.get()});
  ASSERT_FALSE(d.empty());
  EXPECT_EQ(d[0].name, "SinkModel");
  const auto area = std::find_if(d.begin(), d.end(), [](auto &x) { return x.name == "SinkArea1"; });
  ASSERT_NE(area, d.end());
  EXPECT_FALSE(area->values[0].has_value());  // not used without sinks
  EXPECT_TRUE(area->values[1].has_value());
  EXPECT_EQ(area->caption, "Sink area, zone 1 carpet");
}

TEST(ScenarioInputs, EveryInputHasItsCaptionAndTablesReadAsTimes) {
  auto s = Startup([](LumoTransfer &t) { t.SetSink(SinkModelType::Reversible); });
  for (const InputValue &v : ScenarioInputs(*s))
    if (v.name != "Gender") {  // "Gender" is its own caption
      EXPECT_NE(v.caption, v.name) << v.name;
    }
  for (const VariableInput &in : VariableInputs())
    EXPECT_NE(InputCaption(in.name), in.name) << in.name;
  const auto inputs = ScenarioInputs(*s);
  const auto schedule = std::find_if(inputs.begin(), inputs.end(),
                                     [](auto &v) { return v.name == "PaintingSchedule"; });
  ASSERT_NE(schedule, inputs.end());
  const PaintDurationGrid &g = s->PaintDurationGrid();
  ASSERT_GT(g.Rows(), 0);
  // "3 periods: Mon 9:00-15:51 zone 1 at 27.50 m³/day; ..."
  EXPECT_EQ(schedule->text.rfind(std::to_string(g.Rows()) + " periods: Mon 9:00-", 0), 0u)
      << schedule->text;
  const auto weekday = std::find_if(inputs.begin(), inputs.end(),
                                    [](auto &v) { return v.name == "WeekDayPattern"; });
  ASSERT_NE(weekday, inputs.end());
  EXPECT_EQ(weekday->text.rfind("00:00 ", 0), 0u) << weekday->text;
}

TEST(TableText, ColumnsLineUpWhateverTheCharacters) {
  Table t;
  t.header = {"Input", "Unit", "1."};
  t.rows = {{{"Building volume", {}}, {"ft³", {}}, {"12,000", 12000.0}},
            {{"Body weight", {}}, {"kg", {}}, {"71.8", 71.8}}};
  EXPECT_EQ(TableText(t),
            "  Input            Unit  1.\n"
            "  Building volume  ft³   12,000\n"
            "  Body weight      kg    71.8\n");
}

TEST(ParseSweep, RangesAndLists) {
  SweepRequest r = ParseSweep("AirExchangeRate=0.2:2:10");
  EXPECT_EQ(r.input->name, "AirExchangeRate");
  ASSERT_EQ(r.values.size(), 10u);
  EXPECT_EQ(r.values.front(), 0.2);
  EXPECT_EQ(r.values.back(), 2.0);
  EXPECT_DOUBLE_EQ(r.values[1], 0.4);
  r = ParseSweep("BodyWeight=90:50:3");  // downwards
  EXPECT_EQ(r.values, (std::vector<double>{90, 70, 50}));
  r = ParseSweep("PaintCoats= 1, 2 ,3e0");
  EXPECT_EQ(r.values, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(ParseSweep("BldgVolume=12000").values.size(), 1u);
}

TEST(ParseSweep, RefusalsSayWhatIsWrong) {
  auto message = [](const char *text) {
    try {
      ParseSweep(text);
    } catch (const ESweep &e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_NE(message("airexchangerate=1,2").find("did you mean AirExchangeRate?"),
            std::string::npos);
  EXPECT_NE(message("Volume=1,2").find("The inputs are: BldgVolume"), std::string::npos);
  EXPECT_NE(message("AirExchangeRate").find("FIELD=START:STOP:COUNT"), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1:2:1").find("whole number from 2 to 1000"),
            std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1:2:1001").find("from 2 to 1000"), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1:2:2.5").find("count \"2.5\""), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1:1:5").find("start and stop are both 1"), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1:x:5").find("stop \"x\""), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1,,2").find("value \"\""), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1,nan").find("not a number"), std::string::npos);
  EXPECT_NE(message("AirExchangeRate=1:2:3:4").find("=START:STOP:COUNT"), std::string::npos);
}

TEST(RunSweep, EachValueAsTheDialogAppliesItRefusalsInTheirRows) {
  const EngineRuns engine(REAL_ENGINE_DIR);
  auto base = Startup();
  SweepRequest request = ParseSweep("PercentPainted=20,150,35");
  const auto points =
      RunSweep(*base, request, engine, {.threads = 2, .stop = nullptr, .progress = {}});
  ASSERT_EQ(points.size(), 3u);
  EXPECT_FALSE(points[1].ok);
  EXPECT_NE(points[1].problem.find("PercentPainted of 150 % is refused"), std::string::npos)
      << points[1].problem;
  for (std::size_t i : {0u, 2u}) {
    ASSERT_TRUE(points[i].ok) << points[i].problem;
    // The same value applied by hand and run on its own gives the same
    // results.
    TLumoState alone;
    alone.ScenarioRecord = base->ScenarioRecord;
    alone.PaintDurationGrid() = base->PaintDurationGrid();
    ApplyVariableInput(alone, *request.input, request.values[i]);
    const ScenarioRun own = RunScenario(engine, alone, false);
    ASSERT_TRUE(own.ok) << own.problem;
    EXPECT_EQ(points[i].results, own.results);
    EXPECT_EQ(points[i].applied, alone.ScenarioRecord.PercentPainted);
  }
  EXPECT_NE(points[0].results, points[2].results);
  // The table keeps the refused value's reason in its row.
  const Table t = SweepTable(request, points);
  EXPECT_EQ(t.rows[1].back().text, points[1].problem);
  EXPECT_EQ(t.rows[0][2].number, points[0].results[0]);
}

TEST(RunSweep, AStoppedSweepSaysWhichValuesDidNotRun) {
  const EngineRuns engine(REAL_ENGINE_DIR);
  auto base = Startup();
  const std::atomic<bool> stop{true};
  const auto points = RunSweep(*base, ParseSweep("BodyWeight=50:90:5"), engine,
                               {.threads = 1, .stop = &stop, .progress = {}});
  ASSERT_EQ(points.size(), 5u);
  for (const SweepPoint &p : points) {
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.problem, "Stopped before it ran.");
  }
}

TEST(CompareScenarios, StoredResultsRunsAndSeries) {
  const EngineRuns engine(REAL_ENGINE_DIR);
  auto a = Startup();
  auto b = Startup([](LumoTransfer &s) { s.ScenarioRecord.AirExchangeRate = 2; });
  std::vector<ScenarioToCompare> list = {
      {"a", a, ""}, {"missing.vkx", nullptr, "missing.vkx Does not Exist"}, {"b", b, ""}};
  Comparison c = CompareScenarios(
      list, engine, {.withSeries = true, .threads = 0, .stop = nullptr, .progress = {}});
  ASSERT_EQ(c.scenarios.size(), 3u);
  EXPECT_FALSE(c.scenarios[1].run.ok);
  EXPECT_EQ(c.scenarios[1].run.problem, "missing.vkx Does not Exist");
  ASSERT_TRUE(c.scenarios[0].run.ok && c.scenarios[2].run.ok);
  ASSERT_TRUE(c.scenarios[0].run.series.has_value());
  const ConcentrationSeries &s = *c.scenarios[0].run.series;
  EXPECT_GT(s.Rows(), 10u);
  // The run's peak at the person is at least the highest reported value.
  EXPECT_GE(c.scenarios[0].run.results[4] * (1 + 1e-6),
            *std::max_element(s.person.begin(), s.person.end()));
  ASSERT_EQ(c.differences.size(), 1u);
  EXPECT_EQ(c.differences[0].name, "AirExchangeRate");
  EXPECT_FALSE(c.differences[0].values[1].has_value());

  // A scenario holding the results of its inputs is not run again.
  auto stamped = Startup();
  stamped->ScenarioRecord.LADD = 42;
  StampResults(stamped->ScenarioRecord,
               InputsChecksum(stamped->ScenarioRecord, stamped->PaintDurationGrid()));
  const ScenarioRun own = RunScenario(engine, *stamped, false);
  EXPECT_TRUE(own.fromFile);
  EXPECT_EQ(own.results[0], 42);
}

TEST(ConcentrationSeries, ReadsTheEngineFileAndRefusesBrokenRows) {
  const std::string header =
      "Time (days),Conc Outdoors,Conc Zone 1,Conc Zone 2,Sink 1,,Conc@Person\r\n";
  std::string problem;
  auto s = ParseConcentrationSeries(header + "0,0,1.5,0.5,0,,1.5\r\n0.1,0,2e-3,1,0,,1\r\n0.2,0,9",
                                    &problem);
  ASSERT_TRUE(s) << problem;
  EXPECT_EQ(s->days, (std::vector<double>{0, 0.1}));  // the unfinished row is left out
  EXPECT_EQ(s->zone1, (std::vector<double>{1.5, 2e-3}));
  EXPECT_EQ(s->person, (std::vector<double>{1.5, 1}));
  EXPECT_FALSE(ParseConcentrationSeries(header + "0,0,1,x,0,,1\r\n", &problem));
  EXPECT_NE(problem.find("line 2"), std::string::npos);
  EXPECT_FALSE(ParseConcentrationSeries("a,b\r\n1,2\r\n", &problem));
}

}  // namespace
}  // namespace lumo::comparison
