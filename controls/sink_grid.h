// TLUMOSinkGrid: the indoor-sink parameter table, one row per sink (carpet,
// wallboard, other in zones 1 and 2) with its area and adsorption rate
// constant, and for reversible sinks the desorption rate constant in a
// fifth column.
#pragma once

#include "string_grid.h"

enum class SinkGridType { OneWay, Reversable };

class TLUMOSinkGrid : public TqvStringGrid {
  Q_OBJECT

 public:
  explicit TLUMOSinkGrid(QWidget *parent = nullptr);

  SinkGridType GridType() const { return gridType_; }
  // OneWay shows 4 columns, Reversable 5 (with the desorption column).
  void SetGridType(SinkGridType type);

  // Writes the zone numbers, the sink names and the presets: area "0" in
  // the two "Other" rows, rate constants "0.00".
  void NumberRows();

 private:
  SinkGridType gridType_ = SinkGridType::OneWay;
};
