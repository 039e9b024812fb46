// TSinkGridDlg, "One Way Sink Values" or "Reversible Sink Values": the
// areas and rate constants of the six indoor sinks (carpet, wallboard and
// other in zones 1 and 2). OK stores every value column of the sink model
// (area and adsorption rate constant, and for reversible sinks the
// desorption rate constant) from the cells that were edited: a cell left as
// it was shown keeps its exact value, not the rounded one it shows. A cell
// that is not a number of at least 0 is corrected in TNumErrorDlg, whose
// Cancel keeps that cell's stored value, and a number above its limit (1e9
// m², 10,000 m/hour or per hour) is corrected to it.
#pragma once

#include <QString>

#include "param_dialog.h"
#include "scenario_record.h"

class TLUMOSinkGrid;

class TSinkGridDlg : public TParamDialog {
  Q_OBJECT
 public:
  TSinkGridDlg(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  int ValueColumns() const;
  double *Stored(int column, int sink) const;
  // The value of a cell as it may be stored: corrected to its column's
  // limits, with a message when it had to be.
  double Limited(int column, int sink, double value);
  static lumo::FieldLimits Limits(int column);

  TLUMOSinkGrid *gridSink;
  // The text each value cell showed when the dialog opened.
  QString shown_[3][lumo::SinkBlock::kSinks];
};
