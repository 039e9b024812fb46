#include "frm_assessment.h"

#include <QChartView>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "assessment_command.h"
#include "assessment_file.h"
#include "assessment_report.h"
#include "inputs_page.h"
#include "lumo_transfer.h"
#include "message_box.h"
#include "platform.h"
#include "result_report.h"
#include "results_page.h"
#include "results_provenance.h"
#include "rtf_form_tips.h"
#include "settings_page.h"
#include "variable_fields.h"
#include "variable_inputs.h"

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "unknown"
#endif

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

namespace {

const QString kDistributionFilter = QObject::tr("Distribution files (*.mc.json *.json)");

}  // namespace

TfrmAssessment::TfrmAssessment(LumoTransfer &scenario, QWidget *parent)
    : QWidget(parent, Qt::Window), scenario_(scenario) {
  setObjectName("frmAssessment");
  setWindowTitle(tr("Probabilistic Assessment"));
  draft_ = prob::NewDraft(OwnValues());
  draft_.seed = cli::ChooseSeed();

  worker_ = new ui::AssessmentWorker(this);
  inputs_ = new ui::InputsPage(draft_);
  inputs_->SetHelpFolder(QString::fromStdString(scenario_.ProgramDirectory()) + "/help");
  settings_ = new ui::SettingsPage(draft_);
  results_ = new ui::ResultsPage;
  tabs_ = new QTabWidget;
  tabs_->setObjectName("tabsAssessment");
  tabs_->addTab(inputs_, tr("&Inputs"));
  tabs_->addTab(settings_, tr("&Settings"));
  tabs_->addTab(results_, tr("&Results"));

  auto button = [this](const QString &text, const char *name, void (TfrmAssessment::*slot)()) {
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  run_ = button(tr("&Run"), "btnRun", &TfrmAssessment::RunClick);
  QFont bold = run_->font();
  bold.setBold(true);
  run_->setFont(bold);
  run_->setMinimumWidth(100);
  progress_ = new QProgressBar;
  progress_->setObjectName("barProgress");
  progress_->setRange(0, 1);
  progress_->setValue(0);
  status_ = new QLabel;
  status_->setObjectName("lblRunStatus");
  status_->setWordWrap(true);

  auto *files = new QHBoxLayout;
  files->addWidget(button(tr("&Open..."), "btnOpenDistribution", &TfrmAssessment::OpenClick));
  files->addWidget(button(tr("Sa&ve"), "btnSaveDistribution", &TfrmAssessment::SaveClick));
  files->addWidget(
      button(tr("Save &As..."), "btnSaveDistributionAs", &TfrmAssessment::SaveAsClick));
  files->addSpacing(12);
  files->addWidget(
      button(tr("Export Sa&mples..."), "btnExportSamples", &TfrmAssessment::ExportSamplesClick));
  files->addWidget(
      button(tr("Export Su&mmary..."), "btnExportSummary", &TfrmAssessment::ExportSummaryClick));
  files->addWidget(
      button(tr("Export &Plot..."), "btnExportPlot", &TfrmAssessment::ExportPlotClick));
  files->addStretch();
  files->addWidget(button(tr("&Help"), "btnAssessmentHelp", &TfrmAssessment::HelpClick));
  auto *runRow = new QHBoxLayout;
  runRow->addWidget(run_);
  runRow->addWidget(progress_, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(files);
  layout->addWidget(tabs_, 1);
  layout->addLayout(runRow);
  layout->addWidget(status_);

  connect(worker_, &ui::AssessmentWorker::progress, this, &TfrmAssessment::RunProgress);
  connect(worker_, &ui::AssessmentWorker::finished, this, &TfrmAssessment::RunFinished);
  connect(inputs_, &ui::InputsPage::changed, settings_, &ui::SettingsPage::InputsChanged);
  settings_->Reload();
  ScenarioChanged();
  resize(1180, 780);
}

TfrmAssessment::~TfrmAssessment() {
  worker_->StopAndWait();
}

void TfrmAssessment::SetFileChooser(FileChooser chooser) {
  chooser_ = std::move(chooser);
}

std::map<std::string, double> TfrmAssessment::OwnValues() const {
  std::map<std::string, double> own;
  for (const VariableInput &entry : VariableInputs())
    own[entry.name] = entry.get(scenario_.ScenarioRecord);
  return own;
}

void TfrmAssessment::ScenarioChanged() {
  inputs_->SetScenario(scenario_.ScenarioRecord);
  const QString name = ScenarioName();
  setWindowTitle(tr("Probabilistic Assessment - %1").arg(name));
}

QString TfrmAssessment::ScenarioName() const {
  return QFileInfo(QString::fromStdString(scenario_.ScenarioRecord.ScenarioFileName.Text()))
      .fileName();
}

void TfrmAssessment::showEvent(QShowEvent *event) {
  ScenarioChanged();
  QWidget::showEvent(event);
}

void TfrmAssessment::changeEvent(QEvent *event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ScenarioChanged();
  QWidget::changeEvent(event);
}

void TfrmAssessment::closeEvent(QCloseEvent *event) {
  worker_->StopAndWait();
  currentRun_ = 0;
  EndRunState();
  QWidget::closeEvent(event);
}

void TfrmAssessment::Refused(const QString &caption, const QString &text) {
  ShowMessage(this, caption, text, MsgIcon::Error, MsgButton::Ok);
}

std::optional<prob::Assessment> TfrmAssessment::CheckedAssessment() {
  QString error;
  if (!settings_->Commit(&error)) {
    tabs_->setCurrentWidget(settings_);
    Refused(tr("A Small Problem"), error);
    return std::nullopt;
  }
  const auto refused = inputs_->Refusals();
  if (!refused.empty()) {
    tabs_->setCurrentWidget(inputs_);
    inputs_->SelectInput(refused.begin()->first);
    Refused(tr("A Small Problem"), QString::fromStdString(refused.begin()->second));
    return std::nullopt;
  }
  try {
    return prob::ReadDraft(draft_);
  } catch (const prob::EAssessmentFile &e) {
    Refused(tr("A Small Problem"), QString::fromStdString(e.what()));
  }
  return std::nullopt;
}

void TfrmAssessment::RunClick() {
  if (Running()) {
    if (stopping_) return;
    worker_->Stop();
    stopping_ = true;
    run_->setText(tr("Stopping..."));
    run_->setEnabled(false);
    status_->setText(tr("Stopping after the cases under way..."));
    return;
  }
  setFocus();  // a field being edited is left (and read) first
  ScenarioChanged();
  std::optional<prob::Assessment> assessment = CheckedAssessment();
  if (!assessment) return;
  if (!draft_.seed) {
    // Recorded with the results, so the run can be repeated.
    draft_.seed = cli::ChooseSeed();
    settings_->Reload();
  }
  assessment->seed = draft_.seed;
  const int run =
      worker_->Start(scenario_, *assessment, *draft_.seed, scenario_.ProgramDirectory(), threads_);
  if (run == 0) {
    status_->setText(tr("The last run is still ending; press Run again in a moment."));
    return;
  }
  currentRun_ = run;
  stopping_ = false;
  runScenario_ = ScenarioName();
  runInputs_ = InputsChecksum(scenario_.ScenarioRecord, scenario_.PaintDurationGrid());
  run_->setText(tr("&Stop"));
  progress_->setRange(0, 1);
  progress_->setValue(0);
  status_->setStyleSheet(QString());
  status_->setText(tr("Running %1 iterations...").arg(assessment->iterations));
}

void TfrmAssessment::RunProgress(int run, qulonglong done, qulonglong total) {
  if (run != currentRun_ || stopping_) return;
  // The bar counts in thousandths so that any number of cases fits an int.
  progress_->setRange(0, 1000);
  progress_->setValue(total ? static_cast<int>(1000 * done / total) : 0);
  status_->setText(tr("%1 of %2 cases run").arg(done).arg(total));
}

void TfrmAssessment::EndRunState() {
  stopping_ = false;
  run_->setText(tr("&Run"));
  run_->setEnabled(true);
}

QString TfrmAssessment::ResultsHeading() const {
  if (!outcome_) return {};
  const prob::Assessment &a = outcome_->assessment;
  QString text =
      tr("Scenario %1; %2 iterations (%3 run), seed %4, %5 sampling; LUMO %6.")
          .arg(runScenario_)
          .arg(a.iterations)
          .arg(outcome_->summary.iterationsRun)
          .arg(outcome_->run.seed)
          .arg(a.sampling == prob::Sampling::Random ? tr("simple random") : tr("Latin hypercube"))
          .arg(LUMO_PROGRAM_VERSION);
  if (outcome_->run.casesFailed > 0)
    text += tr(" %1 of %2 cases have no results.")
                .arg(outcome_->run.casesFailed)
                .arg(outcome_->run.casesRun);
  if (outcome_->stopped)
    text = tr("PARTIAL RESULTS: the run was stopped after %1 of %2 iterations. ")
               .arg(outcome_->summary.iterationsRun)
               .arg(a.iterations) +
           text;
  return text;
}

void TfrmAssessment::RunFinished(int run, std::shared_ptr<const ui::AssessmentOutcome> outcome) {
  if (run != currentRun_) return;  // not this window's run any more
  currentRun_ = 0;
  EndRunState();
  if (!outcome->error.empty()) {
    progress_->setValue(0);
    status_->setText(tr("Nothing ran: %1").arg(QString::fromStdString(outcome->error)));
    Refused(tr("A Small Problem"), QString::fromStdString(outcome->error));
    return;
  }
  outcome_ = std::move(outcome);
  results_->Show(outcome_, ResultsHeading());
  tabs_->setCurrentWidget(results_);
  if (outcome_->stopped) {
    status_->setStyleSheet("color: #a04000; font-weight: bold;");
    status_->setText(tr("Stopped: the results are partial (%1 of %2 iterations).")
                         .arg(outcome_->summary.iterationsRun)
                         .arg(outcome_->assessment.iterations));
  } else {
    progress_->setRange(0, 1);
    progress_->setValue(1);
    status_->setText(tr("Done: %1 iterations.").arg(outcome_->summary.iterationsRun));
  }
  emit resultsChanged();
}

// ---- Files ----------------------------------------------------------------------

QString TfrmAssessment::Choose(const QString &caption, const QString &suggested,
                               const QString &filter, bool save) {
  if (chooser_) return chooser_(caption, suggested, filter, save);
  return save ? QFileDialog::getSaveFileName(this, caption, suggested, filter)
              : QFileDialog::getOpenFileName(this, caption, suggested, filter);
}

bool TfrmAssessment::OpenFile(const QString &path) {
  prob::Assessment read;
  try {
    read = prob::ReadAssessmentFile(path.toStdString(), prob::ScenarioVariableFields());
  } catch (const prob::EAssessmentFile &e) {
    Refused(tr("A Small Problem"), QString::fromStdString(e.what()));
    return false;
  }
  draft_ = prob::DraftFromAssessment(read, OwnValues());
  file_ = path;
  inputs_->Reload();
  settings_->Reload();
  status_->setStyleSheet(QString());
  status_->setText(tr("Opened %1.").arg(QFileInfo(path).fileName()));
  return true;
}

bool TfrmAssessment::WriteFile(const QString &path, const std::string &bytes, const QString &what) {
  try {
    platform::ReplaceFileContents(path.toStdString(), bytes);
  } catch (const std::exception &e) {
    Refused(
        tr("A Small Problem"),
        tr("The %1 was not written to %2: %3").arg(what, path, QString::fromStdString(e.what())));
    return false;
  }
  status_->setStyleSheet(QString());
  status_->setText(tr("Saved the %1 as %2.").arg(what, path));
  return true;
}

bool TfrmAssessment::SaveTo(const QString &path) {
  setFocus();
  // Only a file the reader takes is written, so that it opens again.
  if (!CheckedAssessment()) return false;
  if (!WriteFile(path, prob::DraftToJson(draft_), tr("distribution file"))) return false;
  file_ = path;
  return true;
}

void TfrmAssessment::OpenClick() {
  const QString suggested = QString::fromStdString(
      prob::DistributionFileFor(scenario_.ScenarioRecord.ScenarioFileName.Text()));
  const QString path =
      Choose(tr("Open a Distribution File"), suggested, kDistributionFilter, false);
  if (!path.isEmpty()) OpenFile(path);
}

void TfrmAssessment::SaveClick() {
  if (file_.isEmpty())
    SaveAsClick();
  else
    SaveTo(file_);
}

void TfrmAssessment::SaveAsClick() {
  const QString suggested = file_.isEmpty() ? QString::fromStdString(prob::DistributionFileFor(
                                                  scenario_.ScenarioRecord.ScenarioFileName.Text()))
                                            : file_;
  const QString path =
      Choose(tr("Save the Distribution File"), suggested, kDistributionFilter, true);
  if (!path.isEmpty()) SaveTo(path);
}

void TfrmAssessment::ExportSamplesClick() {
  if (!outcome_) {
    Refused(tr("A Small Problem"), tr("There are no samples to export yet: press Run first."));
    return;
  }
  const QString suggested = QFileInfo(file_.isEmpty() ? ScenarioName() : file_).path() + "/" +
                            QFileInfo(ScenarioName()).completeBaseName() + ".samples.csv";
  const QString path = Choose(tr("Export the Samples"), suggested, tr("CSV files (*.csv)"), true);
  if (path.isEmpty()) return;
  WriteFile(path, cli::SamplesCsv(outcome_->assessment, outcome_->run), tr("samples"));
}

void TfrmAssessment::ExportSummaryClick() {
  if (!outcome_) {
    Refused(tr("A Small Problem"), tr("There is no summary to export yet: press Run first."));
    return;
  }
  const QString path = Choose(tr("Export the Summary"),
                              QFileInfo(ScenarioName()).completeBaseName() + ".summary.json",
                              tr("JSON files (*.json)"), true);
  if (path.isEmpty()) return;
  cli::AssessmentHeading heading;
  heading.scenario = runScenario_.toStdString();
  heading.distributionFile = file_.toStdString();
  heading.version = LUMO_PROGRAM_VERSION;
  WriteFile(path,
            cli::DumpJson(cli::AssessmentJson(heading, outcome_->assessment, outcome_->run,
                                              outcome_->summary)),
            tr("summary"));
}

void TfrmAssessment::ExportPlotClick() {
  QChartView *view = results_->CurrentPlot();
  if (!view) {
    Refused(tr("A Small Problem"), tr("There is no plot to export yet: press Run first."));
    return;
  }
  const QString path = Choose(
      tr("Export the Plot"),
      QFileInfo(ScenarioName()).completeBaseName() + "." + results_->CurrentPlotName() + ".png",
      tr("PNG images (*.png)"), true);
  if (path.isEmpty()) return;
  if (!view->grab().save(path, "PNG"))
    Refused(tr("A Small Problem"), tr("The plot was not written to %1: the file cannot be "
                                      "written there; choose another folder.")
                                       .arg(path));
  else
    status_->setText(tr("Saved the plot as %1.").arg(path));
}

void TfrmAssessment::HelpClick() {
  TRTFFormTips viewer(
      tr("Probabilistic Assessment"),
      QString::fromStdString(scenario_.ProgramDirectory()) + "/help/Probabilistic.kbn", this);
  viewer.exec();
}

lumo::report::ProbabilisticReport TfrmAssessment::Report() const {
  if (!outcome_) return lumo::report::NoProbabilisticReport();
  lumo::report::ProbabilisticHeading heading;
  heading.scenario = runScenario_;
  heading.distributionFile = file_;
  heading.version = LUMO_PROGRAM_VERSION;
  heading.inputsChanged =
      InputsChecksum(scenario_.ScenarioRecord, scenario_.PaintDurationGrid()) != runInputs_;
  lumo::report::PlotChoice plots;
  plots.result = results_->PlotResult();
  plots.logarithmic = results_->LogAxis();
  plots.measure = static_cast<lumo::report::SensitivityMeasure>(results_->Measure());
  return lumo::report::BuildProbabilisticReport(outcome_->assessment, outcome_->run,
                                                outcome_->summary, heading, plots);
}
