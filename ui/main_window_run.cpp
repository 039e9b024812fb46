// The Execution page: texts and run settings, Execute and Stop, the run
// reports from the worker thread, the results and the report window.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QSpinBox>
#include <QThread>

#include "assemble_engine_inputs.h"
#include "frm_concentration_plot.h"
#include "frm_print.h"
#include "main_window.h"
#include "message_box.h"
#include "plausibility_flags.h"
#include "result_text.h"
#include "results_provenance.h"
#include "scenario_rules.h"
#include "ui_page_execution.h"

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

void TfrmMain::ConnectRun() {
  auto &ex = Execution();
  connect(ex.btnExecute, &QPushButton::clicked, this, &TfrmMain::btnExecuteClick);
  connect(ex.btnSaveExecute, &QPushButton::clicked, this, &TfrmMain::SaveandExecute1Click);
  connect(ex.btnPrintReport, &QPushButton::clicked, this, &TfrmMain::btnPrintReportClick);
  connect(ex.btnClear, &QPushButton::clicked, this, &TfrmMain::btnClearClick);
  connect(ex.btnPlot, &QPushButton::clicked, this, &TfrmMain::btnPlotClick);
  connect(ex.edTitle, &QLineEdit::editingFinished, this, &TfrmMain::TextExit);
  connect(ex.edProjNotes, &QLineEdit::editingFinished, this, &TfrmMain::TextExit);
  connect(ex.numedRun, &TNumEdit::exited, this, &TfrmMain::numedRunExit);
  connect(ex.speditReportInterval, &QSpinBox::valueChanged, this, &TfrmMain::ReportIntervalChanged);
}

void TfrmMain::TextExit() {
  auto &ex = Execution();
  auto &r = State_->ScenarioRecord;
  Guarded([&] {
    r.Title.SetText(ex.edTitle->text().left(255).toStdString());
    r.Notes.SetText(ex.edProjNotes->text().left(255).toStdString());
  });
}

void TfrmMain::numedRunExit() {
  auto *field = Execution().numedRun;
  if (auto notice = rules::ApplyRunLength(*State_, field->Value())) {
    ShowMessage(this, tr("A Small Correction"), QString::fromStdString(*notice), MsgIcon::Warning,
                MsgButton::Ok);
  }
  field->SetValue(State_->ScenarioRecord.RunLength);
  UpdateResultsView();
}

void TfrmMain::ReportIntervalChanged(int minutes) {
  if (refreshing_) return;
  State_->ScenarioRecord.ReportInterval = minutes;
  UpdateResultsView();
}

bool TfrmMain::Running() const {
  return currentRun_ != 0;
}

void TfrmMain::btnExecuteClick() {
  auto &ex = Execution();
  if (closing_) return;  // the window is going: no new run
  if (Running()) {
    State_->StopExecution();
    // The worker tells how far the run got (RunStopped); until then the
    // last progress report says it.
    stoppedRun_ = currentRun_;
    lastRun_ = {LastRun::Stopped, lastPercent_};
    EndRunState();
    UpdateResultsView();
    return;
  }
  lastPercent_ = 0;
  lastRun_ = {LastRun::Running, 0};
  displayCleared_ = false;
  Execution().barPercentComplete->SetPercentShaded(0);
  UpdateResultsView();
  ex.btnExecute->setText(tr("Stop"));
  ex.btnSaveExecute->setEnabled(false);
  ex.btnPrintReport->setEnabled(false);
  runMolecularWeight_ = State_->ScenarioRecord.MolecularWeight;
  std::string error;
  RunId run = 0;
  try {
    run = State_->ExecuteLUMO(*this, &error);
  } catch (const std::exception &e) {
    // A scenario the check refuses, a schedule too long, an emission
    // file that cannot be written: nothing was started.
    error = e.what();
  }
  if (run == 0) {
    lastRun_ = {};
    EndRunState();
    UpdateResultsView();
    ShowError(tr("A Small Problem"), QString::fromStdString(error));
    return;
  }
  currentRun_ = run;
  runCsvPath_ = QString::fromStdString(State_->ConcentrationFileName());
  runLengthDays_ = State_->ScenarioRecord.RunLength;
  runInputs_ = InputsChecksum(State_->ScenarioRecord, State_->PaintDurationGrid());
  ex.btnPlot->setEnabled(true);
}

