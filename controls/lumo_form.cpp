#include "lumo_form.h"

#include <QApplication>

TLumoForm::TLumoForm(QWidget *owner, lumo::TLumoState *state) : QDialog(owner), state_(state) {
  setModal(true);
}

void TLumoForm::AcceptAfterFocus(QWidget *okButton) {
  if (okButton) {
    okButton->setFocus(Qt::OtherFocusReason);
    // Focus-out handlers run synchronously with setFocus; a field that
    // refused its value keeps the dialog open with the focus back on it.
    if (QApplication::focusWidget() != okButton && QApplication::focusWidget() != nullptr &&
        isAncestorOf(QApplication::focusWidget()) && !okButton->hasFocus()) {
      return;
    }
  }
  accept();
}
