// The probabilistic assessment window driven as the user drives it: the
// inputs typed reach the distribution file and the runner as typed (in the
// stored unit), bad parameters are refused at the field with the reader's
// sentence, runs can be stopped and run again, the results shown are the
// core's for the same file and seed, and distribution files are saved,
// reopened and offered with their scenario.
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "assessment_file.h"
#include "assessment_report.h"
#include "assessment_run.h"
#include "assessment_summary.h"
#include "engine_runs.h"
#include "frm_assessment.h"
#include "frm_print.h"
#include "main_window_fixture.h"
#include "recording_canvas.h"
#include "result_text.h"
#include "variable_fields.h"
#include "variable_inputs.h"

namespace lumo::test {
namespace {

class AssessmentWindowTest : public MainWindowTest {
 public:
  TfrmAssessment *Open() {
    Click("btnProbabilistic");
    TfrmAssessment *w = window->AssessmentWindow();
    if (!w) throw std::runtime_error("no assessment window");
    w->SetThreads(2);
    w->SetFileChooser([this](const QString &, const QString &suggested, const QString &, bool) {
      suggestions << suggested;
      return chosenFile;
    });
    return w;
  }

  void ClickInput(const std::string &name) {
    auto *tree = Find<QTreeWidget>("treeInputs");
    const auto items =
        tree->findItems(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    tree->scrollToItem(items[0]);
    const QRect rect = tree->visualItemRect(items[0]);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
  }

  // Chooses an entry of a combo box with the keyboard.
  void Choose(const char *name, const QString &text) {
    auto *box = Find<QComboBox>(name);
    const int target = box->findText(text);
    ASSERT_GE(target, 0) << text.toStdString();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int k = 0; k < target; ++k) QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), target);
  }

  // Types into a field of the assessment window and presses Enter.
  void Type(const char *name, const QString &text) {
    auto *field = Find<QLineEdit>(name);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }

  // Body weight, lognormal typed in pounds; air exchange uniform.
  void VaryTwoInputs() {
    ClickInput("BodyWeight");
    Choose("cbUnit", "lb");
    Choose("cbDistribution", "lognormal (gm, gsd)");
    Type("edParam1", "154");
    Type("edParam2", "1.2");
    Type("edLowerBound", "88");
    ClickInput("AirExchangeRate");
    Choose("cbDistribution", "uniform");
    Type("edParam1", "0.3");
    Type("edParam2", "0.9");
  }

  bool WaitForRun(TfrmAssessment *w) {
    return WaitUntil([w] { return !w->Running(); });
  }

  QStringList suggestions;
};

