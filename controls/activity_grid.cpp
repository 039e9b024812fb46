#include "activity_grid.h"

#include <QKeyEvent>

#include "lumoutil.h"
#include "message_box.h"
#include "number_syntax.h"

using namespace lumo::controls;

namespace {

constexpr int kFirstDataRow = 2;

}  // namespace

TLUMOActivityGrid::TLUMOActivityGrid(QWidget *parent) : TqvStringGrid(parent) {
  SetColCount(5);
  SetRowCount(14);
  SetFixedRows(2);
  SetFixedCols(1);
  setColumnWidth(0, 24);
  SetHeaders();
  FitColumnsToText();
}

void TLUMOActivityGrid::SetHeaders() {
  SetCells(1, 0, tr("Zone"));
  SetCells(2, 0, tr("Enter Time"));
  SetCells(2, 1, tr("Hr"));
  SetCells(3, 1, tr("Min"));
  SetCells(4, 0, tr("Breathing Rate"));
  SetCells(4, 1, tr("m³/day"));
  for (int r = kFirstDataRow; r < RowCount(); ++r) {
    SetCells(0, r, QString::number(r - kFirstDataRow + 1));
  }
  RefreshCellFlags();
}

bool TLUMOActivityGrid::SelectCell(int col, int row) const {
  if (col == 2 || col == 3) return row >= kFirstDataRow + 1;
  return row >= kFirstDataRow;
}

int TLUMOActivityGrid::CalcNumberofRows() const {
  const int last = std::min(14, RowCount() - 1);
  for (int r = last; r >= kFirstDataRow; --r) {
    for (int c = 1; c <= 4; ++c) {
      if (!Cells(c, r).isEmpty()) return r;
    }
  }
  return 0;
}

bool TLUMOActivityGrid::CheckTimeOrder() const {
  const int last = CalcNumberofRows();
  for (int r = kFirstDataRow; r < last; ++r) {
    const auto h1 = ReadInteger(Cells(2, r)), m1 = ReadInteger(Cells(3, r));
    const auto h2 = ReadInteger(Cells(2, r + 1)), m2 = ReadInteger(Cells(3, r + 1));
    if (!h1 || !m1 || !h2 || !m2) return false;
    if (!lumo::TimeIsLessThan({*h1, *m1}, {*h2, *m2})) return false;
  }
  return true;
}

void TLUMOActivityGrid::KeyUp() {
  const int col = currentColumn();
  const int row = currentRow();
  if (row < kFirstDataRow || col < 1 || col > 4) return;
  const QString text = CurrentCellText();
  bool error = false;
  if (col == 4) {
    error = !ReadReal(text).has_value();
  } else {
    const auto v = ReadInteger(text);
    const int limit = col == 1 ? 3 : col == 2 ? 25 : 60;
    error = !v || *v < 0 || *v >= limit;
  }
  if (!error) return;
  ShowMessage(this, tr("A Small Error..."), tr("Value Out of Range: ") + text, MsgIcon::Error,
              MsgButton::Ok);
  SetCurrentCellText(text.size() < 2 ? QStringLiteral("0") : text.chopped(1));
}

void TLUMOActivityGrid::keyReleaseEvent(QKeyEvent *event) {
  TqvStringGrid::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) KeyUp();
}

bool TLUMOActivityGrid::eventFilter(QObject *watched, QEvent *event) {
  const bool handled = TqvStringGrid::eventFilter(watched, event);
  if (event->type() == QEvent::KeyRelease && watched == OpenEditor() &&
      !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
    KeyUp();
  }
  return handled;
}
