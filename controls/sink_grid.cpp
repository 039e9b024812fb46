#include "sink_grid.h"

TLUMOSinkGrid::TLUMOSinkGrid(QWidget *parent) : TqvStringGrid(parent) {
  SetColCount(5);
  SetRowCount(8);
  SetFixedRows(2);
  SetFixedCols(2);
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(8);
  f.setBold(true);
  setFont(f);
  setColumnWidth(0, 35);
  setColumnWidth(3, 100);
  setColumnWidth(4, 100);
  SetCells(0, 1, tr("Zone*"));
  SetCells(1, 1, tr("Sink**"));
  SetCells(2, 1, tr("Area (m²)"));
  SetCells(3, 0, tr("Adsorption Rate"));
  SetCells(3, 1, tr("Constant(m/hr)"));
  SetCells(4, 0, tr("Desorption Rate"));
  SetCells(4, 1, tr("Constant(1/hr)"));
  NumberRows();
  FitColumnsToText();
  SetGridType(gridType_);
}

void TLUMOSinkGrid::SetGridType(SinkGridType type) {
  gridType_ = type;
  setColumnHidden(4, type == SinkGridType::OneWay);
}

void TLUMOSinkGrid::NumberRows() {
  const QString names[] = {tr("Carpet"), tr("Wallboard"), tr("Other")};
  for (int i = 0; i < 6; ++i) {
    const int row = 2 + i;
    SetCells(0, row, QString::number(i < 3 ? 1 : 2));
    SetCells(1, row, names[i % 3]);
    if (i % 3 == 2) SetCells(2, row, QStringLiteral("0"));
    SetCells(3, row, QStringLiteral("0.00"));
    SetCells(4, row, QStringLiteral("0.00"));
  }
}