TEST_F(AssessmentWindowTest, OpensFromTheMenuAndTheExecutionPageWithEveryInputGrouped) {
  QAction *action = window->findChild<QAction *>("ProbabilisticAssessment1");
  ASSERT_TRUE(action);
  EXPECT_TRUE(Find<QMenu>("mnuTools")->actions().contains(action));
  action->trigger();
  TfrmAssessment *w = window->AssessmentWindow();
  ASSERT_TRUE(w);
  EXPECT_TRUE(w->isVisible());
  Click("btnProbabilistic");
  EXPECT_EQ(window->AssessmentWindow(), w);  // one window, raised again
  auto *tree = Find<QTreeWidget>("treeInputs");
  QStringList groups;
  int inputs = 0;
  for (int g = 0; g < tree->topLevelItemCount(); ++g) {
    groups << tree->topLevelItem(g)->text(0);
    inputs += tree->topLevelItem(g)->childCount();
  }
  EXPECT_EQ(groups, (QStringList{"Building and air", "Paint", "Chemical and emissions", "Sinks",
                                 "The exposed person"}));
  EXPECT_EQ(inputs, static_cast<int>(VariableInputs().size()));
  // The scenario's own value and unit beside each input.
  const auto body = tree->findItems("BodyWeight", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(body.size(), 1);
  EXPECT_EQ(body[0]->text(1).toDouble(), Record().BodyWeight);
  EXPECT_EQ(body[0]->text(2), "kg");
}

TEST_F(AssessmentWindowTest, WhatIsTypedReachesTheFileAndTheRunnerInTheStoredUnit) {
  TfrmAssessment *w = Open();
  VaryTwoInputs();
  EXPECT_EQ(Find<QLabel>("lblInputMessage")->text(), "");
  Type("edIterations", "60");
  chosenFile = dir->filePath("typed.mc.json");
  Click("btnSaveDistributionAs");
  ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
  const prob::Assessment file =
      prob::ReadAssessmentFile(chosenFile.toStdString(), prob::ScenarioVariableFields());
  const auto &body = file.inputs[*file.InputIndex("BodyWeight")];
  const auto &shape = std::get<prob::LogNormal>(body.distribution.Shape());
  EXPECT_DOUBLE_EQ(shape.gm, 154 / 2.2);  // pounds to the stored kilograms
  EXPECT_DOUBLE_EQ(shape.gsd, 1.2);
  EXPECT_DOUBLE_EQ(body.distribution.Lower(), 40);
  const auto &air = std::get<prob::Uniform>(
      file.inputs[*file.InputIndex("AirExchangeRate")].distribution.Shape());
  EXPECT_EQ(air.min, 0.3);
  EXPECT_EQ(air.max, 0.9);
  EXPECT_EQ(file.iterations, 60u);

  Click("btnRun");
  ASSERT_TRUE(WaitForRun(w));
  ASSERT_TRUE(w->Outcome());
  prob::Assessment ran = w->Outcome()->assessment;
  EXPECT_EQ(prob::AssessmentToJson(ran), prob::AssessmentToJson(file));
  // Every drawn body weight is a kilogram value above the bound.
  for (const auto &row : w->Outcome()->run.values)
    EXPECT_GE(row[*ran.InputIndex("BodyWeight")], 40);
}

TEST_F(AssessmentWindowTest, BadParametersAreRefusedAtTheFieldWithTheReadersSentence) {
  TfrmAssessment *w = Open();
  ClickInput("AirExchangeRate");
  Choose("cbDistribution", "lognormal (gm, gsd)");
  Type("edParam1", "0.45");
  Type("edParam2", "0.9");
  prob::InputDraft typed = *w->Draft().Find("AirExchangeRate");
  const auto sentence = prob::CheckInputDraft(typed);
  ASSERT_TRUE(sentence);
  EXPECT_EQ(Find<QLabel>("lblInputMessage")->text().toStdString(), *sentence);
  EXPECT_FALSE(Find<QLineEdit>("edParam2")->styleSheet().isEmpty());
  Type("edParam1", "0.4x");
  EXPECT_TRUE(Find<QLabel>("lblInputMessage")->text().contains("\"0.4x\" is not a number"));

  // Run refuses, names the input and starts nothing.
  Click("btnRun");
  EXPECT_FALSE(w->Running());
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("AirExchangeRate")) << messages.LastText().toStdString();
  // Corrected, the message goes.
  Type("edParam1", "0.45");
  Type("edParam2", "1.9");
  EXPECT_EQ(Find<QLabel>("lblInputMessage")->text(), "");
  EXPECT_TRUE(Find<QLineEdit>("edParam2")->styleSheet().isEmpty());
}

