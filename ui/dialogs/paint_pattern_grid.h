// The painting schedule's grid as TPaintPatternDlg shows it: only the
// breathing-rate column of the data rows can be selected, and rows can be
// neither added nor deleted from the keyboard (the schedule's periods come
// from the painting inputs).
#pragma once

#include "grid_override.h"

class TPaintPatternGrid : public TLUMOGridOverride {
  Q_OBJECT
 public:
  static constexpr int kBreathingRateColumn = 8;

  explicit TPaintPatternGrid(QWidget *parent = nullptr);
  // Sets the number of data rows (below the two heading rows).
  void SetDataRows(int rows);

 protected:
  bool SelectCell(int col, int row) const override;
  bool HandleGridKey(QKeyEvent *event) override;
};
