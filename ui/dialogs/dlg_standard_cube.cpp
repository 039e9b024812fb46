#include "dlg_standard_cube.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TdlgStandardCube::TdlgStandardCube(QWidget *owner, lumo::TLumoState *state)
    : TLumoForm(owner, state) {
  setWindowTitle(tr("Standard Cube"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this,
          [this, buttons] { AcceptAfterFocus(buttons->button(QDialogButtonBox::Ok)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(buttons);
}
