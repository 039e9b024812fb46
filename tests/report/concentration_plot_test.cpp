// The concentration CSV reader and the plot: columns found by their names,
// a real run's file, a stopped run's file, files that cannot be plotted,
// and the curves drawn from the table.
#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QTemporaryDir>

#include "concentration_csv.h"
#include "concentration_series.h"
#include "frm_concentration_plot.h"
#include "message_recorder.h"
#include "plot_notes.h"
#include "report_test_support.h"

namespace lumo::report {
namespace {

// "³" is the byte 0xB3 in the engine's files.
const QByteArray kTwoZoneHeader =
    "Time (days),Conc Outdoors (mg/m\xb3),Conc Zone 1 (mg/m\xb3),Conc Zone 2 (mg/m\xb3),"
    "Sink 0 mass (mg),Sink 1 mass (mg),,Conc@Person(mg/m\xb3)\r\n";

TEST(ConcentrationCsv, FindsTheColumnsByName) {
  const QByteArray two = kTwoZoneHeader +
                         "0.375,0,0,0,0,0,,0\r\n"
                         "0.416667,0,0.0208333,1.5e-05,3.25,4,,0.0208333\r\n";
  const CsvReadResult a = ParseConcentrationCsv(two, "two.CSV");
  ASSERT_TRUE(a.table) << a.problem.toStdString();
  EXPECT_EQ(a.table->Rows(), 2);
  ASSERT_TRUE(a.table->HasZone2());
  EXPECT_DOUBLE_EQ(a.table->days[1], 0.416667);
  EXPECT_DOUBLE_EQ(a.table->zone1[1], 0.0208333);
  EXPECT_DOUBLE_EQ(a.table->zone2[1], 1.5e-05);
  EXPECT_DOUBLE_EQ(a.table->person[1], 0.0208333);  // after the empty field, not a sink

  const QByteArray one =
      "Time (days),Conc Outdoors (mg/m\xb3),Conc Zone 1 (mg/m\xb3),"
      ",Conc@Person(mg/m\xb3)\r\n1,0.5,2,,3\r\n";
  const CsvReadResult b = ParseConcentrationCsv(one, "one.CSV");
  ASSERT_TRUE(b.table);
  EXPECT_FALSE(b.table->HasZone2());
  EXPECT_DOUBLE_EQ(b.table->outdoor[0], 0.5);
  EXPECT_DOUBLE_EQ(b.table->person[0], 3);
}

TEST(ConcentrationCsv, SaysWhyAFileCannotBePlotted) {
  auto problem = [](const QByteArray &bytes) {
    return ParseConcentrationCsv(bytes, "x.CSV").problem;
  };
  EXPECT_TRUE(problem("").contains("is empty"));
  EXPECT_TRUE(problem("a,b,c\r\n1,2,3\r\n").contains("not a concentration file"));
  EXPECT_TRUE(problem(kTwoZoneHeader).contains("no concentrations yet"));
  const QString bad = problem(kTwoZoneHeader + "0,0,0,0,0,0,,0\r\n0,0,zero,0,0,0,,0\r\n");
  EXPECT_TRUE(bad.contains("Line 3")) << bad.toStdString();
  EXPECT_TRUE(problem(kTwoZoneHeader + "0,0,0,0,0,,0\r\n").contains("Line 2"));

  QTemporaryDir dir;
  const CsvReadResult missing = ReadConcentrationCsv(dir.filePath("none.CSV"));
  EXPECT_FALSE(missing.table);
  EXPECT_TRUE(missing.problem.contains("does not exist"));
  EXPECT_TRUE(missing.problem.contains("none.CSV"));
  EXPECT_TRUE(ReadConcentrationCsv(dir.path()).problem.contains("folder"));
}

TEST(ConcentrationCsv, AStoppedRunPlotsTheRowsItFinished) {
  // The engine ends every finished row; a row without its end is still
  // being written and may be cut inside a number.
  const QByteArray bytes = kTwoZoneHeader + "0,0,0,0,0,0,,0\r\n0.5,0,1,2,0,0,,1\r\n0.7,0,0.12";
  const CsvReadResult r = ParseConcentrationCsv(bytes, "stopped.CSV");
  ASSERT_TRUE(r.table);
  EXPECT_EQ(r.table->Rows(), 2);
}

TEST(ConcentrationCurves, ConvertToPpmSkipWhatALogAxisCannotShowAndKeepPeaks) {
  ConcentrationTable t;
  for (int i = 0; i < 10000; ++i) {
    t.days.push_back(i / 1000.0);
    t.outdoor.push_back(0);
    t.zone1.push_back(i == 6789 ? 50.0 : 1.0);
    t.person.push_back(i % 2 ? 0.5 : 0.0);
  }
  auto curves = ConcentrationCurves(t, ConcUnit::MgPerCubicMetre, 100, false, 400);
  ASSERT_EQ(curves.size(), 3u);  // one zone: outdoors, zone 1, person
  const PlotCurve &zone1 = curves[1];
  EXPECT_LE(zone1.points.size(), 400);
  EXPECT_EQ(zone1.points.first(), QPointF(0, 1));
  EXPECT_EQ(zone1.points.last(), QPointF(9.999, 1));
  EXPECT_TRUE(zone1.points.contains(QPointF(6.789, 50)));  // the peak survives thinning

  curves = ConcentrationCurves(t, ConcUnit::Ppm, 100, true, 100000);
  EXPECT_TRUE(curves[0].points.isEmpty());  // all zero outdoors
  EXPECT_EQ(curves[2].points.size(), 5000);
  EXPECT_DOUBLE_EQ(curves[2].points[0].y(), 24.453 * 0.5 / 100);
  const PlotRange range = RangeOf(curves, true);
  EXPECT_DOUBLE_EQ(range.yMin, 0.1);
  EXPECT_DOUBLE_EQ(range.yMax, 100);
  t.outdoor.assign(t.outdoor.size(), 1e-56);  // traces far below the rest
  EXPECT_DOUBLE_EQ(RangeOf(ConcentrationCurves(t, ConcUnit::MgPerCubicMetre, 100, true), true).yMin,
                   1e-4);
  EXPECT_FALSE(PpmAvailable(0));
  EXPECT_FALSE(PpmAvailable(std::nan("")));
}

class PlotOfARealRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    std::string error;
    run_ = test::StartupScenario(dir_->filePath("paint.vkx"), &error).release();
    ASSERT_NE(run_, nullptr) << error;
    ASSERT_TRUE(test::RunToEnd(*run_, &error)) << error;
  }
  static void TearDownTestSuite() {
    delete run_;
    delete dir_;
  }
  static QString Csv() { return dir_->filePath("paint.CSV"); }
  static inline QTemporaryDir *dir_ = nullptr;
  static inline LumoTransfer *run_ = nullptr;
};

