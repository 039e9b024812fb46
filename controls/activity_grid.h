// TLUMOActivityGrid: the weekday/weekend activity-pattern table. Rows 0 and
// 1 are headers, column 0 the line numbers; each data row is one pattern
// line: zone (0-2), enter hour (0-24) and minute (0-59), breathing rate
// (0-1000000 m³/day). The first line's enter time cannot be selected: a
// day's pattern starts at its first entry.
//
// Every text an edit stores in a data cell is checked once the edit is
// over (Tab, Enter, a click elsewhere, the focus leaving the grid): a value
// out of range is replaced by a valid one near it, the cell is selected
// again and a message names the cell, the allowed values and the
// replacement. A blank cell is left alone (it is an unused line). The check
// runs after the editor's event, never inside it.
#pragma once

#include <QList>
#include <QPoint>

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
  // Ends any edit and runs the check of the cell it stored at once rather
  // than later. False when a cell had to be corrected (the message has been
  // shown); an owner closing on OK should then stay open.
  bool CheckEditedCell();

 protected:
  bool SelectCell(int col, int row) const override;
  void EditCommitted(int col, int row) override;

 private:
  // The check of one data cell; false when it was corrected.
  bool CheckCell(int col, int row);
  // Runs the checks of the cells whose edits are waiting, if any; false
  // when one was corrected.
  bool RunPendingChecks();

  QList<QPoint> pending_;  // (column, row) of stored edits not yet checked
};
