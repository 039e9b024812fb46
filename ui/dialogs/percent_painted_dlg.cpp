#include "percent_painted_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "fixed_format.h"
#include "lumo_state.h"
#include "message_box.h"
#include "num_edit.h"

using namespace lumo::controls;

TPercentPaintedDlg::TPercentPaintedDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Percent Painted")) {
  numeditPercentPainted = MakeNumEdit(this, QStringLiteral("numeditPercentPainted"), 2);
  numeditPercentPainted->SetMin(lumo::kPercentPaintedLimits.Min);
  numeditPercentPainted->SetMax(lumo::kPercentPaintedLimits.Max);
  lblPaintedVolume = MakeValueLabel(this, QStringLiteral("lblPaintedVolume"));
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Percent Painted = "), numeditPercentPainted, tr("%"));
  grid->addWidget(lblPaintedVolume, 1, 0, 1, 3);
  Body()->addLayout(grid);

  ShowPercent(Record().PercentPainted);
  numeditPercentPainted->SetValidate(true);
  connect(numeditPercentPainted, &TNumEdit::exited, this,
          [this] { ShowPercent(numeditPercentPainted->Value()); });
}

void TPercentPaintedDlg::ShowPercent(double percent) {
  numeditPercentPainted->SetValue(percent);
  lblPaintedVolume->setText(tr("Painted Volume = %1 ft³")
                                .arg(QString::fromStdString(
                                    lumo::FormatFixed(Record().BldgVolume * percent / 100, 0, 0))));
}

bool TPercentPaintedDlg::CanClose() {
  Record().PercentPainted = numeditPercentPainted->Value();
  if (Record().PercentPainted >= 100) {
    ShowMessage(this, tr("Percent Painted"), tr("Percent must be less than 100%"), MsgIcon::None,
                MsgButton::Ok);
    return false;
  }
  return ScheduleAccepts(lumo::ScheduleInput::PercentPainted, numeditPercentPainted);
}
