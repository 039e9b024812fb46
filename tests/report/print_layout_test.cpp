// The printed pages of a finished run on a recording canvas 2400 pixels wide
// at 300 dpi: lines, x positions, fonts and texts of items from every block.
// A new printer starts with 8-point text, so a first job's line unit is
// 2 × 33 = 66 pixels.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>

#include "lumo_state.h"
#include "recording_canvas.h"
#include "report_content.h"
#include "report_format.h"
#include "report_printing.h"
#include "report_test_support.h"
#include "results_provenance.h"

namespace lumo::report {
namespace {

using controls::PrintOp;
using controls::RecordingCanvas;

constexpr int kL = 66;  // line unit of a first job
// x positions on a page 2400 pixels wide.
constexpr int kAt40 = 446, kAt70 = 781, kAt80 = 893, kAt100 = 1116, kAt120 = 1339, kAt130 = 1451,
              kAt150 = 1674, kAt160 = 1786, kAt190 = 2120;
constexpr int kColumn[5] = {0, 502, 1004, 1507, 2009};  // (45 c W + 10) div 215

class PrintLayout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    std::string error;
    run_ = test::StartupScenario(dir_->filePath(QStringLiteral("paint.vkx")), &error).release();
    ASSERT_NE(run_, nullptr) << error;
    ASSERT_TRUE(test::RunToEnd(*run_, &error)) << error;
  }
  static void TearDownTestSuite() {
    delete run_;
    delete dir_;
  }

  void SetUp() override {
    ASSERT_NE(run_, nullptr);
    state_.ScenarioRecord = run_->ScenarioRecord;
    state_.PaintDurationGrid() = run_->PaintDurationGrid();
  }

  // Stamps the results as those of the inputs as they now are, for tests
  // that change an input and still print results.
  void ResultsAreOfTheseInputs() {
    StampResults(state_.ScenarioRecord,
                 InputsChecksum(state_.ScenarioRecord, state_.PaintDurationGrid()));
  }

  ReportContent Content() const {
    return BuildReportContent(
        state_, ReportContext{QStringLiteral("1/2/25"), QStringLiteral("/runs/paint.CSV")});
  }

  // The texts printed on `line` (first job, one page), by x position.
  static std::map<int, PrintOp> Line(const RecordingCanvas &canvas, int line, int unit = kL) {
    std::map<int, PrintOp> items;
    for (const PrintOp &op : canvas.Texts()) {
      if (op.y == line * unit) items.emplace(op.x, op);
    }
    return items;
  }
  static QString TextAt(const RecordingCanvas &canvas, int line, int x) {
    const auto items = Line(canvas, line);
    const auto found = items.find(x);
    return found == items.end() ? QStringLiteral("<nothing>") : found->second.text;
  }
  static int LastLine(const RecordingCanvas &canvas) {
    int last = 0;
    for (const PrintOp &op : canvas.Texts()) last = std::max(last, op.y / kL);
    return last;
  }

  static inline QTemporaryDir *dir_ = nullptr;
  static inline LumoTransfer *run_ = nullptr;
  TLumoState state_;
};

