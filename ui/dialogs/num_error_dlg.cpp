#include "num_error_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "num_edit.h"
#include "ok_button.h"

TNumErrorDlg::TNumErrorDlg(QWidget *owner, const QString &text) : QDialog(owner) {
  setWindowTitle(tr("A Small Error..."));
  auto *errLabel = MakeValueLabel(this, QStringLiteral("errLabel"), text);
  errLabel->setWordWrap(true);
  numedNewValue = MakeNumEdit(this, QStringLiteral("numedNewValue"), 2);
  numedNewValue->SetMin(0);
  numedNewValue->SetMax(2000);
  numedNewValue->SetValidate(true);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName(QStringLiteral("OKBtn"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
  buttons->button(QDialogButtonBox::Cancel)->setFocusPolicy(Qt::TabFocus);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(errLabel);
  layout->addWidget(new QLabel(tr("Type in a New Value or Press 'Cancel' to Exit"), this));
  layout->addWidget(numedNewValue, 0, Qt::AlignLeft);
  layout->addWidget(buttons);
  ConnectOkButton(this, ok_, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  numedNewValue->setFocus();
  setMinimumWidth(320);
}

double TNumErrorDlg::NewValue() const {
  return numedNewValue->Value();
}
