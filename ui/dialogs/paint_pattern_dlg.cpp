#include "paint_pattern_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "message_box.h"
#include "number_text.h"
#include "paint_pattern_grid.h"

using namespace lumo::controls;

namespace {

constexpr int kFirstRow = 2;
constexpr double kMaxBreathingRate = lumo::kBreathingRateLimits.Max;

}  // namespace

TPaintPatternDlg::TPaintPatternDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Pattern During Painting")) {
  auto *grid = new TPaintPatternGrid(this);
  gridOverride = grid;
  gridOverride->setObjectName(QStringLiteral("gridOverride"));
  auto *note = new QLabel(tr("Note: Only Breathing Rates can be changed!"), this);
  note->setObjectName(QStringLiteral("lblNote"));
  Body()->addWidget(note);
  Body()->addWidget(gridOverride);

  const lumo::PaintDurationGrid &schedule = State()->PaintDurationGrid();
  const int rows = schedule.Rows();
  grid->SetDataRows(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < lumo::PaintDurationGrid::kColumns; ++c) {
      gridOverride->SetCells(c + 1, r + kFirstRow, QString::fromStdString(schedule.Cell(c, r)));
    }
  }
  for (int c = 1; c < gridOverride->ColCount(); ++c) gridOverride->setColumnWidth(c, 48);
  gridOverride->setColumnWidth(2, 72);
  gridOverride->setColumnWidth(5, 72);
  gridOverride->setColumnWidth(TPaintPatternGrid::kBreathingRateColumn, 100);
  FitGrid(gridOverride, kFirstRow + 12);
}

void TPaintPatternDlg::showEvent(QShowEvent *event) {
  TParamDialog::showEvent(event);
  if (gridOverride->RowCount() > kFirstRow) {
    gridOverride->setCurrentCell(kFirstRow, TPaintPatternGrid::kBreathingRateColumn);
  }
}

bool TPaintPatternDlg::CanClose() {
  gridOverride->EndEditing();
  lumo::PaintDurationGrid &schedule = State()->PaintDurationGrid();
  const int rows = gridOverride->RowCount() - kFirstRow;
  const int rateColumn = TPaintPatternGrid::kBreathingRateColumn;
  for (int r = 0; r < rows; ++r) {
    const QString text = gridOverride->Cells(rateColumn, r + kFirstRow);
    const auto rate = lumo::ReadNumber(text.trimmed().toStdString());
    if (!rate || *rate < lumo::kBreathingRateLimits.Min || *rate > kMaxBreathingRate ||
        text.trimmed().size() > static_cast<int>(lumo::PaintDurationGrid::kCellChars)) {
      ShowMessage(this, tr("A Small Error"),
                  tr("Line %1: the breathing rate \"%2\" must be a number from 0 to %3 m³/day "
                     "of at most %4 characters.")
                      .arg(r + 1)
                      .arg(text)
                      .arg(kMaxBreathingRate, 0, 'f', 0)
                      .arg(lumo::PaintDurationGrid::kCellChars),
                  MsgIcon::Error, MsgButton::Ok);
      gridOverride->setCurrentCell(r + kFirstRow, rateColumn);
      gridOverride->setFocus();
      return false;
    }
  }
  // Only the breathing rates can differ from the schedule; the other cells
  // are shown read-only and stay as they are.
  for (int r = 0; r < rows; ++r) {
    schedule.SetCell(lumo::PaintDurationGrid::kBreathingRate, r,
                     gridOverride->Cells(rateColumn, r + kFirstRow).trimmed().toStdString());
  }
  return true;
}
