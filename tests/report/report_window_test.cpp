// The report window: what it opens with, its menu, page switching, print
// jobs through the printing seam, printer failures, and the PDF file.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include "frm_print.h"
#include "lumo_state.h"
#include "message_recorder.h"
#include "recording_canvas.h"
#include "report_printing.h"
#include "report_test_support.h"

namespace {

using lumo::controls::MessageRecorder;
using lumo::controls::PrintOp;
using lumo::controls::RecordingCanvas;
using lumo::report::test::ChooserScope;

// A default scenario with its painting schedule, as the main window keeps it.
struct Scenario {
  Scenario() {
    state.ScenarioRecord.ScenarioFileName.SetText("/runs/office.vkx");
    state.SetPaintDurationGrid();
  }
  lumo::TLumoState state;
};

QString LabelText(const TfrmPrint &w, const char *name) {
  auto *label = w.findChild<QLabel *>(QLatin1String(name));
  return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

QStringList JobTitles(const RecordingCanvas &canvas) {
  QStringList titles;
  for (const PrintOp &op : canvas.Ops())
    if (op.kind == PrintOp::Begin) titles << op.text;
  return titles;
}

TEST(ReportWindow, ShowsTheScenarioOnTwoPagesWithItsMenu) {
  Scenario s;
  TfrmPrint w(nullptr, &s.state);
  w.SetZoom(1.0);  // the pages at the size they are laid out for
  EXPECT_EQ(w.windowTitle(), "LUMO Model Report");
  EXPECT_EQ(LabelText(w, "lblFileName"), "File with Concentration Details: /runs/office.CSV");
  EXPECT_EQ(LabelText(w, "lblLengthRun"), "Length of Model Run:   5 Days");
  EXPECT_EQ(LabelText(w, "lblBreathingRate"), "Breathing Rate During Painting: 27.5 m³/day");
  EXPECT_FALSE(LabelText(w, "lblDate").isEmpty());
  EXPECT_EQ(LabelText(w, "lblDate"), LabelText(w, "lblDatePage2"));

  // The screen grids show the content's cells and no selection.
  auto *grid = w.findChild<QTableWidget *>("gridPaintandChemical");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount(), 19);
  EXPECT_EQ(grid->columnCount(), 3);
  EXPECT_EQ(grid->item(0, 0)->text(), "  Coverage:(ft²/gal)");
  EXPECT_EQ(grid->item(0, 1)->text(), "Primer:    200");
  EXPECT_EQ(grid->columnWidth(1), 160);
  EXPECT_EQ(grid->rowHeight(18), 14);
  for (const char *name :
       {"gridPaintandChemical", "gridSink", "gridWeekDay", "gridWeekEnd", "gridLUMOResults"}) {
    auto *g = w.findChild<QTableWidget *>(name);
    ASSERT_NE(g, nullptr) << name;
    EXPECT_EQ(g->currentRow(), -1) << name;
    EXPECT_TRUE(g->selectedItems().isEmpty()) << name;
  }
  EXPECT_EQ(w.findChild<QTableWidget *>("gridWeekDay")->rowCount(), 5);
  EXPECT_EQ(w.findChild<QTableWidget *>("gridLUMOResults")->columnWidth(3), 150);

  const struct {
    const char *name, *caption;
  } items[] = {{"Print2", "Print Page &1"},
               {"PrintPage21", "Print Page &2"},
               {"PrintBothPages1", "Print &Both Pages"},
               {"PrintSetup1", "Print &Setup"},
               {"SaveAsPdf1", "Save as &PDF..."},
               {"Page11", "Page &1"},
               {"Page21", "Page &2"},
               {"Exit1", "E&xit"}};
  for (const auto &item : items) {
    auto *action = w.findChild<QAction *>(item.name);
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text(), item.caption);
  }
  ASSERT_NE(w.findChild<QMenu *>("Print1"), nullptr);
  EXPECT_EQ(w.findChild<QMenu *>("Print1")->title(), "&Printer");

  w.show();
  auto *page1 = w.findChild<QWidget *>("pnlPage1");
  auto *page2 = w.findChild<QWidget *>("pnlPage2");
  EXPECT_TRUE(page1->isVisible());
  EXPECT_FALSE(page2->isVisible());
  w.findChild<QAction *>("Page21")->trigger();
  EXPECT_FALSE(page1->isVisible());
  EXPECT_TRUE(page2->isVisible());
  w.findChild<QAction *>("Page11")->trigger();
  EXPECT_TRUE(page1->isVisible());
  w.findChild<QAction *>("Exit1")->trigger();
  EXPECT_FALSE(w.isVisible());
}

TEST(ReportWindow, OpensWithoutABreathingRateWhenTheScheduleHasNone) {
  Scenario s;
  s.state.PaintDurationGrid().Clear();
  {
    TfrmPrint w(nullptr, &s.state);
    EXPECT_EQ(LabelText(w, "lblBreathingRate"), "Breathing Rate During Painting: not available");
  }
  s.state.SetPaintDurationGrid();
  s.state.PaintDurationGrid().SetCell(lumo::PaintDurationGrid::kBreathingRate, 0, "fast");
  TfrmPrint w(nullptr, &s.state);
  EXPECT_EQ(LabelText(w, "lblBreathingRate"), "Breathing Rate During Painting: not available");
}