TEST_F(AssessmentWindowTest, RunStopAndRunAgainShowTheCoresResults) {
  TfrmAssessment *w = Open();
  VaryTwoInputs();
  Type("edIterations", "2000");
  Type("edSeed", "777");
  Click("btnRun");
  EXPECT_TRUE(w->Running());
  EXPECT_EQ(Find<QPushButton>("btnRun")->text().remove('&'), "Stop");
  Click("btnRun");  // Stop
  ASSERT_TRUE(WaitForRun(w));
  ASSERT_TRUE(w->Outcome());
  EXPECT_TRUE(w->Outcome()->stopped);
  EXPECT_TRUE(Find<QLabel>("lblResultsHeading")->text().startsWith("PARTIAL"));
  EXPECT_TRUE(Find<QLabel>("lblRunStatus")->text().contains("partial"));

  Type("edIterations", "120");
  Click("btnRun");
  ASSERT_TRUE(WaitForRun(w));
  const auto outcome = w->Outcome();
  ASSERT_FALSE(outcome->stopped);
  EXPECT_EQ(outcome->run.seed, 777u);

  // The core, run on the same file and seed, gives the numbers shown.
  const EngineRuns engine(dir->path().toStdString());
  const prob::Assessment a = prob::ReadDraft(w->Draft());
  const prob::AssessmentRun run = prob::RunAssessment(window->State(), a, 777, engine);
  const prob::AssessmentSummary summary = prob::SummarizeAssessment(a, run);
  auto *table = Find<QTableWidget>("tblResults");
  ASSERT_EQ(table->columnCount(), 10);
  for (int r = 0; r < 10; ++r) {
    const auto &s = summary.results[r].statistics;
    EXPECT_EQ(table->item(2, r)->text().toStdString(), FormatResult(s.mean));
    EXPECT_EQ(table->item(3, r)->text().toStdString(), FormatResult(s.sd));
    EXPECT_EQ(table->item(4, r)->text().toStdString(), FormatResult(s.percentiles[0].value));
  }
  // A plot for the chosen result, with the scenario's value marked.
  auto *histogram = Find<QChartView>("chart_histogram");
  EXPECT_GE(histogram->chart()->series().size(), 2);
}

TEST_F(AssessmentWindowTest, DistributionFileSavedBesideTheScenarioIsOfferedWhenItIsOpened) {
  TfrmAssessment *w = Open();
  VaryTwoInputs();
  Type("edReference_C8hour", "5");
  const QString scenario = dir->filePath("office.vkx");
  chosenFile = scenario;
  window->Save1Click();  // a new scenario: Save asks for its name
  messages.Clear();
  chosenFile.clear();
  suggestions.clear();
  Click("btnSaveDistribution");  // no file yet: Save As, suggested beside the scenario
  ASSERT_EQ(suggestions.size(), 1);
  EXPECT_EQ(suggestions[0], dir->filePath("office.mc.json"));
  chosenFile = suggestions[0];
  Click("btnSaveDistribution");
  ASSERT_TRUE(QFile::exists(chosenFile)) << messages.LastText().toStdString();
  const std::string saved = prob::DraftToJson(w->Draft());

  // Opening the scenario offers its distribution file; Yes opens it.
  Click("btnNewSeed");
  Choose("cbSampling", "Simple random");
  chosenFile = scenario;
  messages.Clear();
  messages.Answer(controls::MsgButton::Yes);
  window->Open1Click();
  ASSERT_GE(messages.Count(), 1);
  EXPECT_TRUE(messages.Messages().back().text.contains("office.mc.json"));
  EXPECT_EQ(prob::DraftToJson(w->Draft()), saved);
  EXPECT_EQ(Find<QComboBox>("cbSampling")->currentIndex(), 0);
  EXPECT_EQ(Find<QLineEdit>("edReference_C8hour")->text(), "5");
}

TEST_F(AssessmentWindowTest, CorrelationsBetweenVariedInputsReachTheFileAndAreRefusedOutOfRange) {
  Open();
  VaryTwoInputs();
  Click("btnAddCorrelation");
  auto *first = Find<QComboBox>("cbCorrelation1_1");
  // Only varied inputs are offered.
  EXPECT_EQ(first->count(), 2);
  Choose("cbCorrelation1_1", "AirExchangeRate");
  Choose("cbCorrelation1_2", "BodyWeight");
  Type("edCorrelation1", "1.5");
  chosenFile = dir->filePath("correlated.mc.json");
  Click("btnSaveDistributionAs");
  EXPECT_FALSE(QFile::exists(chosenFile));  // refused: not written
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("1.5")) << messages.LastText().toStdString();
  Type("edCorrelation1", "-0.4");
  Click("btnSaveDistributionAs");
  const prob::Assessment file =
      prob::ReadAssessmentFile(chosenFile.toStdString(), prob::ScenarioVariableFields());
  ASSERT_EQ(file.correlations.size(), 1u);
  EXPECT_EQ(file.correlations[0].first, "AirExchangeRate");
  EXPECT_EQ(file.correlations[0].second, "BodyWeight");
  EXPECT_EQ(file.correlations[0].rank, -0.4);
}