TEST_F(PrintLayout, Page1OfAFinishedRunWithoutSinks) {
  const ReportContent content = Content();
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  ASSERT_TRUE(PrintReportPage(canvas, content.page1, QStringLiteral("page 1")));
  const auto &ops = canvas.Ops();
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](auto &o) { return o.kind == PrintOp::Begin; }),
            1);
  EXPECT_EQ(ops.last().kind, PrintOp::End);
  EXPECT_EQ(canvas.Pages(), 1);

  const auto heading = Line(canvas, 1);
  ASSERT_EQ(heading.size(), 2);
  EXPECT_EQ(heading.at(kAt80).text, "LUMO MODEL INPUTS");
  EXPECT_EQ(heading.at(kAt80).font, StyleFont(PrintStyle::Heading));
  EXPECT_EQ(heading.at(kAt80).font.pointSize, 12);
  EXPECT_EQ(heading.at(kAt190).text, "1/2/25");

  EXPECT_EQ(TextAt(canvas, 3, 10), "File with Concentration Details: /runs/paint.CSV");
  EXPECT_EQ(Line(canvas, 3).at(10).font.pointSize, 7);
  EXPECT_EQ(TextAt(canvas, 6, 10), "Length of Model Run:   5 Days");
  EXPECT_EQ(TextAt(canvas, 6, kAt100), "Reporting Interval: 60 minutes");
  EXPECT_EQ(TextAt(canvas, 7, kAt100), "Air Exchange Rate: 0.45 air changes per hour");
  EXPECT_EQ(TextAt(canvas, 8, 10), "Volume:      15583 ft³");
  EXPECT_EQ(TextAt(canvas, 8, kAt100), "Interzonal Airflow Rate:      3451.63 ft³/hour");
  EXPECT_EQ(TextAt(canvas, 9, 10), "Percent Painted: 10.0 %");
  EXPECT_EQ(TextAt(canvas, 10, 10), "Painted Surface Area:  451.91 ft²");

  // The paint and chemical block, without the screen's leading blanks.
  EXPECT_EQ(TextAt(canvas, 12, 10), "Coverage:(ft²/gal)");
  EXPECT_EQ(TextAt(canvas, 12, kAt70), "Primer:    200");
  EXPECT_EQ(TextAt(canvas, 12, kAt120), "Paint:    400");
  EXPECT_EQ(TextAt(canvas, 16, kAt70), "Primer:   1");
  EXPECT_EQ(TextAt(canvas, 17, 10), "Start Day: ");
  EXPECT_EQ(TextAt(canvas, 17, kAt70), "Monday");
  EXPECT_EQ(TextAt(canvas, 19, kAt70), "Latex Flat");
  EXPECT_EQ(TextAt(canvas, 20, kAt120), "Paint: 4600.00");
  EXPECT_EQ(TextAt(canvas, 22, kAt70), "TMPD-MIB");
  const ScenarioRecord &r = state_.ScenarioRecord;
  EXPECT_EQ(TextAt(canvas, 23, 10), "Molecular Weight: ");
  EXPECT_EQ(TextAt(canvas, 23, kAt70), Fixed(r.MolecularWeight, 10, 1) + " g/mole");
  EXPECT_EQ(TextAt(canvas, 23, kAt120),
            "Vapor Pressure: " + Fixed(r.VaporPressure, 10, 2) + " torr");
  EXPECT_EQ(TextAt(canvas, 24, kAt70), "Primer:   0.010000");
  EXPECT_EQ(TextAt(canvas, 26, 10), "Emissions Model:  ");
  EXPECT_EQ(TextAt(canvas, 26, kAt120), "Paint: Empirical");
  EXPECT_EQ(TextAt(canvas, 30, 10), "Rate Constant 2nd Exp:");
  // The blank rows of the screen grid print nothing.
  for (int blank : {2, 11, 18, 21, 25, 31}) EXPECT_TRUE(Line(canvas, blank).empty()) << blank;

  EXPECT_EQ(TextAt(canvas, 32, 10), "Indoor Sinks Model: No Sink");
  EXPECT_EQ(LastLine(canvas), 32);
}

