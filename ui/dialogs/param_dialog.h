// TParamDialog: what every parameter dialog shares. A body above OK
// (OKBtn) and Cancel (CancelBtn); OK first moves the focus to the OK button
// so that the field being edited is left and stored, and closes the dialog
// only when that field accepted its value and CanClose() agrees. A mouse
// click on Cancel takes no focus, so it never runs a field's exit check.
#pragma once

#include <QString>

#include "field_limits.h"
#include "lumo_form.h"
#include "scenario_enums.h"
#include "schedule_fit.h"

class QDialogButtonBox;
class QGridLayout;
class QPushButton;
class QVBoxLayout;
class TNumEdit;
namespace lumo {
struct ScenarioRecord;
}

class TParamDialog : public TLumoForm {
  Q_OBJECT
 public:
  TParamDialog(QWidget *owner, lumo::TLumoState *state, const QString &caption);

  QPushButton *OkButton() const { return ok_; }
  QPushButton *CancelButton() const { return cancel_; }

 protected:
  lumo::ScenarioRecord &Record() const;
  // The layout above the buttons.
  QVBoxLayout *Body() const { return body_; }

  // Runs once OK has stored the edited field; false keeps the dialog open.
  virtual bool CanClose() { return true; }

  // `value` when it lies within `limits`; otherwise says so ("A Small
  // Correction"), shows the nearest limit in `field` and returns it. `what`
  // names the quantity ("The primer coverage"), `unit` follows a number.
  double Corrected(TNumEdit *field, double value, lumo::FieldLimits limits, const QString &what,
                   const QString &unit);

  // True when the painting schedule of `record` (by default the record as
  // the dialog has edited it) fits its rows. Otherwise says why, naming
  // `edited` and how far it may go, gives `field` the focus back for
  // correction, and returns false: OK then keeps the dialog open.
  bool ScheduleAccepts(lumo::ScheduleInput edited, QWidget *field,
                       const lumo::ScenarioRecord *record = nullptr);

 private:
  QVBoxLayout *body_;
  QDialogButtonBox *buttons_;
  QPushButton *ok_;
  QPushButton *cancel_;
};
