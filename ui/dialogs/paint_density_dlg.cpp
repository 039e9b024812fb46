#include "paint_density_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "unit_conversions.h"

namespace {

TNumEdit *MakeDensity(QWidget *parent, const char *name, int decimals, lumo::FieldLimits limits) {
  TNumEdit *edit = MakeNumEdit(parent, QString::fromLatin1(name), decimals);
  edit->SetMin(limits.Min);
  edit->SetMax(limits.Max);
  return edit;
}

// The limits of a density in grams/gallon, in pounds/gallon and in grams/cm³,
// so that every unit takes the same densities.
lumo::FieldLimits InPounds(lumo::FieldLimits grams) {
  return {lumo::GramsPerGallontoPounds(grams.Min), lumo::GramsPerGallontoPounds(grams.Max)};
}
lumo::FieldLimits InGramsPerCm3(lumo::FieldLimits grams) {
  return {lumo::GramsPerGallontoGramsPerCm3(grams.Min),
          lumo::GramsPerGallontoGramsPerCm3(grams.Max)};
}

}  // namespace

TSpecificDensityDlg::TSpecificDensityDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Paint Density")) {
  const lumo::FieldLimits primer = lumo::kPrimerDensityLimits;
  const lumo::FieldLimits paint = lumo::kPaintDensityLimits;
  primer_ = {MakeDensity(this, "numeditPrimerGramsPerGallon", 2, primer),
             MakeDensity(this, "numedPrimerPoundsperGallon", 2, InPounds(primer)),
             MakeDensity(this, "numeditPrimerGramsPerCmCubed", 3, InGramsPerCm3(primer))};
  paint_ = {MakeDensity(this, "numeditPaintGramsPerGallon", 2, paint),
            MakeDensity(this, "numedPaintPoundsPerGallon", 2, InPounds(paint)),
            MakeDensity(this, "numeditPaintGramsPerCmCubed", 3, InGramsPerCm3(paint))};
  auto *grid = new QGridLayout;
  int row = 0;
  for (Density *d : {&primer_, &paint_}) {
    const bool primer = d == &primer_;
    grid->addWidget(new QLabel(primer ? tr("Density for Primer") : tr("Density for Paint")), row, 0,
                    1, 6);
    grid->addWidget(d->Grams, row + 1, 0);
    grid->addWidget(new QLabel(primer ? tr("grams/gal    -or-") : tr("grams/gal    - or-")),
                    row + 1, 1);
    grid->addWidget(d->Pounds, row + 1, 2);
    grid->addWidget(
        new QLabel(primer ? tr("pounds/gal        -or -") : tr("pounds/gal        -or- ")), row + 1,
        3);
    grid->addWidget(d->GramsPerCm3, row + 1, 4);
    grid->addWidget(new QLabel(tr("grams / cm³")), row + 1, 5);
    grid->setRowMinimumHeight(row + 2, 8);
    row += 3;
  }
  Body()->addLayout(grid);

  const auto &r = Record();
  Show(primer_, r.PrimerDensity, Unit::None);
  Show(paint_, r.PaintDensity, Unit::None);
  for (Density *d : {&primer_, &paint_}) {
    d->Grams->SetValidate(true);
    d->Pounds->SetValidate(true);
    d->GramsPerCm3->SetValidate(true);
    connect(d->Grams, &TNumEdit::exited, this, [this] { Left(Unit::Grams); });
    connect(d->Pounds, &TNumEdit::exited, this, [this] { Left(Unit::Pounds); });
    connect(d->GramsPerCm3, &TNumEdit::exited, this, [this] { Left(Unit::GramsPerCm3); });
  }
}

void TSpecificDensityDlg::Left(Unit unit) {
  // A field left as shown keeps the stored density.
  auto grams = [unit](const Density &d, double stored) {
    switch (unit) {
      case Unit::Pounds:
        if (LeftAsShown(d.Pounds, lumo::GramsPerGallontoPounds(stored))) return stored;
        return lumo::PoundsPerGallontoGrams(d.Pounds->Value());
      case Unit::GramsPerCm3:
        if (LeftAsShown(d.GramsPerCm3, lumo::GramsPerGallontoGramsPerCm3(stored))) return stored;
        return lumo::GramsPerCm3toGramsPerGallon(d.GramsPerCm3->Value());
      case Unit::None:
      case Unit::Grams:
        break;
    }
    return d.Grams->Value();
  };
  auto &r = Record();
  r.PrimerDensity = grams(primer_, r.PrimerDensity);
  r.PaintDensity = grams(paint_, r.PaintDensity);
  Show(primer_, r.PrimerDensity, unit);
  Show(paint_, r.PaintDensity, unit);
}

void TSpecificDensityDlg::Show(Density &d, double grams, Unit except) {
  if (except != Unit::Grams) d.Grams->SetValue(grams);
  if (except != Unit::Pounds) d.Pounds->SetValue(lumo::GramsPerGallontoPounds(grams));
  if (except != Unit::GramsPerCm3)
    d.GramsPerCm3->SetValue(lumo::GramsPerGallontoGramsPerCm3(grams));
}