TEST_F(PrintLayout, SinksByModelOnScreenAndPaper) {
  SinkBlock &sinks = state_.ScenarioRecord.Sinks;
  for (int i = 0; i < SinkBlock::kSinks; ++i) {
    sinks.SinkArea[i] = 10.0 + i;
    sinks.AdsorptionRate[i] = 0.25;
    sinks.DesorptionRate[i] = 0.0125;
  }

  sinks.SinkModel = SinkModelType::None;
  EXPECT_EQ(Content().Grid("gridSink").RowCount(), 0);

  sinks.SinkModel = SinkModelType::OneWay;
  ReportContent oneWay = Content();
  EXPECT_EQ(oneWay.Label("lblIndoorSinks"), "Indoor Sinks Model: One Way Sink");
  GridText grid = oneWay.Grid("gridSink");
  EXPECT_EQ(grid.columns, 3);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.Cell(0, 2), "Zone 1 Other: ");
  EXPECT_EQ(grid.Cell(1, 0), "Area:   10.00000");
  EXPECT_EQ(grid.Cell(2, 5), "Adsorption Rate:    0.25000");
  // Paper shows the desorption column for a one-way sink too.
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  PrintReportPage(canvas, oneWay.page1, QString());
  for (int line = 33; line <= 38; ++line) EXPECT_EQ(Line(canvas, line).size(), 4) << line;
  EXPECT_EQ(TextAt(canvas, 33, 10), "Zone 1 Carpet:");
  EXPECT_EQ(TextAt(canvas, 35, 10), "Zone 1 Other:");
  EXPECT_EQ(TextAt(canvas, 38, 10), "Zone 2 Other:");
  EXPECT_EQ(TextAt(canvas, 38, kAt40), "Area:   15.00000");
  EXPECT_EQ(TextAt(canvas, 33, kAt80), "Adsorption Rate:    0.25000");
  EXPECT_EQ(TextAt(canvas, 33, kAt130), "Desorption Rate:    0.01250");

  sinks.SinkModel = SinkModelType::Reversible;
  grid = Content().Grid("gridSink");
  EXPECT_EQ(grid.columns, 4);
  EXPECT_EQ(grid.Cell(3, 4), "Desorption Rate:    0.01250");
  EXPECT_EQ(grid.Cell(0, 4), "Zone 2 Wallboard: ");
}

