// TLUMOActivityGrid: the weekday/weekend activity-pattern table. Rows 0 and
// 1 are headers, column 0 the line numbers; each data row is one pattern
// line: zone (0-2), enter hour (0-24) and minute (0-59), breathing rate
// (m³/day). Every key release checks the current cell and corrects a value
// out of range after saying so. The first line's enter time cannot be
// selected: a day's pattern starts at its first entry.
#pragma once

#include "string_grid.h"

class TLUMOActivityGrid : public TqvStringGrid {
  Q_OBJECT

 public:
  explicit TLUMOActivityGrid(QWidget *parent = nullptr);

  // Writes the header texts and the line numbers of the data rows.
  void SetHeaders();
  // The last row among rows 2 to 14 with any of columns 1 to 4 filled, or 0.
  // The number of pattern lines is this value minus 1.
  int CalcNumberofRows() const;
  // True when each filled line starts strictly later than the one before.
  // A line whose hour or minute does not read as an integer is out of order.
  bool CheckTimeOrder() const;

 protected:
  bool SelectCell(int col, int row) const override;
  // The per-keystroke check of the current cell.
  void KeyUp();
  void keyReleaseEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
};
