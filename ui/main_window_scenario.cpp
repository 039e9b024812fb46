// The Painting Scenario page: building choice, Standard Box, share painted,
// volume, airflows, surfaces, coats and the dialogs behind them.
//
// Closing steps that derive new values (sink areas, the individual's
// defaults, events per year) run only after OK: a dialog that ends any
// other way leaves the scenario exactly as it was. A building, area,
// surface or number of coats whose painting the schedule cannot hold is
// refused, and the previous one stays.
#include <QRadioButton>

#include "main_window.h"
#include "message_box.h"
#include "parameter_edits.h"
#include "scenario_rules.h"
#include "ui_main_window.h"
#include "ui_page_occupancy_exposure.h"
#include "ui_page_painting_scenario.h"

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;
using lumo::ui::ParameterDialog;

QString TfrmMain::ChoiceText(const QAbstractButton *button) {
  QString text = button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
  text.remove(u'&');
  // "In building, not in painted area (This choice ...)": the choice alone.
  const qsizetype note = text.indexOf(QStringLiteral(" ("));
  return (note > 0 ? text.left(note) : text).trimmed();
}

void TfrmMain::ConnectScenario() {
  auto &sc = Scenario();
  for (QRadioButton *b :
       {sc.rbScenarioHouse, sc.rbScenarioApartment, sc.rbScenarioHighRise, sc.rbScenarioLowRise,
        sc.rbScenarioStandardBox, sc.rbScenarioEntireBuilding, sc.rbScenarioOneBedroom}) {
    connect(b, &QRadioButton::clicked, this, [this, b] { gbPaintedBuildingClick(b); });
  }
  connect(sc.edOtherEditbtn, &QPushButton::clicked, this, &TfrmMain::edOtherEditbtnClick);
  connect(sc.btnEditVolume, &QPushButton::clicked, this, &TfrmMain::btnEditVolumeClick);
  connect(sc.btnEditPercentPainted, &QPushButton::clicked, this,
          &TfrmMain::btnEditPercentPaintedClick);
  connect(sc.btnEditAirflows, &QPushButton::clicked, this, &TfrmMain::btnEditAirflowsClick);
  connect(sc.btnEditPaintedSurfaceArea, &QPushButton::clicked, this,
          &TfrmMain::btnEditPaintedSurfaceAreaClick);
  connect(sc.btnEditAmountofPaint, &QPushButton::clicked, this,
          &TfrmMain::btnEditAmountofPaintClick);
  connect(sc.btnEditPaintingDuration, &QPushButton::clicked, this,
          &TfrmMain::btnEditPaintingDurationClick);
  connect(sc.rbScenarioWallsOnly, &QRadioButton::clicked, this,
          [this] { rbScenarioWallsOnlyClick(BldgSurface::Walls); });
  connect(sc.rbScenarioCeilingsOnly, &QRadioButton::clicked, this,
          [this] { rbScenarioWallsOnlyClick(BldgSurface::Ceilings); });
  connect(sc.rbWallsandCeiling, &QRadioButton::clicked, this,
          [this] { rbScenarioWallsOnlyClick(BldgSurface::Both); });
  connect(sc.edPrimerCoats, &TNumEdit::exited, this, [this] { CoatsExit(true); });
  connect(sc.edPaintCoats, &TNumEdit::exited, this, [this] { CoatsExit(false); });
}

std::optional<BldgType> TfrmMain::CheckedBuilding() const {
  auto &sc = *ui_->tsPaintingScenario->ui;
  if (sc.rbScenarioHouse->isChecked()) return BldgType::House;
  if (sc.rbScenarioApartment->isChecked()) return BldgType::Apartment;
  if (sc.rbScenarioHighRise->isChecked()) return BldgType::HighRise;
  if (sc.rbScenarioLowRise->isChecked()) return BldgType::LowRise;
  if (sc.rbScenarioStandardBox->isChecked()) return BldgType::Other;
  return std::nullopt;
}

