// The Execution page: texts and run settings, Execute and Stop, the run
// reports from the worker thread, the results and the report window.
#include <QCoreApplication>
#include <QLineEdit>
#include <QMetaObject>
#include <QSpinBox>
#include <QThread>

#include "frm_concentration_plot.h"
#include "frm_print.h"
#include "main_window.h"
#include "message_box.h"
#include "result_text.h"
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
}

void TfrmMain::ReportIntervalChanged(int minutes) {
  if (!refreshing_) State_->ScenarioRecord.ReportInterval = minutes;
}

bool TfrmMain::Running() const {
  return currentRun_ != 0;
}

void TfrmMain::btnExecuteClick() {
  auto &ex = Execution();
  if (Running()) {
    State_->StopExecution();
    EndRunState();
    return;
  }
  btnClearClick();
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
    EndRunState();
    ShowError(tr("A Small Problem"), QString::fromStdString(error));
    return;
  }
  currentRun_ = run;
  runCsvPath_ = QString::fromStdString(State_->ConcentrationFileName());
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
  auto &ex = Execution();
  const QString zero = QString::fromStdString(FormatResult(0.0));
  SetResultFields([&](double ScenarioRecord::*) { return zero; });
  for (auto *ppm : {ex.edLADCPPM, ex.edADCPPM, ex.edCPeakPPM, ex.edC15minPPM, ex.edC8hrPPM})
    ppm->setText(zero);
  ex.barPercentComplete->SetPercentShaded(0);
}

void TfrmMain::ShowResults(const ExecutionResultsRecord &results) {
  auto &ex = Execution();
  State_->AfterExecution(results);
  const auto &r = State_->ScenarioRecord;
  auto text = [](double v) { return QString::fromStdString(FormatResult(v)); };
  SetResultFields([&](double ScenarioRecord::*member) { return text(r.*member); });
  // ppm with the molecular weight of the chemical that was run.
  const double mw = runMolecularWeight_;
  ex.edCPeakPPM->setText(text(ToPpm(r.Cpeak, mw)));
  ex.edLADCPPM->setText(text(ToPpm(r.LADC, mw)));
  ex.edADCPPM->setText(text(ToPpm(r.ADC, mw)));
  ex.edC15minPPM->setText(text(ToPpm(r.C15min, mw)));
  ex.edC8hrPPM->setText(text(ToPpm(r.C8hour, mw)));
  ex.barPercentComplete->SetPercentShaded(100);
  EndRunState();
}

// ---- Run reports: the worker waits while each is handled on this thread ----

void TfrmMain::RunProgress(RunId run, int percent) {
  QMetaObject::invokeMethod(
      this,
      [this, run, percent] {
        if (run != currentRun_) return;
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
        EndRunState();
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
        EndRunState();
        ShowError(tr(kRunErrorCaption), tr(kInitFailedText));
      },
      Qt::BlockingQueuedConnection);
}

void TfrmMain::StopAndWait() {
  if (!State_) return;
  State_->StopExecution();
  currentRun_ = 0;
  // The worker may be waiting for this thread to handle a report: keep
  // handling them (as stale ones) until it has ended.
  while (!State_->Worker().Idle()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
}

void TfrmMain::btnPlotClick() {
  if (runCsvPath_.isEmpty()) return;
  auto *plot = new TfrmConcentrationPlot(this, runCsvPath_, runMolecularWeight_);
  plot->setObjectName(QStringLiteral("frmConcentrationPlot"));
  plot->setAttribute(Qt::WA_DeleteOnClose);
  plot->show();
}

void TfrmMain::btnPrintReportClick() {
  TfrmPrint report(this, State_.get());
  RunModal(report);
}
