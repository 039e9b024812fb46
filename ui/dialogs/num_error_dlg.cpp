#include "num_error_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "num_edit.h"

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
  connect(buttons, &QDialogButtonBox::accepted, this, &TNumErrorDlg::OkPressed);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  numedNewValue->setFocus();
  setMinimumWidth(320);
}

double TNumErrorDlg::NewValue() const {
  return numedNewValue->Value();
}

void TNumErrorDlg::OkPressed() {
  ok_->setFocus(Qt::OtherFocusReason);
  // A refused value takes the focus back once its exit has run.
  QTimer::singleShot(0, this, [this] {
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus != ok_ && isAncestorOf(focus)) return;
    accept();
  });
}