TEST_F(AssessmentWindowTest, ExportsWriteWhatLumoRunWritesAndThePlotOnShow) {
  TfrmAssessment *w = Open();
  chosenFile = dir->filePath("early.csv");
  Click("btnExportSamples");  // nothing run yet: said, nothing written
  EXPECT_FALSE(QFile::exists(chosenFile));
  EXPECT_EQ(messages.Count(), 1);
  VaryTwoInputs();
  Type("edIterations", "40");
  Click("btnRun");
  ASSERT_TRUE(WaitForRun(w));
  const auto outcome = w->Outcome();
  ASSERT_TRUE(outcome);

  chosenFile = dir->filePath("samples.csv");
  Click("btnExportSamples");
  QFile samples(chosenFile);
  ASSERT_TRUE(samples.open(QIODevice::ReadOnly));
  EXPECT_EQ(samples.readAll().toStdString(), cli::SamplesCsv(outcome->assessment, outcome->run));

  chosenFile = dir->filePath("summary.json");
  Click("btnExportSummary");
  QFile summary(chosenFile);
  ASSERT_TRUE(summary.open(QIODevice::ReadOnly));
  const QByteArray json = summary.readAll();
  EXPECT_TRUE(json.contains(QString("\"seed\": %1").arg(outcome->run.seed).toUtf8()));
  EXPECT_TRUE(json.contains("\"partial\": false"));

  chosenFile = dir->filePath("cdf.png");
  Find<QTabWidget>("tabsPlots")->setCurrentIndex(1);
  Click("btnExportPlot");
  QImage png(chosenFile);
  EXPECT_FALSE(png.isNull());
  EXPECT_GT(png.width(), 100);

  // A folder that cannot be written: said, naming the file.
  messages.Clear();
  chosenFile = dir->filePath("no such folder/samples.csv");
  Click("btnExportSamples");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("no such folder"));
}

TEST_F(AssessmentWindowTest, TheReportsProbabilisticPageListsEveryVariedInputAndPrintsThePlots) {
  TfrmAssessment *w = Open();
  VaryTwoInputs();
  ClickInput("LifeTime");
  Choose("cbDistribution", "triangular");
  Type("edParam1", "60");
  Type("edParam2", "75");
  Type("edParam3", "85");
  Type("edIterations", "80");
  Click("chkOneAtATime");
  Click("btnRun");
  ASSERT_TRUE(WaitForRun(w));
  ASSERT_TRUE(w->Outcome() && !w->Outcome()->stopped);

  controls::RecordingCanvas *printed = nullptr;
  const auto previous = controls::SetPrinterChooser([&](QWidget *) {
    auto canvas = std::make_unique<controls::RecordingCanvas>();
    printed = canvas.get();
    return canvas;
  });
  QStringList texts;
  int images = 0;
  bool present = false;
  onDialog = [&](QDialog &d) {
    auto *report = qobject_cast<TfrmPrint *>(&d);
    if (!report) return int(QDialog::Rejected);
    present = report->Probabilistic().present;
    auto *page = report->findChild<QAction *>("PageProbabilistic1");
    if (page) page->trigger();
    report->PrintProbabilisticClick();
    if (printed) {
      for (const auto &op : printed->Texts()) texts << op.text;
      for (const auto &op : printed->Ops()) images += op.kind == controls::PrintOp::Image;
    }
    return int(QDialog::Accepted);
  };
  Click("btnPrintReport");
  controls::SetPrinterChooser(previous);
  EXPECT_TRUE(present);
  const QString all = texts.join('\n');
  for (const char *input : {"BodyWeight", "AirExchangeRate", "LifeTime"})
    EXPECT_TRUE(all.contains(input)) << input;
  EXPECT_TRUE(all.contains("triangular"));
  EXPECT_TRUE(all.contains(QString("Seed: %1").arg(w->Outcome()->run.seed)));
  EXPECT_TRUE(all.contains("Iterations: 80"));
  EXPECT_TRUE(all.contains("Latin hypercube"));
  EXPECT_TRUE(all.contains(FormatResult(w->Outcome()->summary.results[0].statistics.mean).c_str()));
  EXPECT_EQ(images, 5);  // histogram, cumulative, convergence, tornado, sensitivity
}

}  // namespace
}  // namespace lumo::test
