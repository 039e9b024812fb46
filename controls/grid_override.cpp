#include "grid_override.h"

TLUMOGridOverride::TLUMOGridOverride(QWidget *parent) : TqvStringGrid(parent) {
  SetColCount(9);
  SetRowCount(6);
  SetFixedRows(2);
  SetFixedCols(1);
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(8);
  setFont(f);
  setColumnWidth(0, 24);
  SetCells(1, 0, tr("Zone"));
  SetCells(2, 0, tr("Enter Time"));
  SetCells(2, 1, tr("day"));
  SetCells(3, 1, tr("hr"));
  SetCells(4, 1, tr("min"));
  SetCells(5, 0, tr("Exit Time"));
  SetCells(5, 1, tr("day"));
  SetCells(6, 1, tr("hr"));
  SetCells(7, 1, tr("min"));
  SetCells(8, 0, tr("Breathing Rate"));
  SetCells(8, 1, tr("m³/day"));
  NumberRows();
  FitColumnsToText();
  // Rows the owner adds are numbered as they come.
  connect(model(), &QAbstractItemModel::rowsInserted, this, [this] { NumberRows(); });
  connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] { NumberRows(); });
}

void TLUMOGridOverride::NumberRows() {
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCells(0, r, QString::number(r - FixedRows() + 1));
}
