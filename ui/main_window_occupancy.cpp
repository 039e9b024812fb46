// The Occupancy & Exposure page: the exposed individual, location and
// gender with their rules, and the exposure-factor and pattern dialogs. A
// choice that rebuilds the painting schedule is refused when the schedule
// cannot hold the painting, and the previous choice stays.
#include <QPushButton>
#include <QRadioButton>

#include "main_window.h"
#include "message_box.h"
#include "radio_group.h"
#include "scenario_rules.h"
#include "ui_page_occupancy_exposure.h"

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;
using lumo::ui::ParameterDialog;

void TfrmMain::ConnectOccupancy() {
  auto &oc = Occupancy();
  connect(oc.rgIndividual, &TRadioGroup::itemClicked, this, &TfrmMain::rgIndividualClick);
  connect(oc.rgLocation, &TRadioGroup::itemClicked, this, &TfrmMain::rgLocationClick);
  connect(oc.rggender, &TRadioGroup::itemClicked, this, &TfrmMain::rggenderClick);
  const std::pair<QPushButton *, ParameterDialog> dialogs[] = {
      {oc.btnExposure, ParameterDialog::ExposureEvents},
      {oc.btnLifetime, ParameterDialog::Lifetime},
      {oc.btnBodyWeight, ParameterDialog::BodyWeight},
      {oc.btnWeekday, ParameterDialog::WeekdayPattern},
      {oc.btnWeekend, ParameterDialog::WeekendPattern},
      {oc.btnPainting, ParameterDialog::PaintingPattern},
  };
  for (const auto &[button, kind] : dialogs) {
    connect(button, &QPushButton::clicked, this,
            [this, kind = kind] { ExposureDialogClick(kind); });
  }
}

void TfrmMain::rgIndividualClick(int index) {
  if (refreshing_ || index < 0 || index > static_cast<int>(IndividualType::Child)) return;
  auto &r = State_->ScenarioRecord;
  const auto person = static_cast<IndividualType>(index);
  if (auto refusal = rules::IndividualRefusal(r, person)) {
    refreshing_ = true;
    ShowMessage(this, tr("A Small Error..."), QString::fromStdString(*refusal), MsgIcon::Error,
                MsgButton::Ok);
    Occupancy().rgIndividual->SetItemIndex(static_cast<int>(r.IndividualType));
    refreshing_ = false;
    return;
  }
  const ScenarioCopy before = CopyScenario();
  Guarded([&] {
    if (!ApplyIfScheduleFits(before, ScheduleInput::Choice,
                             ChoiceText(Occupancy().rgIndividual->Button(index)),
                             [&] { rules::ApplyIndividual(*State_, person); }))
      return;
    RefreshFromState();
  });
}

void TfrmMain::rgLocationClick(int index) {
  if (refreshing_ || index < 0 || index > static_cast<int>(IndividualLocationType::NotBuilding))
    return;
  auto &r = State_->ScenarioRecord;
  const auto location = static_cast<IndividualLocationType>(index);
  if (auto refusal = rules::LocationRefusal(r, location)) {
    ShowMessage(this, tr("A Small Error..."), QString::fromStdString(*refusal), MsgIcon::None,
                MsgButton::Ok);
    refreshing_ = true;
    Occupancy().rgLocation->SetItemIndex(static_cast<int>(r.IndividualLocation));
    refreshing_ = false;
    return;
  }
  if (auto notice = rules::LocationNotice(r, location)) {
    ShowMessage(this, tr("LUMO"), QString::fromStdString(*notice), MsgIcon::None, MsgButton::Ok);
  }
  const ScenarioCopy before = CopyScenario();
  Guarded([&] {
    ApplyIfScheduleFits(before, ScheduleInput::Choice,
                        ChoiceText(Occupancy().rgLocation->Button(index)),
                        [&] { rules::ApplyLocation(*State_, location); });
  });
}

void TfrmMain::rggenderClick(int index) {
  if (index < 0 || index > static_cast<int>(GenderType::Female)) return;
  const auto gender = static_cast<GenderType>(index);
  if (fileLoading_) {
    Guarded([&] { rules::ApplyGender(*State_, gender, true); });
    return;
  }
  const ScenarioCopy before = CopyScenario();
  Guarded([&] {
    if (!ApplyIfScheduleFits(before, ScheduleInput::Choice,
                             ChoiceText(Occupancy().rggender->Button(index)),
                             [&] { rules::ApplyGender(*State_, gender, false); }))
      return;
    RefreshFromState();
  });
}

void TfrmMain::ExposureDialogClick(ParameterDialog kind) {
  // The pattern dialogs change nothing on this window; the others show
  // their new value. Neither rebuilds the schedule, whose breathing rates
  // the painting pattern may have edited.
  if (RunParameterDialog(kind)) ShowState();
}
