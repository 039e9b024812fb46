// Runs from the main window with the real engine: a finished run, Stop in
// the middle, Stop and a new run at once, a missing library, a refused
// scenario.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "frm_concentration_plot.h"
#include "main_window_fixture.h"
#include "percent_bar.h"
#include "result_text.h"
#include "run_notifications.h"

namespace lumo::test {
namespace {

using Runs = MainWindowTest;

QString Fmt(double v) {
  return QString::fromStdString(FormatResult(v));
}

TEST_F(Runs, ExecuteShowsTheResults) {
  auto *execute = Find<QPushButton>("btnExecute");
  Click(execute);
  EXPECT_EQ(execute->text(), "Stop");
  EXPECT_FALSE(Find<QWidget>("btnSaveExecute")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("btnPrintReport")->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(execute->text(), "Execute");
  EXPECT_TRUE(Find<QWidget>("btnPrintReport")->isEnabled());
  EXPECT_EQ(Find<TPERCENT>("barPercentComplete")->PercentShaded(), 100);
  const auto &r = Record();
  EXPECT_GT(r.LADD, 0.0);
  EXPECT_GT(r.Cpeak, 0.0);
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), Fmt(r.LADD));
  EXPECT_EQ(Find<QLineEdit>("edADPRTime")->text(), Fmt(r.APDRtime));
  EXPECT_EQ(Find<QLineEdit>("edC8hr")->text(), Fmt(r.C8hour));
  EXPECT_EQ(Find<QLineEdit>("edCPeakPPM")->text(), Fmt(24.453 * r.Cpeak / r.MolecularWeight));
  EXPECT_TRUE(Find<QLineEdit>("edLADD")->text().contains(QRegularExpression("E[-+]\\d{3}$")));
  EXPECT_TRUE(QFile::exists(dir->filePath("lumo.CSV")));

  Click("btnClear");
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), "0.00E+000");
  EXPECT_EQ(Find<TPERCENT>("barPercentComplete")->PercentShaded(), 0);

  // The plot of the run just made reads the run's own CSV.
  Click("btnPlot");
  auto *plot = window->findChild<TfrmConcentrationPlot *>("frmConcentrationPlot");
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->HasData()) << plot->Problem().toStdString();
  EXPECT_EQ(plot->Table().Rows(), 5 * 24 + 1);  // the start and one row an hour
  plot->close();
}

TEST_F(Runs, PlotIsOfferedOnlyAfterARunStarted) {
  EXPECT_FALSE(Find<QWidget>("btnPlot")->isEnabled());
}

TEST_F(Runs, StopInTheMiddleThenANewRunAtOnce) {
  Record().RunLength = 365;
  Record().ReportInterval = 1;
  Record().LADD = -1.0;  // no finished run may overwrite it
  auto *execute = Find<QPushButton>("btnExecute");
  auto *bar = Find<TPERCENT>("barPercentComplete");
  Click(execute);
  ASSERT_TRUE(WaitUntil([&] { return bar->PercentShaded() >= 1; }));
  Click(execute);  // Stop
  EXPECT_EQ(execute->text(), "Execute");
  EXPECT_FALSE(window->Running());
  ASSERT_TRUE(WaitUntil([&] { return window->State().Worker().Idle(); }));
  EXPECT_EQ(Record().LADD, -1.0);
  // The stopped run says how far it got; the stored result (of inputs
  // nobody recorded) is shown greyed, never as the stopped run's.
  auto *status = Find<QLabel>("lblResultsStatus");
  EXPECT_TRUE(
      status->text().contains(QRegularExpression("stopped at [1-9]\\d* %; it has no results")))
      << status->text().toStdString();
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), "-1.00E+000");
  EXPECT_FALSE(Find<QLineEdit>("edLADD")->isEnabled());

  // Stop followed at once by a new, short run: no deadlock, and the new
  // run finishes.
  Click(execute);
  ASSERT_TRUE(WaitUntil([&] { return bar->PercentShaded() >= 1; }));
  Click(execute);
  Record().RunLength = 2;
  Record().ReportInterval = 60;
  Click(execute);
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  EXPECT_EQ(bar->PercentShaded(), 100);
  EXPECT_NE(Record().LADD, -1.0);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(Runs, MissingLibraryIsReportedOnce) {
  Start(false);
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return messages.Count() > 0 && window->State().Worker().Idle(); }));
  QApplication::processEvents();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, kRunErrorCaption);
  EXPECT_TRUE(messages.LastText().startsWith(kNoLibraryText));
  EXPECT_EQ(Find<QPushButton>("btnExecute")->text(), "Execute");
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), "0.00E+000");
}

TEST_F(Runs, RefusedScenarioStartsNothing) {
  Record().RunLength = 0;
  Click("btnExecute");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("length of the model run"));
  EXPECT_EQ(Find<QPushButton>("btnExecute")->text(), "Execute");
  EXPECT_TRUE(window->State().Worker().Idle());
}

TEST_F(Runs, AConcentrationFileThatCannotBeWrittenIsRefusedNamingIt) {
  ASSERT_TRUE(QDir(dir->path()).mkdir("lumo.CSV"));  // a folder holds the file's name
  Click("btnExecute");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("the concentration file " + dir->filePath("lumo.CSV") +
                                           " cannot be written (it is a folder)"))
      << messages.LastText().toStdString();
  EXPECT_EQ(Find<QPushButton>("btnExecute")->text(), "Execute");
  EXPECT_TRUE(window->State().Worker().Idle());
  EXPECT_FALSE(QFile::exists(dir->filePath("xferlumo32.txt")));  // nothing ran
}

TEST_F(Runs, SaveAndExecuteRunsAlsoWhenTheSaveIsCancelled) {
  chosenFile.clear();
  Click("btnSaveExecute");
  EXPECT_EQ(fileDialogTitles, QStringList{"Save LUMO File"});
  EXPECT_TRUE(window->Running());
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  EXPECT_EQ(Find<TPERCENT>("barPercentComplete")->PercentShaded(), 100);
}

}  // namespace
}  // namespace lumo::test
