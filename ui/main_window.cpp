// Construction, the refill from the scenario, the dialog protocol, closing.
#include "main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "desktop_layout.h"
#include "field_tips.h"
#include "message_box.h"
#include "platform.h"
#include "scenario_rules.h"
#include "ui_main_window.h"
#include "ui_page_execution.h"
#include "ui_page_occupancy_exposure.h"
#include "ui_page_paint_chemical.h"
#include "ui_page_painting_scenario.h"

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

namespace {

QString Text(const std::string &s) {
  return QString::fromStdString(s);
}

}  // namespace

TfrmMain::TfrmMain(QWidget *parent) : TfrmMain(ui::DesktopLayout(), parent) {}

TfrmMain::TfrmMain(const std::string &programDirectory, QWidget *parent)
    : TfrmMain(platform::LayoutInOneFolder(programDirectory), parent) {}

TfrmMain::TfrmMain(const platform::ProgramLayout &layout, QWidget *parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TfrmMain>()),
      layout_(layout),
      settings_(ui::OpenSettings(layout)),
      State_(std::make_unique<LumoTransfer>(layout)) {
  ui_->setupUi(this);
  // The user's folders and chemical list; what cannot be made shows where it
  // is needed, naming the file.
  (void)platform::PrepareUserFolders(layout_);
  setWindowTitle(tr("Lumora (LUMO)"));
  auto &r = State_->ScenarioRecord;

  // The default scenario: patterns, schedule and sink areas from the
  // factory defaults.
  Guarded([&] { rules::PrepareDefaultScenario(*State_); });
  RefreshFromState();
  ResetRunDisplay();

  LoadChemicalList();
  ShowSelectedChemical();
  Guarded([&] {
    if (Paint().cbChemicalNames->currentIndex() >= 0)
      r.ChemicalName.SetText(Paint().cbChemicalNames->currentText().left(255).toStdString());
  });

  // The default scenario file (not read at start).
  const std::string name = State_->StartupScenarioName();
  r.ScenarioFileName.SetText(String255::Fits(name) ? name : std::string("lumo.vkx"));

  Connect();
  cbChemicalNamesChange();
  ui_->mainTabs->setCurrentIndex(0);
  RememberSaved();
}

TfrmMain::~TfrmMain() {
  StopAndWait();
}

Ui::PagePaintingScenario &TfrmMain::Scenario() {
  return *ui_->tsPaintingScenario->ui;
}
Ui::PagePaintChemical &TfrmMain::Paint() {
  return *ui_->tsPaintChemical->ui;
}
Ui::PageOccupancyExposure &TfrmMain::Occupancy() {
  return *ui_->tsOccupancyExposure->ui;
}
Ui::PageExecution &TfrmMain::Execution() {
  return *ui_->tsExecution->ui;
}

void TfrmMain::SetDialogRunner(DialogRunner runner) {
  dialogRunner_ = std::move(runner);
}

void TfrmMain::SetFileChooser(FileChooser chooser) {
  fileChooser_ = std::move(chooser);
}

void TfrmMain::Connect() {
  ConnectScenario();
  ConnectPaint();
  ConnectOccupancy();
  ConnectRun();
  ConnectFiles();
  ConnectHelp();
  ConnectStudies();
  ConnectAssessment();
  ConnectKeys();
  ui::SetFieldTips(this);
}

void TfrmMain::Guarded(const std::function<void()> &step) {
  try {
    step();
  } catch (const std::exception &e) {
    ShowError(tr("A Small Problem"), Text(e.what()));
    ShowState();
  }
  UpdateResultsView();
}

void TfrmMain::ShowError(const QString &caption, const QString &text) {
  ShowMessage(this, caption, text, MsgIcon::Error, MsgButton::Ok);
}

int TfrmMain::RunModal(QDialog &dialog) {
  return dialogRunner_ ? dialogRunner_(dialog) : dialog.exec();
}

