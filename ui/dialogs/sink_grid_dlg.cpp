#include "sink_grid_dlg.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "num_error_dlg.h"
#include "sink_grid.h"
#include "sink_values.h"

namespace {

constexpr int kFirstRow = 2;
constexpr int kAreaColumn = 2;

QLabel *Note(QWidget *parent, const QString &text) {
  auto *label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TSinkGridDlg::TSinkGridDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, QString()) {
  gridSink = new TLUMOSinkGrid(this);
  gridSink->setObjectName(QStringLiteral("gridSink"));
  const bool reversible = Record().Sinks.SinkModel == lumo::SinkModelType::Reversible;
  gridSink->SetGridType(reversible ? SinkGridType::Reversable : SinkGridType::OneWay);
  setWindowTitle(reversible ? tr("Reversible Sink Values") : tr("One Way Sink Values"));

  Body()->addWidget(gridSink, 0, Qt::AlignHCenter);
  // The notes, each after the mark it explains ("Zone*", "Sink**").
  auto *notes = new QGridLayout;
  notes->setColumnStretch(1, 1);
  notes->addWidget(Note(this, tr("*")), 0, 0, Qt::AlignTop);
  notes->addWidget(
      Note(this, tr("Zone 1 is the painted area, zone 2 is the remainder of the building.  Zone 2 "
                    "is not applicable if the entire building is painted")),
      0, 1);
  notes->addWidget(Note(this, tr("**")), 1, 0, Qt::AlignTop);
  notes->addWidget(Note(this, tr("Carpet is always assumed to be a sink.  The wallboard sink area "
                                 "is a combination of:")),
                   1, 1);
  notes->addWidget(Note(this, tr("(1) any within the painted area that is not painted (e.g., "
                                 "ceilings if walls are painted), and")),
                   2, 1);
  notes->addWidget(Note(this, tr("(2) All wallboard in the unpainted area, if applicable.")), 3, 1);
  notes->addWidget(
      Note(this, tr("The category \"Other\" allows the user to specify some other type of sink, "
                    "such as furniture or draperies.")),
      4, 1);
  Body()->addLayout(notes);

  for (int column = kAreaColumn; column < kAreaColumn + ValueColumns(); ++column) {
    for (int sink = 0; sink < lumo::SinkBlock::kSinks; ++sink) {
      const double value = *Stored(column, sink);
      const QString text = QString::fromStdString(
          column == kAreaColumn ? lumo::FormatSinkArea(value) : lumo::FormatSinkRate(value));
      gridSink->SetCells(column, kFirstRow + sink, text);
      shown_[column - kAreaColumn][sink] = text;
    }
  }
  gridSink->setColumnWidth(1, 80);
  gridSink->setColumnWidth(2, 80);
  FitGrid(gridSink, gridSink->RowCount());
  setMinimumWidth(460);
}

int TSinkGridDlg::ValueColumns() const {
  return gridSink->GridType() == SinkGridType::Reversable ? 3 : 2;
}

double *TSinkGridDlg::Stored(int column, int sink) const {
  auto &sinks = Record().Sinks;
  switch (column) {
    case kAreaColumn:
      return &sinks.SinkArea[sink];
    case kAreaColumn + 1:
      return &sinks.AdsorptionRate[sink];
    default:
      return &sinks.DesorptionRate[sink];
  }
}

lumo::FieldLimits TSinkGridDlg::Limits(int column) {
  switch (column) {
    case kAreaColumn:
      return lumo::kSinkAreaLimits;
    case kAreaColumn + 1:
      return lumo::kAdsorptionRateLimits;
    default:
      return lumo::kDesorptionRateLimits;
  }
}

double TSinkGridDlg::Limited(int column, int sink, double value) {
  const QString name = tr("Sink %1: the ").arg(sink + 1);
  switch (column) {
    case kAreaColumn:
      return Corrected(nullptr, value, Limits(column), name + tr("area"), tr(" m²"));
    case kAreaColumn + 1:
      return Corrected(nullptr, value, Limits(column), name + tr("adsorption rate constant"),
                       tr(" m/hour"));
    default:
      return Corrected(nullptr, value, Limits(column), name + tr("desorption rate constant"),
                       tr(" 1/hour"));
  }
}

bool TSinkGridDlg::CanClose() {
  gridSink->EndEditing();
  for (int column = kAreaColumn; column < kAreaColumn + ValueColumns(); ++column) {
    for (int sink = 0; sink < lumo::SinkBlock::kSinks; ++sink) {
      const QString text = gridSink->Cells(column, kFirstRow + sink);
      // A cell left as it was shown keeps the stored value, not the one its
      // text rounds it to (unless that value is outside the limits).
      if (text == shown_[column - kAreaColumn][sink] &&
          lumo::InRange(*Stored(column, sink), Limits(column)))
        continue;
      if (const auto value = lumo::ReadSinkValue(text.toStdString())) {
        *Stored(column, sink) = Limited(column, sink, *value);
        continue;
      }
      TNumErrorDlg correction(this, tr("Improper Numeric Format or Number Out-Of-Bounds: ") + text);
      if (correction.exec() == QDialog::Accepted) *Stored(column, sink) = correction.NewValue();
    }
  }
  return true;
}
