// Results beside the inputs that produced them: a run's results stay current
// until an input changes, travel with the file, and are never shown (in the
// window or the report) as those of other inputs; a stopped or failed run
// says so instead of looking like a run with results.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>

#include "fake_engine.h"
#include "frm_print.h"
#include "main_window_fixture.h"
#include "percent_bar.h"
#include "platform.h"
#include "result_text.h"
#include "results_provenance.h"

namespace lumo::test {
namespace {

QString Fmt(double v) {
  return QString::fromStdString(FormatResult(v));
}

class ResultsTest : public MainWindowTest {
 protected:
  QString Status() { return Find<QLabel>("lblResultsStatus")->text(); }

  void RunToTheEnd() {
    Click("btnExecute");
    ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
    ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
  }

  // The text of the report's results grid, row by row.
  QStringList ReportResults() {
    QStringList rows;
    onDialog = [&](QDialog &d) {
      auto *grid = d.findChild<QTableWidget *>("gridLUMOResults");
      for (int r = 0; grid && r < grid->rowCount(); ++r) {
        QString row;
        for (int c = 0; c < grid->columnCount(); ++c)
          if (auto *item = grid->item(r, c)) row += item->text() + QLatin1Char('|');
        rows << row;
      }
      return int(QDialog::Rejected);
    };
    Click("btnPrintReport");
    onDialog = nullptr;
    return rows;
  }

  // Puts the driver's stand-in engine in the program's directory and keeps
  // it loaded, so that its settings hold for the window's runs.
  std::unique_ptr<platform::DynamicLibrary> UseFakeEngine() {
    QFile::remove(dir->filePath("liblumo32.so"));
    EXPECT_TRUE(QFile::copy(QStringLiteral(FAKE_ENGINE_DIR "/liblumo32.so"),
                            dir->filePath("liblumo32.so")));
    auto fake = platform::DynamicLibrary::Load(dir->filePath("liblumo32.so").toStdString());
    if (!fake) throw std::runtime_error("the stand-in engine does not load");
    reinterpret_cast<FakeEngineResetFn>(fake->Symbol("FakeEngineReset"))();
    return fake;
  }

  void SaveAs(const QString &name) {
    chosenFile = dir->filePath(name);
    window->Save1Click();
  }
  void Open(const QString &name) {
    chosenFile = dir->filePath(name);
    window->Open1Click();
  }
};

TEST_F(ResultsTest, AChangedInputMarksTheResultsOutOfDateAndChangingItBackRestoresThem) {
  EXPECT_TRUE(Status().startsWith("No results yet")) << Status().toStdString();
  RunToTheEnd();
  EXPECT_EQ(Status(), "Results of the current inputs.");
  const QString ladd = Fmt(Record().LADD);
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), ladd);

  TypeInto("numedPaintWeightFraction", "0.02");
  EXPECT_TRUE(Status().startsWith("Out of date")) << Status().toStdString();
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), ladd);  // kept, but greyed
  EXPECT_FALSE(Find<QLineEdit>("edLADD")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>("edCPeakPPM")->text(), "");  // no ppm with another chemical's figures
  EXPECT_TRUE(ReportResults().join("\n").contains("No results for these inputs"));

  TypeInto("numedPaintWeightFraction", "0.01");
  EXPECT_EQ(Status(), "Results of the current inputs.");
  EXPECT_TRUE(Find<QLineEdit>("edLADD")->isEnabled());
  EXPECT_TRUE(ReportResults().value(0).startsWith("LADD: " + ladd));
}

TEST_F(ResultsTest, ReopenedResultsAreShownOnlyWithTheirInputs) {
  RunToTheEnd();
  const ScenarioRecord run = Record();
  SaveAs("run.vkx");
  // Reopened: the window shows the file's results, the report too.
  window->New1Click();
  Open("run.vkx");
  EXPECT_EQ(Status(), "Results of the current inputs.");
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), Fmt(run.LADD));
  EXPECT_EQ(Find<QLineEdit>("edCPeakPPM")->text(), Fmt(ToPpm(run.Cpeak, run.MolecularWeight)));

  // Another chemical, saved and reopened: neither the window nor the report
  // shows the old run's numbers as this scenario's (and no ppm is ever
  // worked out with the new molecular weight).
  auto *chemicals = Find<QComboBox>("cbChemicalNames");
  chemicals->setFocus();
  QTest::keyClick(chemicals, Qt::Key_Down);
  ASSERT_NE(Record().MolecularWeight, run.MolecularWeight);
  SaveAs("other.vkx");
  Open("other.vkx");
  EXPECT_TRUE(Status().startsWith("Out of date")) << Status().toStdString();
  const QString report = ReportResults().join("\n");
  EXPECT_TRUE(report.contains("No results for these inputs")) << report.toStdString();
  EXPECT_FALSE(report.contains("mg/m³")) << report.toStdString();
  EXPECT_FALSE(report.contains("ppm")) << report.toStdString();
}