TEST_F(PrintLayout, Page2WithSevenWeekdayLinesMovesEverythingBelowDown) {
  ActivityPattern &day = state_.ScenarioRecord.WeekDayPattern;
  day.Count = 7;
  for (int i = 0; i < 7; ++i) {
    day.Zone[i] = i % 3;
    day.EnterHour[i] = 3 * i;
    day.EnterMinute[i] = 5 * i;
    day.BreathingRate[i] = 10.25 + i;
  }
  ASSERT_EQ(state_.ScenarioRecord.WeekEndPattern.Count, 1);
  ResultsAreOfTheseInputs();
  const ReportContent content = Content();

  // The screen shows five lines.
  const GridText screen = content.Grid("gridWeekDay");
  ASSERT_EQ(screen.RowCount(), 5);
  EXPECT_EQ(screen.Cell(0, 4), "Line: 5");
  EXPECT_EQ(screen.Cell(1, 4), "Zone: 1");
  EXPECT_EQ(screen.Cell(2, 4), "Enter Hr:  12");
  // 14.25 is an exact half: it goes to the even neighbour.
  EXPECT_EQ(screen.Cell(4, 4), "Breathing Rate:    14.2 m³/day");

  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  PrintReportPage(canvas, content.page2, QString());
  EXPECT_EQ(TextAt(canvas, 1, kAt80), "LUMO MODEL INPUTS (continued)");
  EXPECT_EQ(TextAt(canvas, 3, 10), "Exposed Individual: Professional Painter");
  EXPECT_EQ(TextAt(canvas, 3, kAt160), "Gender: Non-Specific");
  EXPECT_EQ(TextAt(canvas, 4, 10), "Location During Painting: In painted area");

  const PrintOp title = Line(canvas, 5).at(kAt100);
  EXPECT_EQ(title.text, "Weekday Pattern");
  EXPECT_EQ(title.font, StyleFont(PrintStyle::PatternTitle));
  const auto heads = Line(canvas, 6);
  EXPECT_EQ(heads.at(kColumn[1]).text, "Zone");
  EXPECT_EQ(heads.at(kColumn[3]).text, "Enter Min");
  EXPECT_EQ(heads.at(kColumn[4]).text, "Breathing Rate (m³/day)");
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(TextAt(canvas, 6 + n, 10), QString("Line %1").arg(n));
  EXPECT_EQ(TextAt(canvas, 13, kColumn[1]), "  0");
  EXPECT_EQ(TextAt(canvas, 13, kColumn[2]), " 18");
  EXPECT_EQ(TextAt(canvas, 13, kColumn[3]), " 30");
  EXPECT_EQ(TextAt(canvas, 13, kColumn[4]), "   16.2");

  // The weekend block starts at line 14.
  EXPECT_EQ(TextAt(canvas, 14, kAt100), "Weekend Pattern");
  EXPECT_EQ(TextAt(canvas, 15, kColumn[2]), "Enter Hr");
  EXPECT_EQ(TextAt(canvas, 16, 10), "Line 1");
  EXPECT_EQ(TextAt(canvas, 16, kColumn[4]), "   13.3");

  EXPECT_EQ(TextAt(canvas, 17, 10), "Breathing Rate During Painting: 27.5 m³/day");
  EXPECT_EQ(TextAt(canvas, 17, kAt160), "Lifetime Exposure Events: 5000");
  EXPECT_EQ(TextAt(canvas, 18, 10), "Years in Lifetime:  75");
  EXPECT_EQ(TextAt(canvas, 18, kAt160), "Avg. Body Weight: 71.8 kg");
  EXPECT_TRUE(Line(canvas, 19).empty());
  EXPECT_EQ(TextAt(canvas, 20, kAt80), "LUMO MODEL RESULTS");
  EXPECT_EQ(Line(canvas, 20).at(kAt80).font, StyleFont(PrintStyle::Heading));

  // Results from line 22, glossary from line 28.
  const ScenarioRecord &r = state_.ScenarioRecord;
  EXPECT_EQ(TextAt(canvas, 22, 10), "LADD: " + Sci3(r.LADD) + " mg/kg-days");
  EXPECT_EQ(TextAt(canvas, 22, kAt80), "LADC: " + Sci3(r.LADC) + " mg/m³");
  EXPECT_EQ(TextAt(canvas, 22, kAt150), "-or-");
  EXPECT_EQ(TextAt(canvas, 23, kAt150), "-or");
  EXPECT_EQ(TextAt(canvas, 24, kAt150), "-or-");
  EXPECT_EQ(TextAt(canvas, 25, 10), "APDR Time: " + Sci3(r.APDRtime) + " days");
  EXPECT_EQ(TextAt(canvas, 26, 10), "Single Event Dose: " + Sci3(r.SingleEventDose) + " mg");
  EXPECT_EQ(TextAt(canvas, 26, kAt160), Sci3(PpmOf(r.C8hour, r.MolecularWeight)) + " ppm");
  EXPECT_TRUE(Line(canvas, 27).empty());
  EXPECT_EQ(TextAt(canvas, 28, 10), "LADD = Lifetime average daily dose");
  EXPECT_EQ(TextAt(canvas, 35, 10),
            "C8-hour = highest 8-hour average concentration to which individual is exposed");
  // The notes after a blank line: the 5-day run of this paint is too short.
  EXPECT_TRUE(Line(canvas, 36).empty());
  EXPECT_EQ(TextAt(canvas, 37, 10), "Notes");
  EXPECT_TRUE(TextAt(canvas, 38, 10).startsWith("By the end of the 5-day run, "));
  QString notes;
  for (int line = 38; line <= LastLine(canvas); ++line) notes += TextAt(canvas, line, 10) + ' ';
  EXPECT_TRUE(notes.contains("(LADD, ADD, LADC, ADC) are underestimated")) << notes.toStdString();
}

TEST_F(PrintLayout, ResultsOfOtherInputsArePrintedAsNoResults) {
  state_.ScenarioRecord.MolecularWeight = 100;  // changed after the run
  const ReportContent content = Content();
  EXPECT_FALSE(content.hasResults);
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  PrintReportPage(canvas, content.page2, QString());
  // One weekday and one weekend line: the results heading is on line 14.
  EXPECT_EQ(TextAt(canvas, 14, kAt80), "LUMO MODEL RESULTS");
  EXPECT_TRUE(TextAt(canvas, 16, 10).startsWith("No results for these inputs: they have changed"));
  QString printed;
  for (const PrintOp &op : canvas.Texts()) printed += op.text + QLatin1Char('\n');
  EXPECT_FALSE(printed.contains("mg/m³ ")) << printed.toStdString();
  EXPECT_FALSE(printed.contains(" ppm")) << printed.toStdString();
  EXPECT_FALSE(printed.contains("-or")) << printed.toStdString();
}