TEST_F(PlotOfARealRun, ReadsTheFileTheRunWrote) {
  const CsvReadResult r = ReadConcentrationCsv(Csv());
  ASSERT_TRUE(r.table) << r.problem.toStdString();
  const ConcentrationTable &t = *r.table;
  // Five days at one row an hour, plus the starting row.
  EXPECT_EQ(t.Rows(), 5 * 24 + 1);
  EXPECT_EQ(t.HasZone2(), run_->NumZones() == 2);
  EXPECT_EQ(t.person.front(), 0);
  EXPECT_NEAR(t.days.back() - t.days.front(), 5.0, 1e-4);
  // The hourly rows cannot show more than the run's peak, taken every step.
  const double peak = *std::max_element(t.person.begin(), t.person.end());
  EXPECT_GT(peak, 0);
  EXPECT_LE(peak, run_->ScenarioRecord.Cpeak * (1 + 1e-6));

  TfrmConcentrationPlot plot(nullptr, Csv(), run_->ScenarioRecord.MolecularWeight);
  ASSERT_TRUE(plot.HasData());
  // The chart is made anew for every change of unit or axis.
  auto chart = [&] { return plot.findChild<QChartView *>("chartConcentrations")->chart(); };
  EXPECT_EQ(chart()->series().size(), t.HasZone2() ? 4 : 3);
  const auto *person = static_cast<QLineSeries *>(chart()->series().last());
  EXPECT_EQ(person->count(), t.Rows());
  EXPECT_DOUBLE_EQ(person->at(50).y(), t.person[50]);

  plot.SetPpm(true);
  EXPECT_EQ(plot.findChild<QComboBox *>("cbUnits")->currentIndex(), 1);
  person = static_cast<QLineSeries *>(chart()->series().last());
  EXPECT_DOUBLE_EQ(person->at(50).y(),
                   24.453 * t.person[50] / run_->ScenarioRecord.MolecularWeight);
  plot.SetLogScale(true);
  EXPECT_EQ(chart()->axes().size(), 2);
  ASSERT_EQ(chart()->axes(Qt::Vertical).size(), 1);
  EXPECT_EQ(chart()->axes(Qt::Vertical).first()->type(), QAbstractAxis::AxisTypeLogValue);
  person = static_cast<QLineSeries *>(chart()->series().last());
  EXPECT_EQ(person->count(), t.Rows() - 1);  // the first row's zero is left out
  EXPECT_TRUE(plot.findChild<QLabel *>("lblPlotStatus")->text().contains("121 rows"));

  QTemporaryDir out;
  plot.resize(700, 480);
  ASSERT_TRUE(plot.ExportPng(out.filePath("plot.png")));
  EXPECT_FALSE(QImage(out.filePath("plot.png")).isNull());
  controls::MessageRecorder messages;
  EXPECT_FALSE(plot.ExportPng(out.filePath("missing/plot.png")));
  EXPECT_EQ(messages.Count(), 1);
}

