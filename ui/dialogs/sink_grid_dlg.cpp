#include "sink_grid_dlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TSinkGridDlg::TSinkGridDlg(QWidget *owner, lumo::TLumoState *state) : TLumoForm(owner, state) {
  setWindowTitle(tr("One Way Sink Values"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this,
          [this, buttons] { AcceptAfterFocus(buttons->button(QDialogButtonBox::Ok)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(buttons);
}