TEST_F(PrintLayout, APatternWithoutLinesPrintsTitleAndHeadsOnly) {
  state_.ScenarioRecord.WeekEndPattern.Count = 0;
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  PrintReportPage(canvas, Content().page2, QString());
  // Weekday 1 line: weekend title on line 8, heads on 9, then straight on.
  EXPECT_EQ(TextAt(canvas, 8, kAt100), "Weekend Pattern");
  EXPECT_EQ(Line(canvas, 9).size(), 4);
  EXPECT_EQ(TextAt(canvas, 10, 10).left(31), "Breathing Rate During Painting:");
  EXPECT_EQ(TextAt(canvas, 13, kAt80), "LUMO MODEL RESULTS");
}

TEST_F(PrintLayout, PpmOfTheResultsUses24453) {
  state_.ScenarioRecord.LADC = 0.5;
  state_.ScenarioRecord.MolecularWeight = 100;
  ResultsAreOfTheseInputs();
  const ReportContent content = Content();
  const GridText results = content.Grid("gridLUMOResults");
  EXPECT_EQ(results.Cell(1, 0), "LADC: 5.00E-001 mg/m³");
  EXPECT_EQ(results.Cell(2, 0), "-or-");
  EXPECT_EQ(results.Cell(3, 0), "1.22E-001 ppm");
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  PrintReportPage(canvas, content.page2, QString());
  EXPECT_EQ(TextAt(canvas, 16, kAt160), "1.22E-001 ppm");
}

TEST_F(PrintLayout, ASecondJobMeasuresItsLineUnitWithTheFontTheFirstLeft) {
  const ReportContent content = Content();
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  PrintReportPage(canvas, content.page1, QString());
  PrintReportPage(canvas, content.page2, QString());
  // 7-point body text at 300 dpi is 29 pixels high: L = 58.
  const auto texts = canvas.Texts();
  const PrintOp &page2Title = *std::find_if(texts.begin(), texts.end(), [](const PrintOp &op) {
    return op.text == "LUMO MODEL INPUTS (continued)";
  });
  EXPECT_EQ(page2Title.y, 58);
  EXPECT_EQ(TextAt(canvas, 32, 10), "Indoor Sinks Model: No Sink");
}

TEST_F(PrintLayout, TextBelowThePageBottomStartsANewPage) {
  const ReportContent content = Content();
  RecordingCanvas canvas(2400, 1000, 300);
  PrepareNewPrinter(canvas);
  ASSERT_TRUE(PrintReportPage(canvas, content.page1, QString()));
  EXPECT_EQ(canvas.Texts().size(), content.page1.size());  // nothing lost
  EXPECT_EQ(canvas.Pages(), 3);
  for (const PrintOp &op : canvas.Texts()) EXPECT_LE(op.y + 29, 1000) << op.text.toStdString();
  // Line 14 fits (924 + 29); line 15 opens page 2 at its line 1.
  const auto texts = canvas.Texts();
  auto find = [&](const QString &text) {
    return *std::find_if(texts.begin(), texts.end(),
                         [&](const PrintOp &op) { return op.text == text; });
  };
  EXPECT_EQ(find("Painting Hours:").page, 1);
  EXPECT_EQ(find("Painting Hours:").y, 14 * kL);
  EXPECT_EQ(find("Work Hours:").page, 2);
  EXPECT_EQ(find("Work Hours:").y, kL);
  EXPECT_EQ(find("Painting Days:").y, 2 * kL);
  // One job still.
  const auto &ops = canvas.Ops();
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](auto &o) { return o.kind == PrintOp::End; }),
            1);
}

TEST_F(PrintLayout, AJobThatCannotStartPrintsNothing) {
  RecordingCanvas canvas;
  PrepareNewPrinter(canvas);
  canvas.SetCanStart(false);
  EXPECT_FALSE(PrintReportPage(canvas, Content().page1, QString()));
  EXPECT_TRUE(canvas.Texts().isEmpty());
}

}  // namespace
}  // namespace lumo::report
