#include "pattern_dlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "activity_grid.h"
#include "activity_pattern_cells.h"
#include "dialog_fields.h"
#include "lumo_state.h"
#include "message_box.h"

using namespace lumo::controls;

namespace {

constexpr int kFirstRow = 2;
constexpr int kShownLines = 12;

}  // namespace

TPatternDlg::TPatternDlg(QWidget *owner, lumo::TLumoState *state, const QString &caption,
                         const QString &gridName, lumo::ActivityPattern &pattern,
                         const QString &errorCaption)
    : TParamDialog(owner, state, caption), pattern_(pattern), errorCaption_(errorCaption) {
  grid_ = new TLUMOActivityGrid(this);
  grid_->setObjectName(gridName);
  auto *note = new QLabel(
      tr("Note: Zone 1 is the painted area, zone 2 is the remainder of the building, and zone 0 "
         "is outside the building.  Zone 2 is not applicable if the entire building is painted "
         "(the model will reset zone values of 2 to 1 in that case)."),
      this);
  note->setWordWrap(true);
  Body()->addWidget(grid_, 0, Qt::AlignHCenter);
  Body()->addWidget(note);

  const auto lines = lumo::PatternToCells(pattern_);
  grid_->SetRowCount(kFirstRow + std::max<int>(kShownLines, static_cast<int>(lines.size())));
  grid_->SetHeaders();
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    for (int c = 0; c < 4; ++c)
      grid_->SetCells(c + 1, kFirstRow + i, QString::fromStdString(lines[i][c]));
  }
  // The day starts with the first line, whose time cannot be edited.
  grid_->SetCells(2, kFirstRow, QStringLiteral("  0"));
  grid_->SetCells(3, kFirstRow, QStringLiteral("  0"));
  grid_->setColumnWidth(1, 60);
  grid_->setColumnWidth(2, 80);
  grid_->setColumnWidth(3, 60);
  grid_->setColumnWidth(4, 110);
  FitGrid(grid_, kFirstRow + kShownLines);
  note->setMaximumWidth(grid_->width() + 60);
}

void TPatternDlg::showEvent(QShowEvent *event) {
  TParamDialog::showEvent(event);
  grid_->setCurrentCell(kFirstRow, 4);
}

bool TPatternDlg::CanClose() {
  // A value the grid had to correct is shown before anything is stored.
  if (!grid_->CheckEditedCell()) return false;
  std::vector<lumo::PatternLineCells> lines;
  for (int row = kFirstRow; row < grid_->RowCount(); ++row) {
    lumo::PatternLineCells line;
    for (int c = 0; c < 4; ++c) line[c] = grid_->Cells(c + 1, row).toStdString();
    lines.push_back(line);
  }
  const lumo::PatternReading reading = lumo::PatternFromCells(lines, pattern_);
  static const char *const kColumnNames[] = {"", QT_TR_NOOP("zone"), QT_TR_NOOP("hour"),
                                             QT_TR_NOOP("minute"), QT_TR_NOOP("breathing rate")};
  const QString column = tr(kColumnNames[reading.Column]);
  switch (reading.Problem) {
    case lumo::PatternProblem::None:
      pattern_ = reading.Pattern;
      return true;
    case lumo::PatternProblem::OutOfOrder:
      Refuse(tr("Times must be in Numerical Order"), reading.Line, 2);
      return false;
    case lumo::PatternProblem::Empty:
      Refuse(tr("The pattern has no lines. Enter at least the first line (zone and breathing "
                "rate from 0:00)."),
             1, 1);
      return false;
    case lumo::PatternProblem::TooManyLines:
      Refuse(tr("A pattern holds at most %1 lines.").arg(lumo::ActivityPattern::kMaxEntries),
             reading.Line, 1);
      return false;
    case lumo::PatternProblem::EmptyLine:
      Refuse(tr("Line %1 is empty. Fill it in or delete it (Ctrl+Delete).").arg(reading.Line),
             reading.Line, 1);
      return false;
    case lumo::PatternProblem::NotANumber:
      Refuse(tr("Line %1: the %2 is not a number.").arg(reading.Line).arg(column), reading.Line,
             reading.Column);
      return false;
    case lumo::PatternProblem::OutOfRange:
      Refuse(tr("Line %1: the %2 is out of range (zone 0 to 2, hour 0 to 24, minute 0 to 59, "
                "breathing rate 0 to 1000000).")
                 .arg(reading.Line)
                 .arg(column),
             reading.Line, reading.Column);
      return false;
  }
  return false;
}

void TPatternDlg::Refuse(const QString &text, int line, int column) {
  ShowMessage(this, errorCaption_, text, MsgIcon::Error, MsgButton::Ok);
  grid_->setCurrentCell(kFirstRow + line - 1, column);
  grid_->setFocus();
}