void TfrmMain::CheckBuilding(BldgType type) {
  auto &sc = Scenario();
  QRadioButton *buttons[] = {sc.rbScenarioHouse, sc.rbScenarioApartment, sc.rbScenarioHighRise,
                             sc.rbScenarioLowRise, sc.rbScenarioStandardBox};
  const auto index = static_cast<std::size_t>(type);
  if (index < std::size(buttons)) {
    buttons[index]->setChecked(true);
    return;
  }
  // A building type outside the choices (a damaged file): none checked.
  for (auto *b : buttons) b->setAutoExclusive(false);
  for (auto *b : buttons) b->setChecked(false);
  for (auto *b : buttons) b->setAutoExclusive(true);
}

void TfrmMain::gbPaintedBuildingClick(QAbstractButton *clicked) {
  if (buildingGuard_) {
    buildingGuard_ = false;
    return;
  }
  auto &sc = Scenario();
  auto &r = State_->ScenarioRecord;
  // Taken before the Standard Box dialog, which edits the scenario.
  const ScenarioCopy before = CopyScenario();
  // A refused Standard Box restores the previous building and ends here:
  // the previous building's values stay as they were.
  if (clicked == sc.rbScenarioStandardBox && !rbScenarioStandardBoxClick()) return;

  const auto type = CheckedBuilding();
  if (!type) return;
  if (auto refusal = rules::BuildingRefusal(r, *type)) {
    buildingGuard_ = true;
    ShowMessage(this, tr("A Small Problem..."), tr(refusal->c_str()), MsgIcon::None, MsgButton::Ok);
    CheckBuilding(r.BldgType);
    buildingGuard_ = false;
    Guarded([&] { State_->SetDefaultEmissions(); });
    return;
  }
  std::optional<bool> part;
  if (sc.rbScenarioOneBedroom->isChecked()) part = true;
  if (sc.rbScenarioEntireBuilding->isChecked()) part = false;
  Guarded([&] {
    if (!ApplyIfScheduleFits(before, ScheduleInput::Choice, ChoiceText(clicked),
                             [&] { rules::ApplyBuildingChoice(*State_, *type, part); }))
      return;
    RefreshFromState();
    State_->SetDefaultEmissions();
  });
}

bool TfrmMain::rbScenarioStandardBoxClick() {
  if (fileLoading_ || refreshing_) return true;
  auto &r = State_->ScenarioRecord;
  if (auto refusal = rules::StandardBoxRefusal(r)) {
    ShowMessage(this, tr("A Small Problem..."), tr(refusal->c_str()), MsgIcon::Error,
                MsgButton::Ok);
    CheckBuilding(r.BldgType);
    ui_->mainTabs->setCurrentIndex(3);
    return false;
  }
  if (Scenario().rbScenarioStandardBox->isChecked() &&
      RunParameterDialog(ParameterDialog::StandardCube))
    rules::ApplyStandardBoxAccepted(*State_);
  r.AirExchangeRate = 1.0;
  return true;
}

void TfrmMain::edOtherEditbtnClick() {
  auto &r = State_->ScenarioRecord;
  if (r.BldgType != BldgType::Other) return;
  if (auto refusal = rules::StandardBoxRefusal(r)) {
    ShowMessage(this, tr("A Small Problem..."), tr(refusal->c_str()), MsgIcon::Error,
                MsgButton::Ok);
    ui_->mainTabs->setCurrentIndex(3);
    return;
  }
  const ScenarioCopy before = CopyScenario();
  if (!RunParameterDialog(ParameterDialog::StandardCube)) return;
  // New dimensions: everything that follows from the box's volume follows
  // the new box, as when the Standard Box is chosen.
  std::optional<bool> part = r.BldgArea != BldgArea::EntireBldg;
  Guarded([&] {
    if (!ApplyIfScheduleFits(before, ScheduleInput::BoxVolume, QString(), [&] {
          rules::ApplyStandardBoxAccepted(*State_);
          rules::ApplyBuildingChoice(*State_, BldgType::Other, part);
        }))
      return;
    RefreshFromState();
    State_->SetDefaultEmissions();
  });
}

