#include "paint_pattern_grid.h"

#include <QKeyEvent>

TPaintPatternGrid::TPaintPatternGrid(QWidget *parent) : TLUMOGridOverride(parent) {
  RefreshCellFlags();
}

void TPaintPatternGrid::SetDataRows(int rows) {
  SetRowCount(FixedRows() + rows);
  NumberRows();
  RefreshCellFlags();
}

bool TPaintPatternGrid::SelectCell(int col, int row) const {
  return col == kBreathingRateColumn && row >= FixedRows();
}

bool TPaintPatternGrid::HandleGridKey(QKeyEvent *event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (event->key() == Qt::Key_Insert || (event->key() == Qt::Key_Delete && ctrl)) return true;
  if (event->key() == Qt::Key_Down && currentRow() == RowCount() - 1) return true;
  return TLUMOGridOverride::HandleGridKey(event);
}