void TfrmMain::EndRunState() {
  auto &ex = Execution();
  currentRun_ = 0;
  ex.btnExecute->setText(tr("Execute"));
  ex.btnExecute->setEnabled(true);
  ex.btnSaveExecute->setEnabled(true);
  ex.btnPrintReport->setEnabled(true);
}

void TfrmMain::SetResultFields(const std::function<QString(double ScenarioRecord::*)> &text) {
  auto &ex = Execution();
  const std::pair<QLineEdit *, double ScenarioRecord::*> fields[] = {
      {ex.edLADD, &ScenarioRecord::LADD},
      {ex.edADD, &ScenarioRecord::ADD},
      {ex.edLADC, &ScenarioRecord::LADC},
      {ex.edADC, &ScenarioRecord::ADC},
      {ex.edCPeak, &ScenarioRecord::Cpeak},
      {ex.edADPR, &ScenarioRecord::APDR},
      {ex.edADPRTime, &ScenarioRecord::APDRtime},
      {ex.edSingleDose, &ScenarioRecord::SingleEventDose},
      {ex.edC15min, &ScenarioRecord::C15min},
      {ex.edC8hr, &ScenarioRecord::C8hour},
  };
  for (const auto &[field, member] : fields) field->setText(text(member));
}

void TfrmMain::btnClearClick() {
  displayCleared_ = true;
  Execution().barPercentComplete->SetPercentShaded(0);
  UpdateResultsView();
}

void TfrmMain::ResetRunDisplay() {
  lastRun_ = {};
  displayCleared_ = false;
  Execution().barPercentComplete->SetPercentShaded(0);
  UpdateResultsView();
}

void TfrmMain::ShowResults(const ExecutionResultsRecord &results) {
  State_->AfterExecution(results);
  runLengthOf_ = 0;  // judged again, with this run's concentration file
  lastRun_ = {LastRun::Completed, 100};
  Execution().barPercentComplete->SetPercentShaded(100);
  EndRunState();
  UpdateResultsView();
}

void TfrmMain::UpdateResultsView() {
  if (!State_) return;
  auto &ex = Execution();
  const auto &r = State_->ScenarioRecord;
  ResultsView view = ViewOfResults(ClassifyResults(r, State_->PaintDurationGrid()), lastRun_);
  if (displayCleared_) {
    view.numbers = false;
    view.status = "Cleared from the display; the scenario keeps its results.";
  }
  auto text = [](double v) { return QString::fromStdString(FormatResult(v)); };
  const QString zero = text(0.0);
  SetResultFields(
      [&](double ScenarioRecord::*member) { return view.numbers ? text(r.*member) : zero; });
  // ppm only for results of these inputs: the molecular weight is one of
  // them, and results of other inputs may have been run with another.
  const std::pair<QLineEdit *, double ScenarioRecord::*> ppm[] = {
      {ex.edCPeakPPM, &ScenarioRecord::Cpeak}, {ex.edLADCPPM, &ScenarioRecord::LADC},
      {ex.edADCPPM, &ScenarioRecord::ADC},     {ex.edC15minPPM, &ScenarioRecord::C15min},
      {ex.edC8hrPPM, &ScenarioRecord::C8hour},
  };
  for (const auto &[field, member] : ppm)
    field->setText(!view.numbers  ? zero
                   : view.current ? text(ToPpm(r.*member, r.MolecularWeight))
                                  : QString());
  // Results that do not belong to the inputs are greyed out.
  const bool plain = view.current || !view.numbers;
  for (auto *field : ex.gbResults->findChildren<QLineEdit *>()) field->setEnabled(plain);
  ex.lblResultsStatus->setText(QString::fromStdString(view.status));
  ex.lblResultsStatus->setStyleSheet(plain ? QString()
                                           : QStringLiteral("color: #a04000; font-weight: bold;"));
  ShowRunLength(view.current && view.numbers);
  ui::ShowPlausibilityFlags(this, r);
  UpdateCaption();
}

