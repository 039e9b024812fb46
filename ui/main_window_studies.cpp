// The Tools menu: comparing scenarios, sweeping an input, and the workbook
// of the current run (its results, inputs and concentrations over time).
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

#include "compare_window.h"
#include "concentration_csv.h"
#include "main_window.h"
#include "message_box.h"
#include "results_provenance.h"
#include "sweep_window.h"
#include "ui_main_window.h"
#include "workbook.h"

using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

void TfrmMain::ConnectStudies() {
  auto *tools = new QMenu(tr("&Tools"), this);
  tools->setObjectName(QStringLiteral("mnuTools"));
  QAction *compare = tools->addAction(tr("&Compare Scenarios..."));
  compare->setObjectName(QStringLiteral("CompareScenarios1"));
  QAction *sweep = tools->addAction(tr("&Sweep an Input..."));
  sweep->setObjectName(QStringLiteral("SweepInput1"));
  tools->addSeparator();
  QAction *workbook = tools->addAction(tr("&Export Results to Workbook..."));
  workbook->setObjectName(QStringLiteral("ExportWorkbook1"));
  menuBar()->insertMenu(ui_->mnuHelp->menuAction(), tools);
  connect(compare, &QAction::triggered, this, &TfrmMain::CompareScenariosClick);
  connect(sweep, &QAction::triggered, this, &TfrmMain::SweepInputClick);
  connect(workbook, &QAction::triggered, this, [this] {
    QFileDialog dialog(this, tr("Export the Results as a Workbook"), QString(),
                       tr("Excel Workbooks (*.xlsx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    if (CurrentResultsState() != lumo::ResultsState::Current) {
      ShowMessage(this, tr("A Small Problem"),
                  tr("There are no results of the inputs as they are now to export. Execute the "
                     "scenario first, then export its results."),
                  MsgIcon::Warning, MsgButton::Ok);
      return;
    }
    const QString path = ChooseFile(dialog);
    if (!path.isEmpty()) ExportWorkbook(path);
  });
}

lumo::ResultsState TfrmMain::CurrentResultsState() const {
  return lumo::ClassifyResults(State_->ScenarioRecord, State_->PaintDurationGrid());
}

void TfrmMain::CompareScenariosClick() {
  auto *window = new CompareWindow(this, ProgramDirectory());
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->SetFileChooser([this](QFileDialog &dialog) {
    const QString path = ChooseFile(dialog);
    return path.isEmpty() ? QStringList() : QStringList{path};
  });
  window->AddScenario(tr("(current scenario)"), *State_);
  window->show();
}

void TfrmMain::SweepInputClick() {
  auto *window = new SweepWindow(this, *State_, ProgramDirectory());
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->SetFileChooser([this](QFileDialog &dialog) { return ChooseFile(dialog); });
  window->show();
}

bool TfrmMain::ExportWorkbook(const QString &path) {
  using namespace lumo::comparison;
  // The concentrations of the last run, when it ran these inputs.
  std::optional<ConcentrationSeries> series;
  if (!runCsvPath_.isEmpty() &&
      runInputs_ == lumo::InputsChecksum(State_->ScenarioRecord, State_->PaintDurationGrid())) {
    const auto read = lumo::report::ReadConcentrationCsv(runCsvPath_);
    if (read.table) {
      series.emplace();
      series->days = read.table->days;
      series->outdoor = read.table->outdoor;
      series->zone1 = read.table->zone1;
      series->zone2 = read.table->zone2;
      series->person = read.table->person;
    }
  }
  try {
    WriteWorkbook(path.toStdString(), RunSheets(*State_, StoredResults(State_->ScenarioRecord),
                                                series ? &*series : nullptr));
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Error"), QString::fromStdString(e.what()), MsgIcon::Error,
                MsgButton::Ok);
    return false;
  }
  if (!series)
    ShowMessage(this, tr("Exported"),
                tr("The results and inputs were written to %1. The concentrations over time "
                   "were left out: they come from a run in this session; execute the scenario "
                   "to include them.")
                    .arg(path),
                MsgIcon::Information, MsgButton::Ok);
  return true;
}
