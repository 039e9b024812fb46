// TPatternDlg: what the weekday and weekend pattern dialogs share: the
// activity grid with every line of the pattern (the first line starts the
// day at 0:00), and OK, which stores the edited lines only when they form a
// pattern the engine can use: at least one line, at most 20, numbers in
// every cell of a line, and enter times in strictly increasing order
// ("Times must be in Numerical Order"). A cell still being edited is
// checked by the grid first; when the grid corrects it, OK stays open so
// the corrected line can be seen.
#pragma once

#include "param_dialog.h"

class TLUMOActivityGrid;
namespace lumo {
struct ActivityPattern;
}

class TPatternDlg : public TParamDialog {
  Q_OBJECT
 protected:
  // `pattern` is the record's weekday or weekend pattern; `errorCaption`
  // the caption of the dialog's error messages.
  TPatternDlg(QWidget *owner, lumo::TLumoState *state, const QString &caption,
              const QString &gridName, lumo::ActivityPattern &pattern, const QString &errorCaption);

  TLUMOActivityGrid *Grid() const { return grid_; }
  bool CanClose() override;
  void showEvent(QShowEvent *event) override;

 private:
  void Refuse(const QString &text, int line, int column);

  TLUMOActivityGrid *grid_;
  lumo::ActivityPattern &pattern_;
  QString errorCaption_;
};
