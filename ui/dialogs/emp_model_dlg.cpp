#include "emp_model_dlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TEmpModelDlg::TEmpModelDlg(QWidget *owner, lumo::TLumoState *state, bool primer)
    : TLumoForm(owner, state), primer_(primer) {
  setWindowTitle(tr("Empirical Model"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this,
          [this, buttons] { AcceptAfterFocus(buttons->button(QDialogButtonBox::Ok)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(buttons);
}
