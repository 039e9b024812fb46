#include "activity_grid.h"

#include <utility>

#include "activity_pattern_cells.h"
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

void TLUMOActivityGrid::EditCommitted(int col, int row) {
  if (row < kFirstDataRow || col < 1 || col > 4) return;
  // The editor is in the middle of its own event here; the check may show
  // a modal message, so it waits until that event is over.
  const QPoint cell(col, row);
  if (pending_.contains(cell)) return;
  pending_.append(cell);
  if (pending_.size() == 1) {
    QMetaObject::invokeMethod(
        this, [this] { RunPendingChecks(); }, Qt::QueuedConnection);
  }
}

bool TLUMOActivityGrid::CheckEditedCell() {
  EndEditing();
  return RunPendingChecks();
}

bool TLUMOActivityGrid::RunPendingChecks() {
  const QList<QPoint> cells = std::exchange(pending_, {});
  // An edit stored as the window closes (Cancel) is not checked.
  if (!isVisible()) return true;
  bool valid = true;
  for (const QPoint &cell : cells) {
    if (cell.y() < RowCount() && !CheckCell(cell.x(), cell.y())) valid = false;
  }
  return valid;
}

bool TLUMOActivityGrid::CheckCell(int col, int row) {
  const QString text = Cells(col, row);
  if (text.trimmed().isEmpty()) return true;
  if (lumo::PatternCellValid(col, text.toStdString())) return true;
  const QString kept = QString::fromStdString(lumo::CorrectedPatternCell(col, text.toStdString()));
  SetCells(col, row, kept);
  setCurrentCell(row, col);
  setFocus(Qt::OtherFocusReason);

  const lumo::PatternCellRule &rule = lumo::PatternRule(col);
  static const char *const kNames[] = {"", QT_TR_NOOP("Zone"), QT_TR_NOOP("Enter Hour"),
                                       QT_TR_NOOP("Enter Minute"), QT_TR_NOOP("Breathing Rate")};
  const QString allowed =
      (rule.Whole ? tr("a whole number from %1 to %2") : tr("a number from %1 to %2 m³/day"))
          .arg(rule.Min, 0, 'f', 0)
          .arg(rule.Max, 0, 'f', 0);
  ShowMessage(
      this, tr("A Small Error..."),
      tr("Line %1, %2: %2 must be %3; \"%4\" has been replaced by \"%5\".")
          .arg(QString::number(row - kFirstDataRow + 1), tr(kNames[col]), allowed, text, kept),
      MsgIcon::Error, MsgButton::Ok);
  return false;
}
