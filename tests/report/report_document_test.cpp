// The printed report as one document: every sheet numbered "Page k of N"
// over the whole document with the program's version and the run's time,
// the concentration plot on a sheet of its own, the notes of a run that was
// too short, and the window's pages at a readable size.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include "frm_print.h"
#include "recording_canvas.h"
#include "report_test_support.h"

namespace {

using lumo::controls::PrintOp;
using lumo::controls::RecordingCanvas;
using lumo::report::test::ChooserScope;

class ReportDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    scenario_ = lumo::report::test::StartupScenario(dir_.filePath("lumo.vkx"), &error);
    ASSERT_TRUE(scenario_) << error;
    ASSERT_TRUE(lumo::report::test::RunToEnd(*scenario_, &error)) << error;
  }
  // The texts of each sheet.
  static QList<QStringList> Sheets(const RecordingCanvas &canvas) {
    QList<QStringList> sheets;
    for (const PrintOp &op : canvas.Ops()) {
      if (op.kind != PrintOp::Text) continue;
      while (sheets.size() < op.page) sheets.append(QStringList());
      sheets[op.page - 1] << op.text;
    }
    return sheets;
  }

  QTemporaryDir dir_;
  std::unique_ptr<lumo::LumoTransfer> scenario_;
};

TEST_F(ReportDocument, EverySheetIsNumberedAndThePlotHasASheetOfItsOwn) {
  const QDateTime ran(QDate(2026, 12, 7), QTime(16, 5));
  TfrmPrint w(nullptr, scenario_.get(), ran);
  RecordingCanvas canvas(2400, 1400, 300);  // a short sheet: page 2 runs over
  ChooserScope chooser(canvas);
  w.findChild<QAction *>("PrintAllPages1")->trigger();
  const auto sheets = Sheets(canvas);
  const int n = canvas.Pages();
  ASSERT_GE(n, 4);  // page 1, page 2 over two sheets at least, the plot
  ASSERT_EQ(sheets.size(), n);
  for (int k = 1; k <= n; ++k) {
    EXPECT_EQ(sheets[k - 1].last(), QStringLiteral("Page %1 of %2").arg(k).arg(n));
    const QString footer = sheets[k - 1][sheets[k - 1].size() - 2];
    EXPECT_TRUE(footer.startsWith("LUMO ")) << footer.toStdString();
    EXPECT_TRUE(footer.contains(QLocale().toString(ran, QLocale::ShortFormat)))
        << footer.toStdString();
  }
  // The plot: a picture on the last sheet only, under its title.
  QList<int> imagePages;
  for (const PrintOp &op : canvas.Ops())
    if (op.kind == PrintOp::Image) imagePages << op.page;
  EXPECT_EQ(imagePages, QList<int>{n});
  EXPECT_EQ(sheets.last().first(), "LUMO MODEL CONCENTRATIONS");
  // The notes of this 5-day run of a slow paint.
  bool notes = false;
  for (const QStringList &sheet : sheets) notes |= sheet.contains("Notes");
  EXPECT_TRUE(notes);

  // A page printed alone keeps its number in the document.
  RecordingCanvas single(2400, 1400, 300);
  ChooserScope again(single);
  w.findChild<QAction *>("PrintSetup1")->trigger();
  w.findChild<QAction *>("Print2")->trigger();
  EXPECT_EQ(Sheets(single).first().last(), QStringLiteral("Page 1 of %1").arg(n));
}

TEST_F(ReportDocument, ThePagesAreReadableAndFollowTheWindowsWidth) {
  TfrmPrint w(nullptr, scenario_.get());
  EXPECT_GE(w.Zoom(), 1.0);
  w.show();
  w.resize(1100, 900);
  QApplication::processEvents();
  auto *page = w.findChild<QWidget *>("pnlPage1");
  EXPECT_GT(page->width(), 900);  // fitted to the wider window
  const auto *grid = w.findChild<QTableWidget *>("gridPaintandChemical");
  EXPECT_NEAR(grid->columnWidth(1), 160 * w.Zoom(), 1.0);
  EXPECT_NEAR(grid->font().pixelSize(), 9 * w.Zoom(), 1.0);
  w.findChild<QAction *>("ActualSize1")->trigger();
  EXPECT_EQ(w.findChild<QWidget *>("pnlPage1")->width(), 545);

  // The notes page says what the run-length check found.
  w.findChild<QAction *>("Notes1")->trigger();
  EXPECT_TRUE(w.findChild<QLabel *>("lblReportNotes")->text().contains("underestimated"));
}

}  // namespace
