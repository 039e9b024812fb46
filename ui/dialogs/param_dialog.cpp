#include "param_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "lumo_state.h"
#include "message_box.h"
#include "num_edit.h"

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
  connect(buttons_, &QDialogButtonBox::accepted, this, &TParamDialog::OkPressed);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

lumo::ScenarioRecord &TParamDialog::Record() const {
  return State()->ScenarioRecord;
}

void TParamDialog::OkPressed() {
  ok_->setFocus(Qt::OtherFocusReason);
  // A field that refused its value takes the focus back once the events
  // queued by its exit have run; decide after them.
  QTimer::singleShot(0, this, &TParamDialog::FinishOk);
}

void TParamDialog::FinishOk() {
  QWidget *focus = QApplication::focusWidget();
  if (focus && focus != ok_ && isAncestorOf(focus)) return;
  if (!CanClose()) return;
  AcceptAfterFocus(ok_);
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
