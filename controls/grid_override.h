// TLUMOGridOverride: the painting-period activity table: for each line the
// zone, the enter and exit times as day, hour and minute, and the breathing
// rate (m³/day). Two header rows; column 0 numbers the data rows.
#pragma once

#include "string_grid.h"

class TLUMOGridOverride : public TqvStringGrid {
  Q_OBJECT

 public:
  explicit TLUMOGridOverride(QWidget *parent = nullptr);

  // Writes the line numbers "1", "2", ... into column 0 of the data rows.
  void NumberRows();
};