void TfrmMain::ShowRunLength(bool currentResults) {
  auto *label = Execution().lblRunLength;
  if (!currentResults) {
    label->clear();
    label->hide();
    return;
  }
  const auto inputs = InputsChecksum(State_->ScenarioRecord, State_->PaintDurationGrid());
  if (inputs != runLengthOf_) {
    runLengthOf_ = inputs;
    runLength_.reset();
    try {
      auto run = AssembleEngineInputs(State_->ScenarioRecord, State_->PaintDurationGrid());
      runLength_ = AssessRunLength(BindRecord(run), State_->ConcentrationFileName());
    } catch (const std::exception &) {
      // Inputs the check refuses have no run to judge.
    }
  }
  if (!runLength_) {
    label->hide();
    return;
  }
  QStringList notes;
  for (const auto &note : RunLengthNotes(*runLength_)) notes << QString::fromStdString(note);
  label->setText(notes.join(QLatin1Char('\n')));
  label->setStyleSheet(runLength_->Underestimated()
                           ? QStringLiteral("color: #a04000; font-weight: bold;")
                           : QString());
  label->show();
}

// ---- Run reports: the worker waits while each is handled on this thread ----

void TfrmMain::RunProgress(RunId run, int percent) {
  QMetaObject::invokeMethod(
      this,
      [this, run, percent] {
        if (run != currentRun_) return;
        lastPercent_ = percent;
        auto *bar = Execution().barPercentComplete;
        bar->SetPercentShaded(percent);
        bar->repaint();
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::RunDone(RunId run, ExecutionResultsRecord results) {
  QMetaObject::invokeMethod(
      this,
      [this, run, results] {
        if (run == currentRun_) ShowResults(results);
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::RunNoLibrary(RunId run, std::string detail) {
  QMetaObject::invokeMethod(
      this,
      [this, run, detail] {
        if (run != currentRun_) return;
        lastRun_ = {LastRun::Failed, 0};
        EndRunState();
        UpdateResultsView();
        QString text = tr(kNoLibraryText);
        if (!detail.empty()) text += QStringLiteral("\n\n") + QString::fromStdString(detail);
        ShowError(tr(kRunErrorCaption), text);
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::RunInitFailed(RunId run) {
  QMetaObject::invokeMethod(
      this,
      [this, run] {
        if (run != currentRun_) return;
        lastRun_ = {LastRun::Failed, 0};
        EndRunState();
        UpdateResultsView();
        ShowError(tr(kRunErrorCaption), tr(kInitFailedText));
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::RunFailed(RunId run, std::string message) {
  QMetaObject::invokeMethod(
      this,
      [this, run, message] {
        if (run != currentRun_) return;
        lastRun_ = {LastRun::Failed, lastPercent_};
        EndRunState();
        UpdateResultsView();
        ShowError(tr(kRunErrorCaption), QString::fromStdString(message));
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::RunStopped(RunId run, int percent) {
  QMetaObject::invokeMethod(
      this,
      [this, run, percent] {
        // How far the run the user stopped got; nothing else changes.
        if (run != stoppedRun_ || lastRun_.phase != LastRun::Stopped) return;
        lastRun_.percent = percent;
        Execution().barPercentComplete->SetPercentShaded(percent);
        UpdateResultsView();
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::StopAndWait() {
  if (!State_) return;
  closing_ = true;
  State_->StopExecution();
  currentRun_ = 0;
  // The worker may be waiting for this thread to handle a report: keep
  // handling them (as stale ones) until it has ended. Nothing the user does
  // meanwhile is handled: a click on Execute must not start a run while the
  // window closes.
  while (!State_->Worker().Idle()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(1);
  }
}

void TfrmMain::btnPlotClick() {
  if (runCsvPath_.isEmpty()) return;
  const bool changed =
      InputsChecksum(State_->ScenarioRecord, State_->PaintDurationGrid()) != runInputs_;
  const QString caveat =
      changed ? tr("The scenario's inputs have changed since the run that wrote this file.")
              : QString();
  auto *plot =
      new TfrmConcentrationPlot(this, runCsvPath_, runMolecularWeight_, runLengthDays_, caveat);
  plot->setObjectName(QStringLiteral("frmConcentrationPlot"));
  plot->setAttribute(Qt::WA_DeleteOnClose);
  plot->show();
}

void TfrmMain::btnPrintReportClick() {
  TfrmPrint report(this, State_.get());
  AttachProbabilisticPage(report);
  RunModal(report);
}
