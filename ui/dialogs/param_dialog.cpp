#include "param_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "message_box.h"
#include "num_edit.h"
#include "ok_button.h"

using namespace lumo::controls;

TParamDialog::TParamDialog(QWidget *owner, lumo::TLumoState *state, const QString &caption)
    : TLumoForm(owner, state) {
  setWindowTitle(caption);
  auto *layout = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  layout->addLayout(body_);
  layout->addSpacing(6);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons_->button(QDialogButtonBox::Ok);
  cancel_ = buttons_->button(QDialogButtonBox::Cancel);
  ok_->setObjectName(QStringLiteral("OKBtn"));
  cancel_->setObjectName(QStringLiteral("CancelBtn"));
  cancel_->setFocusPolicy(Qt::TabFocus);
  layout->addWidget(buttons_);
  ConnectOkButton(this, ok_, [this] {
    if (CanClose()) AcceptAfterFocus(ok_);
  });
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

lumo::ScenarioRecord &TParamDialog::Record() const {
  return State()->ScenarioRecord;
}

double TParamDialog::Corrected(TNumEdit *field, double value, lumo::FieldLimits limits,
                               const QString &what, const QString &unit) {
  if (lumo::InRange(value, limits)) return value;
  const double nearest = lumo::NearestInRange(value, limits);
  const QLocale locale;
  const QString limit = locale.toString(nearest, 'g', 10);
  const QString text = nearest == limits.Min
                           ? tr("%1 must be at least %2%3; it has been set to %2%3.")
                           : tr("%1 must be at most %2%3; it has been set to %2%3.");
  ShowMessage(this, tr("A Small Correction"), text.arg(what, limit, unit), MsgIcon::Information,
              MsgButton::Ok);
  if (field) field->SetValue(nearest);
  return nearest;
}

bool TParamDialog::ScheduleAccepts(lumo::ScheduleInput edited, QWidget *field,
                                   const lumo::ScenarioRecord *record) {
  const auto refusal = lumo::ScheduleRefusal(record ? *record : Record(), edited);
  if (!refusal) return true;
  ShowMessage(this, tr("Painting Limits exceeded"), QString::fromStdString(*refusal),
              MsgIcon::Error, MsgButton::Ok);
  if (field) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field)) edit->selectAll();
  }
  return false;
}
