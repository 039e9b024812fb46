#include "semi_empirical_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "lumoutil.h"
#include "message_box.h"
#include "num_edit.h"
#include "semi_empirical_rate.h"

using namespace lumo::controls;

TSemiEmpiricalDlg::TSemiEmpiricalDlg(QWidget *owner, lumo::TLumoState *state, bool primer)
    : TParamDialog(owner, state, tr("Semi-Empirical Model")), primer_(primer) {
  ednumTotalMass = MakeNumEdit(this, QStringLiteral("ednumTotalMass"), 2);
  edVOCWtFraction = MakeNumEdit(this, QStringLiteral("edVOCWtFraction"), 4);
  edFirstOrderRateConst = MakeNumEdit(this, QStringLiteral("edFirstOrderRateConst"), 5);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Total Mass of Chemical:"), ednumTotalMass, tr("grams"));
  AddFieldRow(grid, 1, tr("Total VOC Weight Fraction:"), edVOCWtFraction, QString());
  AddFieldRow(grid, 2, tr("First-order Rate Constant for Exponential Emission Rate:"),
              edFirstOrderRateConst, tr("1/hr"));
  Body()->addLayout(grid);

  auto &r = Record();
  ednumTotalMass->SetValue(primer_ ? r.PrimerChemicalMass : r.PaintChemicalMass);
  edVOCWtFraction->SetValue(primer_ ? r.PrimerVOCWeightFraction : r.PaintVOCWeightFraction);
  edFirstOrderRateConst->SetValue(primer_ ? r.PrimerFirstOrderRateConstant
                                          : r.PaintFirstOrderRateConstant);
  FractionLeft();

  connect(ednumTotalMass, &TNumEdit::exited, this, [this] {
    (primer_ ? Record().PrimerChemicalMass : Record().PaintChemicalMass) =
        Corrected(ednumTotalMass, ednumTotalMass->Value(), lumo::kChemicalMassLimits,
                  tr("The total mass of chemical"), tr(" grams"));
  });
  connect(edVOCWtFraction, &TNumEdit::exited, this, &TSemiEmpiricalDlg::FractionLeft);
  connect(edFirstOrderRateConst, &TNumEdit::exited, this,
          [this] { StoreRateConstant(edFirstOrderRateConst->Value()); });
}

void TSemiEmpiricalDlg::FractionLeft() {
  auto &r = Record();
  const double fraction =
      Corrected(edVOCWtFraction, edVOCWtFraction->Value(), lumo::kVOCWeightFractionLimits,
                tr("The total VOC weight fraction"), QString());
  (primer_ ? r.PrimerVOCWeightFraction : r.PaintVOCWeightFraction) = fraction;
  const double coverage = primer_ ? r.PrimerCoverage : r.PaintCoverage;
  const double density = primer_ ? r.PrimerDensity : r.PaintDensity;
  const auto k = lumo::SemiEmpiricalRateConstant(
      r.MolecularWeight, r.VaporPressure, lumo::CoveragetoWetFilm(coverage), fraction, density);
  if (!k) {
    ShowMessage(this, tr("A Small Problem"),
                tr("The rate constant cannot be computed from a molecular weight of %1, a "
                   "coverage of %2 ft²/gallon and a density of %3 grams/gallon; the rate "
                   "constant shown is kept.")
                    .arg(r.MolecularWeight)
                    .arg(coverage)
                    .arg(density),
                MsgIcon::Warning, MsgButton::Ok);
    return;
  }
  edFirstOrderRateConst->SetValue(*k);
  StoreRateConstant(edFirstOrderRateConst->Value());
}

void TSemiEmpiricalDlg::StoreRateConstant(double perHour) {
  (primer_ ? Record().PrimerFirstOrderRateConstant : Record().PaintFirstOrderRateConstant) =
      Corrected(edFirstOrderRateConst, perHour, lumo::kEmissionRateConstantLimits,
                tr("The first-order rate constant"), tr(" 1/hr"));
}