bool TfrmMain::RunParameterDialog(ui::ParameterDialog kind) {
  // The schedule is part of the scenario too (the painting pattern edits
  // its breathing rates), so it is put back with the record.
  const ScenarioRecord savedRecord = State_->ScenarioRecord;
  auto savedSchedule = std::make_unique<PaintDurationGrid>(State_->PaintDurationGrid());
  bool ok = false;
  try {
    auto dialog = ui::CreateParameterDialog(kind, this, State_.get());
    ok = RunModal(*dialog) == QDialog::Accepted;
  } catch (const std::exception &e) {
    ShowError(tr("A Small Problem"), Text(e.what()));
    ok = false;
  }
  if (!ok) {
    State_->ScenarioRecord = savedRecord;
    State_->PaintDurationGrid() = *savedSchedule;
  }
  UpdateResultsView();
  return ok;
}

TfrmMain::ScenarioCopy TfrmMain::CopyScenario() const {
  return {State_->ScenarioRecord, std::make_unique<PaintDurationGrid>(State_->PaintDurationGrid())};
}

void TfrmMain::RestoreScenario(const ScenarioCopy &copy) {
  State_->ScenarioRecord = copy.Record;
  State_->PaintDurationGrid() = *copy.Schedule;
}

bool TfrmMain::ApplyIfScheduleFits(const ScenarioCopy &before, ScheduleInput edited,
                                   const QString &choice, const std::function<void()> &apply) {
  try {
    apply();
  } catch (const ETooManyOverrideRows &) {
    // A rule that rebuilds the schedule stopped there; judged below.
  }
  const auto refusal = ScheduleRefusal(State_->ScenarioRecord, edited);
  if (!refusal) return true;
  RestoreScenario(before);
  ShowState();
  QString text = Text(*refusal);
  if (!choice.isEmpty()) text = tr("\"%1\" cannot be chosen. %2").arg(choice, text);
  ShowMessage(this, tr("Painting Limits exceeded"), text, MsgIcon::Error, MsgButton::Ok);
  return false;
}

void TfrmMain::RefreshFromState() {
  Refill(true);
}

void TfrmMain::ShowState() {
  Refill(false);
}