TEST_F(ResultsTest, AFileFromBeforeTheStampShowsResultsOfUnknownInputs) {
  Record().LADD = 0.5;  // results, but no record of their inputs
  Record().Cpeak = 3.0;
  SaveAs("old.vkx");
  Open("old.vkx");
  EXPECT_TRUE(Status().contains("without a record of the inputs")) << Status().toStdString();
  EXPECT_FALSE(Find<QLineEdit>("edLADD")->isEnabled());
  EXPECT_TRUE(ReportResults().join("\n").contains("does not record which inputs"));
}

TEST_F(ResultsTest, StopSaysHowFarTheRunGotAndTheReportKeepsItsInputsResults) {
  RunToTheEnd();
  const QString ladd = Fmt(Record().LADD);
  Record().RunLength = 365;  // a long run of other inputs, stopped
  Record().ReportInterval = 1;
  window->ShowState();
  auto *bar = Find<TPERCENT>("barPercentComplete");
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return bar->PercentShaded() >= 2; }));
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return window->State().Worker().Idle(); }));
  QApplication::processEvents();
  EXPECT_TRUE(Status().contains(QRegularExpression("stopped at [1-9]\\d* %; it has no results")))
      << Status().toStdString();
  EXPECT_TRUE(Status().contains("belong to earlier inputs")) << Status().toStdString();
  EXPECT_TRUE(ReportResults().join("\n").contains("No results for these inputs"));

  // The same inputs as the complete run again: its results are current.
  Record().RunLength = 5;
  Record().ReportInterval = 60;
  window->ShowState();
  EXPECT_TRUE(Status().contains("earlier complete run of these same inputs"))
      << Status().toStdString();
  EXPECT_TRUE(ReportResults().value(0).startsWith("LADD: " + ladd));
}

// A run the engine reports as failed ends with its message, never with
// results, and the window is ready for the next run.
TEST_F(ResultsTest, AFailedRunShowsItsMessageInsteadOfResults) {
  QFile::remove(dir->filePath("liblumo32.so"));
  ASSERT_TRUE(
      QFile::copy(QStringLiteral(FAKE_ENGINE_DIR "/liblumo32.so"), dir->filePath("liblumo32.so")));
  // Holding the library keeps its settings across the worker's load.
  auto fake = platform::DynamicLibrary::Load(dir->filePath("liblumo32.so").toStdString());
  ASSERT_TRUE(fake);
  reinterpret_cast<FakeEngineResetFn>(fake->Symbol("FakeEngineReset"))();
  const double percents[] = {20.0, 40.0, LUMO32_RUN_FAILED};
  reinterpret_cast<FakeEngineSetPercentsFn>(fake->Symbol("FakeEngineSetPercents"))(percents, 3);

  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return !window->Running() && messages.Count() > 0; }));
  EXPECT_EQ(messages.Messages()[0].caption, kRunErrorCaption);
  EXPECT_TRUE(messages.LastText().contains("failed after 40 % of the run"))
      << messages.LastText().toStdString();
  EXPECT_EQ(Find<QPushButton>("btnExecute")->text(), "Execute");
  EXPECT_EQ(Record().LADD, 0.0);
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), "0.00E+000");
  EXPECT_TRUE(Status().contains("failed; it has no results")) << Status().toStdString();
  auto stats = reinterpret_cast<FakeEngineGetStatsFn>(fake->Symbol("FakeEngineGetStats"))();
  EXPECT_EQ(stats.getValuesCalls, 0);
}

// Closing the window while a run goes stops it; nothing the user does while
// the window waits for the worker starts another run.
TEST_F(ResultsTest, AClickOnExecuteWhileTheWindowClosesStartsNoRun) {
  // A stand-in engine whose every step takes a while, so that the window
  // has to wait for the worker when it closes.
  auto fake = UseFakeEngine();
  reinterpret_cast<FakeEngineSetStepsFn>(fake->Symbol("FakeEngineSetSteps"))(100);
  reinterpret_cast<FakeEngineSetDelayFn>(fake->Symbol("FakeEngineSetDelay"))(300000);
  auto *bar = Find<TPERCENT>("barPercentComplete");
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return bar->PercentShaded() >= 1; }));
  bool clicked = false;
  QTimer::singleShot(0, window.get(), [&] {
    Click("btnExecute");  // handled while the window waits for the worker
    clicked = true;
  });
  EXPECT_TRUE(window->close());
  QApplication::processEvents();
  ASSERT_TRUE(clicked);
  EXPECT_FALSE(window->Running());
  EXPECT_TRUE(window->State().Worker().Idle());
  auto stats = reinterpret_cast<FakeEngineGetStatsFn>(fake->Symbol("FakeEngineGetStats"))();
  EXPECT_EQ(stats.initCalls, 1);
}

}  // namespace
}  // namespace lumo::test
