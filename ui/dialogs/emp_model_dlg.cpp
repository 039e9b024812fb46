#include "emp_model_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"

TEmpModelDlg::TEmpModelDlg(QWidget *owner, lumo::TLumoState *state, bool primer)
    : TParamDialog(owner, state, tr("Empirical Model")), primer_(primer) {
  ednumTotalMass = MakeNumEdit(this, QStringLiteral("ednumTotalMass"), 2);
  edPercent1stExpMass = MakeNumEdit(this, QStringLiteral("edPercent1stExpMass"), 2);
  ednum1stExpRateConst = MakeNumEdit(this, QStringLiteral("ednum1stExpRateConst"), 5);
  ednum2ndExpRateConst = MakeNumEdit(this, QStringLiteral("ednum2ndExpRateConst"), 5);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Total Mass of Chemical:"), ednumTotalMass, tr("grams"));
  AddFieldRow(grid, 1, tr("%of Mass Associated with 1st Exponential:"), edPercent1stExpMass,
              tr("percent"));
  AddFieldRow(grid, 2, tr("First-order Rate Constant* for 1st Exponential:"), ednum1stExpRateConst,
              tr("1/hr"));
  AddFieldRow(grid, 3, tr("First-order Rate Constant* for 2nd Exponential:"), ednum2ndExpRateConst,
              tr("1/hr"));
  Body()->addLayout(grid);
  auto *note = new QLabel(
      tr("*The first-order rate constant for both exponentials must be greater    than zero, "
         "unless all mass is associated with the first exponential."),
      this);
  note->setWordWrap(true);
  Body()->addWidget(note);

  const auto &r = Record();
  ednumTotalMass->SetValue(primer_ ? r.PrimerChemicalMass : r.PaintChemicalMass);
  edPercent1stExpMass->SetValue(primer_ ? r.PrimerPercentFirstExp : r.PaintPercentFirstExp);
  ednum1stExpRateConst->SetValue(primer_ ? r.PrimerRateConstant1 : r.PaintRateConstant1);
  ednum2ndExpRateConst->SetValue(primer_ ? r.PrimerRateConstant2 : r.PaintRateConstant2);
  for (TNumEdit *field :
       {ednumTotalMass, edPercent1stExpMass, ednum1stExpRateConst, ednum2ndExpRateConst}) {
    connect(field, &TNumEdit::exited, this, &TEmpModelDlg::Store);
  }
}

void TEmpModelDlg::Store() {
  auto &r = Record();
  auto limited = [this](TNumEdit *field, lumo::FieldLimits limits, const QString &what,
                        const QString &unit) {
    return Corrected(field, field->Value(), limits, what, unit);
  };
  (primer_ ? r.PrimerChemicalMass : r.PaintChemicalMass) = limited(
      ednumTotalMass, lumo::kChemicalMassLimits, tr("The total mass of chemical"), tr(" grams"));
  (primer_ ? r.PrimerPercentFirstExp : r.PaintPercentFirstExp) =
      limited(edPercent1stExpMass, lumo::kPercentFirstExpLimits,
              tr("The percent of mass in the 1st exponential"), tr(" percent"));
  (primer_ ? r.PrimerRateConstant1 : r.PaintRateConstant1) =
      limited(ednum1stExpRateConst, lumo::kEmissionRateConstantLimits,
              tr("The rate constant of the 1st exponential"), tr(" 1/hr"));
  (primer_ ? r.PrimerRateConstant2 : r.PaintRateConstant2) =
      limited(ednum2ndExpRateConst, lumo::kEmissionRateConstantLimits,
              tr("The rate constant of the 2nd exponential"), tr(" 1/hr"));
}