TEST(ReportWindow, BothPagesAreTwoJobsOnTheChosenPrinterPageOneFirst) {
  Scenario s;
  TfrmPrint w(nullptr, &s.state);
  RecordingCanvas canvas;
  ChooserScope chooser(canvas);
  w.findChild<QAction *>("PrintBothPages1")->trigger();
  EXPECT_EQ(chooser.Calls(), 1);
  EXPECT_EQ(JobTitles(canvas),
            QStringList({"LUMO Model Report, page 1", "LUMO Model Report, page 2"}));
  const auto texts = canvas.Texts();
  ASSERT_GE(texts.size(), 3);
  EXPECT_EQ(texts.first().text, "LUMO MODEL INPUTS");
  // Each page ends with its footer: the program and its number in the
  // document (there is no concentration file, so no plot page).
  EXPECT_EQ(texts.last().text, "Page 2 of 2");
  EXPECT_TRUE(texts[texts.size() - 2].text.startsWith("LUMO "));
  EXPECT_EQ(texts[texts.size() - 3].text,
            "C8-hour = highest 8-hour average concentration to which individual is exposed");
  // Page 2 is a job of its own, not a new page of the first.
  EXPECT_EQ(canvas.Pages(), 1);

  // The printer chosen stays the current one for the next command.
  w.findChild<QAction *>("PrintPage21")->trigger();
  EXPECT_EQ(chooser.Calls(), 1);
  EXPECT_EQ(JobTitles(canvas).size(), 3);
  // Print Setup chooses again.
  w.findChild<QAction *>("PrintSetup1")->trigger();
  EXPECT_EQ(chooser.Calls(), 2);
  EXPECT_EQ(JobTitles(canvas).size(), 3);
}

TEST(ReportWindow, APrinterThatFailsIsReportedAndTheReportStaysOpen) {
  Scenario s;
  TfrmPrint w(nullptr, &s.state);
  w.show();
  RecordingCanvas canvas;
  canvas.SetCanStart(false);
  ChooserScope chooser(canvas);
  MessageRecorder messages;
  w.findChild<QAction *>("PrintBothPages1")->trigger();
  ASSERT_EQ(messages.Count(), 1);  // one message, page 2 not tried
  EXPECT_TRUE(messages.LastText().contains("page 1 was not printed"));
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(canvas.Texts().isEmpty());

  // The next command offers the choice of printer again.
  canvas.SetCanStart(true);
  w.findChild<QAction *>("Print2")->trigger();
  EXPECT_EQ(chooser.Calls(), 2);
  EXPECT_EQ(JobTitles(canvas), QStringList{"LUMO Model Report, page 1"});
  EXPECT_EQ(messages.Count(), 1);
}

TEST(ReportWindow, NoPrinterChosenPrintsNothing) {
  Scenario s;
  TfrmPrint w(nullptr, &s.state);
  int asked = 0;
  auto previous = lumo::controls::SetPrinterChooser([&](QWidget *) {
    ++asked;
    return std::unique_ptr<lumo::controls::PrintCanvas>();
  });
  MessageRecorder messages;
  w.PrintPg1Click();
  w.PrintBothPagesClick();
  lumo::controls::SetPrinterChooser(previous);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(messages.Count(), 0);
}

TEST(ReportWindow, SavesBothPagesAsAPdfFile) {
  Scenario s;
  TfrmPrint w(nullptr, &s.state);
  QTemporaryDir dir;
  const QString path = dir.filePath("report.pdf");
  MessageRecorder messages;
  ASSERT_TRUE(w.SavePdfTo(path));
  EXPECT_EQ(messages.Count(), 0);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_GT(pdf.size(), 1000);
  int pages = 0;
  for (const QByteArray &line : pdf.split('\n')) {
    const QString text = QString::fromLatin1(line);
    pages += static_cast<int>(
        text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
  }
  EXPECT_EQ(pages, 2);

  EXPECT_FALSE(w.SavePdfTo(dir.filePath("no/such/folder/report.pdf")));
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("could not be written"));
}

// Print Both Pages runs two jobs on the one printer the user chose; a
// printer takes a second job after the first has ended.
TEST(ReportWindow, APrinterTakesASecondJob) {
  Scenario s;
  TfrmPrint w(nullptr, &s.state);
  QTemporaryDir dir;
  const QString path = dir.filePath("job.pdf");
  auto printer = lumo::controls::MakePdfCanvas(path);
  ASSERT_TRUE(lumo::report::PrintReportPage(*printer, w.Content().page1, "page 1"));
  ASSERT_TRUE(lumo::report::PrintReportPage(*printer, w.Content().page2, "page 2"));
  printer.reset();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

}  // namespace