TEST_F(PlotOfARealRun, AMissingFileIsSaidInTheWindow) {
  TfrmConcentrationPlot plot(nullptr, dir_->filePath("other.CSV"), 0);
  EXPECT_FALSE(plot.HasData());
  EXPECT_TRUE(plot.findChild<QLabel *>("lblPlotStatus")->text().contains("does not exist"));
  EXPECT_FALSE(plot.findChild<QComboBox *>("cbScale")->isEnabled());
  plot.SetLogScale(true);  // nothing to redraw, nothing breaks
  EXPECT_TRUE(plot.findChild<QChartView *>("chartConcentrations")->chart()->series().isEmpty());
}

}  // namespace
}  // namespace lumo::report

namespace lumo::report {
namespace {

// A table of `rows` rows every `minutes` minutes from 0.375 days.
ConcentrationTable Table(int rows, int minutes) {
  ConcentrationTable t;
  for (int i = 0; i < rows; ++i) {
    t.days.push_back(0.375 + i * minutes / 1440.0);
    t.outdoor.push_back(0);
    t.zone1.push_back(i);
    t.person.push_back(i);
  }
  return t;
}

TEST(PlotNotes, SayTheSeriesIsReportedValuesAndWhenItIsPartial) {
  const PlotNotes whole = NotesFor(Table(5 * 24 + 1, 60), 5);
  EXPECT_TRUE(whole.reported.contains("every 60 minutes")) << whole.reported.toStdString();
  EXPECT_TRUE(whole.reported.contains("Cpeak"));
  EXPECT_TRUE(whole.partial.isEmpty());

  const PlotNotes stopped = NotesFor(Table(37, 60), 5);  // 1.5 of 5 days
  EXPECT_TRUE(stopped.partial.contains("ends at day 1.50 of a 5-day run (30 %)"))
      << stopped.partial.toStdString();
  EXPECT_TRUE(NotesFor(Table(37, 60), 0).partial.isEmpty());  // length not known
}

TEST(PlotNotes, AreDrawnOnTheChartItself) {
  QTemporaryDir dir;
  QFile f(dir.filePath("stopped.CSV"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(kTwoZoneHeader + "0.375,0,0,0,0,0,,0\r\n0.416667,0,1,0.5,0,0,,1\r\n");
  f.close();
  TfrmConcentrationPlot plot(nullptr, f.fileName(), 100.0, 5.0, QStringLiteral("Other inputs."));
  ASSERT_TRUE(plot.HasData());
  ASSERT_EQ(plot.Notes().size(), 3);
  EXPECT_TRUE(plot.Notes()[0].startsWith("Partial series"));
  EXPECT_EQ(plot.Notes()[1], "Other inputs.");
  const QString title = plot.findChild<QChartView *>("chartConcentrations")->chart()->title();
  EXPECT_TRUE(title.contains("Partial series")) << title.toStdString();
  EXPECT_TRUE(title.contains("reported every 60 minutes")) << title.toStdString();
}

}  // namespace
}  // namespace lumo::report

namespace lumo::report {
namespace {

// Values at the ends of what a double holds (a file edited by hand, a
// scenario with a molecular weight of 6e-308) still give finite ranges with
// a width, on both axes.
TEST(PlotRange, IsFiniteAndHasAWidthForExtremeValues) {
  const std::vector<std::pair<QPointF, QPointF>> cases = {
      {{0.375, 1.7e308}, {1.0, 1.0}},           // ppm near the largest double
      {{1e300, 1.0}, {1e300, 2.0}},             // one time, far out
      {{-1.7e308, 1e-320}, {1.7e308, 1e-318}},  // every time, subnormal values
  };
  for (const auto &[a, b] : cases) {
    for (bool log : {false, true}) {
      const PlotRange r = RangeOf({PlotCurve{QStringLiteral("c"), {a, b}}}, log);
      SCOPED_TRACE(QStringLiteral("%1 %2 log %3").arg(a.x()).arg(a.y()).arg(log).toStdString());
      for (double v : {r.xMin, r.xMax, r.yMin, r.yMax}) EXPECT_TRUE(std::isfinite(v)) << v;
      EXPECT_LT(r.xMin, r.xMax);
      EXPECT_LT(r.yMin, r.yMax);
      if (log) {
        EXPECT_GT(r.yMin, 0.0);
      }
    }
  }
}

}  // namespace
}  // namespace lumo::report