void TfrmMain::btnEditVolumeClick() {
  if (auto refusal = rules::EditVolumeRefusal(State_->ScenarioRecord)) {
    ShowMessage(this, tr("A Small Problem..."), tr(refusal->c_str()), MsgIcon::Error,
                MsgButton::Ok);
    return;
  }
  if (RunParameterDialog(ParameterDialog::BuildingVolume)) {
    Guarded([&] {
      rules::ApplyBuildingVolumeEdited(*State_);
      RefreshFromState();
      ReapplyIndividual();
    });
  }
}

void TfrmMain::btnEditPercentPaintedClick() {
  if (auto refusal = rules::EditPercentPaintedRefusal(State_->ScenarioRecord)) {
    ShowMessage(this, tr("A Small Problem..."), tr(refusal->c_str()), MsgIcon::Error,
                MsgButton::Ok);
    return;
  }
  if (RunParameterDialog(ParameterDialog::PercentPainted)) {
    Guarded([&] {
      rules::ApplyPercentPaintedEdited(*State_);
      ReapplyIndividual();
      RefreshFromState();
    });
  }
}

void TfrmMain::btnEditAirflowsClick() {
  if (RunParameterDialog(ParameterDialog::Airflows)) ShowState();
}

void TfrmMain::btnEditPaintedSurfaceAreaClick() {
  if (RunParameterDialog(ParameterDialog::SurfaceArea)) {
    Guarded([&] {
      RefreshFromState();
      State_->SetDefaultEmissions();
      ReapplyIndividual();
    });
  }
}

void TfrmMain::btnEditAmountofPaintClick() {
  if (RunParameterDialog(ParameterDialog::AmountOfPaint)) {
    Guarded([&] {
      State_->SetDefaultEmissions();
      RefreshFromState();
      ReapplyIndividual();
    });
  }
}

void TfrmMain::btnEditPaintingDurationClick() {
  if (!RunParameterDialog(ParameterDialog::PaintingDuration)) return;
  Guarded([&] {
    rules::ApplyPaintingDurationEdited(*State_);
    RefreshFromState();
  });
}

void TfrmMain::rbScenarioWallsOnlyClick(BldgSurface surface) {
  auto &sc = Scenario();
  QAbstractButton *buttons[] = {sc.rbScenarioWallsOnly, sc.rbScenarioCeilingsOnly,
                                sc.rbWallsandCeiling};
  const ScenarioCopy before = CopyScenario();
  Guarded([&] {
    if (!ApplyIfScheduleFits(before, ScheduleInput::Choice,
                             ChoiceText(buttons[static_cast<int>(surface)]),
                             [&] { rules::ApplySurface(*State_, surface); }))
      return;
    RefreshFromState();
    ReapplyIndividual();
  });
}

void TfrmMain::CoatsExit(bool primer) {
  auto *field = primer ? Scenario().edPrimerCoats : Scenario().edPaintCoats;
  const double value = field->Value();
  const std::int32_t coats = rules::WholeCoats(value);
  if (coats != value) {
    ShowMessage(this, tr("A Small Correction"),
                tr("The number of coats is a whole number from 0 to %1.").arg(rules::kMaxCoats),
                MsgIcon::Warning, MsgButton::Ok);
  }
  const ScenarioCopy before = CopyScenario();
  Guarded([&] {
    if (!ApplyIfScheduleFits(before,
                             primer ? ScheduleInput::PrimerCoats : ScheduleInput::PaintCoats,
                             QString(), [&] { rules::ApplyCoats(*State_, primer, coats); }))
      return;
    RefreshFromState();
    State_->SetDefaultEmissions();
    ReapplyIndividual();
  });
}

void TfrmMain::ReapplyIndividual() {
  rgIndividualClick(Occupancy().rgIndividual->ItemIndex());
}
