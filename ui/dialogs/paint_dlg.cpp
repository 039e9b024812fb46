#include "paint_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "fixed_format.h"
#include "lumo_state.h"
#include "lumoutil.h"
#include "num_edit.h"
#include "paint_amounts.h"
#include "unit_conversions.h"

namespace {

QString Fixed(double v, int width, int decimals) {
  return QString::fromStdString(lumo::FormatFixed(v, width, decimals));
}

}  // namespace

TPaintDlg::TPaintDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Amount of Paint")) {
  lblPaintedSurfaceArea = MakeValueLabel(this, QStringLiteral("lblPaintedSurfaceArea"));
  lblPrimer = MakeValueLabel(this, QStringLiteral("lblPrimer"));
  lblPaint = MakeValueLabel(this, QStringLiteral("lblPaint"));
  primer_ = {MakeNumEdit(this, QStringLiteral("numedPrimerCoverage"), 2),
             MakeNumEdit(this, QStringLiteral("numedPrimerCoverage2"), 2),
             MakeNumEdit(this, QStringLiteral("numedPrimerWetFilmThickness"), 6),
             tr("The primer coverage")};
  paint_ = {MakeNumEdit(this, QStringLiteral("numedPaintCoverage"), 2),
            MakeNumEdit(this, QStringLiteral("numedPaintCoverage2"), 2),
            MakeNumEdit(this, QStringLiteral("numedPaintWetFilmThickness"), 6),
            tr("The paint coverage")};

  Body()->addWidget(lblPaintedSurfaceArea);
  auto *grid = new QGridLayout;
  int row = 0;
  for (Coverage *c : {&primer_, &paint_}) {
    const bool primer = c == &primer_;
    AddFieldRow(grid, row, primer ? tr("Primer Coverage = ") : tr("Paint Coverage = "),
                c->SquareFeet, tr(" ft²/gallon"), c->SquareMeters, tr(" m²/gallon"));
    AddFieldRow(grid, row + 1, QString(), c->WetFilm, QString());
    grid->addWidget(new QLabel(tr("- or -")), row + 1, 0, Qt::AlignRight);
    grid->addWidget(new QLabel(tr("mil wet film thickness")), row + 1, 2, 1, 3);
    grid->addWidget(primer ? lblPrimer : lblPaint, row + 2, 0, 1, 6);
    grid->setRowMinimumHeight(row + 3, 10);
    row += 4;
  }
  Body()->addLayout(grid);

  ShowCoverage(primer_, Record().PrimerCoverage);
  ShowCoverage(paint_, Record().PaintCoverage);
  ShowAmounts();
  for (Coverage *c : {&primer_, &paint_}) {
    connect(c->SquareFeet, &TNumEdit::exited, this, [this, c] { Left(*c, Unit::SquareFeet); });
    connect(c->SquareMeters, &TNumEdit::exited, this, [this, c] { Left(*c, Unit::SquareMeters); });
    connect(c->WetFilm, &TNumEdit::exited, this, [this, c] { Left(*c, Unit::WetFilm); });
  }
}

void TPaintDlg::Left(Coverage &c, Unit unit) {
  const double shown = c.SquareFeet->Value();
  if ((unit == Unit::SquareMeters &&
       LeftAsShown(c.SquareMeters, lumo::SquareFeettoSquareMeters(shown))) ||
      (unit == Unit::WetFilm && LeftAsShown(c.WetFilm, lumo::CoveragetoWetFilm(shown))))
    return;
  // The limits in the unit the user typed, so the message speaks of it.
  const lumo::FieldLimits ft2 = lumo::kCoverageLimits;
  double squareFeet = 0;
  switch (unit) {
    case Unit::SquareFeet:
      squareFeet = Corrected(nullptr, c.SquareFeet->Value(), ft2, c.What, tr(" ft²/gallon"));
      break;
    case Unit::SquareMeters: {
      const lumo::FieldLimits m2{lumo::SquareFeettoSquareMeters(ft2.Min),
                                 lumo::SquareFeettoSquareMeters(ft2.Max)};
      squareFeet = lumo::SquareMeterstoSquareFeet(
          Corrected(nullptr, c.SquareMeters->Value(), m2, c.What, tr(" m²/gallon")));
      break;
    }
    case Unit::WetFilm: {
      const lumo::FieldLimits film{lumo::CoveragetoWetFilm(ft2.Max),
                                   lumo::CoveragetoWetFilm(ft2.Min)};
      const QString what =
          &c == &primer_ ? tr("The primer wet film thickness") : tr("The paint wet film thickness");
      squareFeet =
          lumo::WetFilmtoCoverage(Corrected(nullptr, c.WetFilm->Value(), film, what, tr(" mil")));
      break;
    }
  }
  ShowCoverage(c, squareFeet);
  const double primer = Record().PrimerCoverage;
  const double paint = Record().PaintCoverage;
  Record().PrimerCoverage = primer_.SquareFeet->Value();
  Record().PaintCoverage = paint_.SquareFeet->Value();
  if (Record().PrimerCoverage != primer || Record().PaintCoverage != paint) lastLeft_ = &c;
  ShowAmounts();
}

bool TPaintDlg::CanClose() {
  using lumo::ScheduleInput;
  if (!lastLeft_) return ScheduleAccepts(ScheduleInput::Choice, primer_.SquareFeet);
  return ScheduleAccepts(
      lastLeft_ == &primer_ ? ScheduleInput::PrimerCoverage : ScheduleInput::PaintCoverage,
      lastLeft_->SquareFeet);
}

void TPaintDlg::ShowCoverage(Coverage &c, double squareFeet) {
  c.SquareFeet->SetValue(squareFeet);
  c.SquareMeters->SetValue(lumo::SquareFeettoSquareMeters(squareFeet));
  c.WetFilm->SetValue(lumo::CoveragetoWetFilm(squareFeet));
}

void TPaintDlg::ShowAmounts() {
  const auto &r = Record();
  const double area = lumo::PaintedSurfaceArea(State()->GetVolumePainted(), r.LoadingRatio);
  lblPaintedSurfaceArea->setText(
      tr("Painted Surface Area = %1 ft²     - or - %2 m²")
          .arg(Fixed(area, 10, 0), Fixed(lumo::SquareFeettoSquareMeters(area), 10, 0)));
  lblPrimer->setText(
      tr("Calculated Amount of Primer = %1 gallons")
          .arg(Fixed(lumo::CoatAmount(r.PrimerCoats, area, r.PrimerCoverage), 10, 2)));
  lblPaint->setText(tr("Calculated Amount of Paint = %1 gallons")
                        .arg(Fixed(lumo::CoatAmount(r.PaintCoats, area, r.PaintCoverage), 10, 2)));
}