void TfrmMain::Refill(bool derive) {
  if (refreshing_) return;
  refreshing_ = true;
  auto &r = State_->ScenarioRecord;
  auto &sc = Scenario();
  auto &pc = Paint();
  auto &oc = Occupancy();
  auto &ex = Execution();
  // The schedule is left as it was when the painting does not fit it; the
  // refill still shows everything, then says why.
  std::optional<std::string> scheduleProblem;
  try {
    // 1-3: building, area and the captions of the area choices.
    CheckBuilding(r.BldgType);
    const bool part = r.BldgArea == BldgArea::OneBedroom || r.BldgArea == BldgArea::OneOffice;
    const bool whole = r.BldgArea == BldgArea::EntireBldg || r.BldgArea == BldgArea::EntireFloor;
    sc.rbScenarioOneBedroom->setChecked(part);
    sc.rbScenarioEntireBuilding->setChecked(whole);
    if (!part && !whole) {
      sc.rbScenarioOneBedroom->setAutoExclusive(false);
      sc.rbScenarioEntireBuilding->setAutoExclusive(false);
      sc.rbScenarioOneBedroom->setChecked(false);
      sc.rbScenarioEntireBuilding->setChecked(false);
      sc.rbScenarioOneBedroom->setAutoExclusive(true);
      sc.rbScenarioEntireBuilding->setAutoExclusive(true);
    }
    if (IsResidence(r.BldgType)) {
      sc.lblEntireBuilding->setText(tr("Entire Building"));
      sc.lblPartofBuilding->setText(tr("One Bedroom"));
    } else if (r.BldgType == BldgType::Other) {
      sc.lblEntireBuilding->setText(tr("Paint Entire Building"));
      sc.lblPartofBuilding->setText(tr("Part of Building"));
    } else {
      sc.lblEntireBuilding->setText(tr("Entire Floor"));
      sc.lblPartofBuilding->setText(tr("One Office"));
    }
    sc.rbScenarioEntireBuilding->setAccessibleName(sc.lblEntireBuilding->text());
    sc.rbScenarioOneBedroom->setAccessibleName(sc.lblPartofBuilding->text());

    // 4 and 12: the Standard Box's volume; the schedule unless a file is
    // being opened (it comes with the file).
    if (derive) scheduleProblem = rules::ApplyRefillDerivations(*State_, fileLoading_);

    // 5: share, surfaces, air exchange, volume, coats, area.
    sc.numedResidencePercentPainted->SetValue(r.PercentPainted);
    sc.rbScenarioWallsOnly->setChecked(r.BldgSurface == BldgSurface::Walls);
    sc.rbScenarioCeilingsOnly->setChecked(r.BldgSurface == BldgSurface::Ceilings);
    sc.rbWallsandCeiling->setChecked(r.BldgSurface == BldgSurface::Both);
    sc.numedAirExchange->SetValue(r.AirExchangeRate);
    sc.numedBldgVolume->SetValue(r.BldgVolume);
    sc.edPrimerCoats->SetValue(r.PrimerCoats);
    sc.edPaintCoats->SetValue(r.PaintCoats);
    sc.numedPaintedSurfaceArea->SetValue(State_->GetCalculatedSurfaceArea());

    // 6: paint type and densities.
    pc.rbLatexFlat->setChecked(r.PaintType == PaintType::LatexFlat);
    pc.rbLatexSemigloss->setChecked(r.PaintType == PaintType::LatexSemiGloss);
    pc.rbAlkyd->setChecked(r.PaintType == PaintType::Alkyd);
    pc.numeditPrimerSpecDensity->SetValue(r.PrimerDensity);
    pc.numeditPaintSpecDensity->SetValue(r.PaintDensity);

    // 7: the chemical, its values from the chemical list when it is there.
    SelectChemical(Text(r.ChemicalName.Text()));
    ShowSelectedChemical();

    // 8: weight fractions and model names.
    pc.numeditPrimerWeightFraction->SetValue(r.PrimerWeightFraction);
    pc.numedPaintWeightFraction->SetValue(r.PaintWeightFraction);
    ShowModelNames();

    // 9: individual, location, gender.
    oc.rgIndividual->SetItemIndex(static_cast<int>(r.IndividualType));
    oc.rgLocation->SetItemIndex(static_cast<int>(r.IndividualLocation));
    oc.rggender->SetItemIndex(static_cast<int>(r.Gender));

    // 10: exposure factors, texts and run settings.
    oc.numedExposure->SetValue(r.EventsinLifeTime);
    oc.numedLifetime->SetValue(r.LifeTime);
    oc.numedBodyWt->SetValue(r.BodyWeight);
    ex.edTitle->setText(Text(r.Title.Text()));
    ex.edProjNotes->setText(Text(r.Notes.Text()));
    ex.numedRun->SetValue(r.RunLength);
    ex.speditReportInterval->setValue(r.ReportInterval);

    // 11: the Standard Box's Edit button.
    sc.edOtherEditbtn->setEnabled(r.BldgType == BldgType::Other);
  } catch (const std::exception &e) {
    refreshing_ = false;
    ShowError(tr("A Small Problem"), Text(e.what()));
    UpdateResultsView();
    return;
  }
  refreshing_ = false;
  UpdateResultsView();
  if (scheduleProblem) ShowError(tr("Painting Limits exceeded"), Text(*scheduleProblem));
}

void TfrmMain::closeEvent(QCloseEvent *event) {
  if (!closing_) {
    if (!MaySetScenarioAside(tr("Confirm"), tr("Save them before exiting?"))) {
      event->ignore();
      return;
    }
    closing_ = true;
  }
  StopAndWait();
  event->accept();
}

void TfrmMain::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (!helpTextsLoaded_) {
    helpTextsLoaded_ = true;
    LoadMoreInfoTexts();
    ui_->mainTabs->setCurrentIndex(0);
  }
}
