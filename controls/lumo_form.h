// TLumoForm: the base of every parameter dialog and of the report window.
// It is built with an owner window and the scenario, keeps the scenario for
// its whole life, hands it back on request, and never frees it. Dialogs edit
// the scenario in place; the owner restores its saved copy of the record
// unless the dialog ends with OK.
#pragma once

#include <QDialog>

namespace lumo {
class TLumoState;
}

class TLumoForm : public QDialog {
  Q_OBJECT
 public:
  TLumoForm(QWidget *owner, lumo::TLumoState *state);

  lumo::TLumoState *State() const { return state_; }

 protected:
  // Moves the focus to `okButton` first, so that the field being edited is
  // left (and stored) before the dialog closes with OK.
  void AcceptAfterFocus(QWidget *okButton);

 private:
  lumo::TLumoState *state_;
};
