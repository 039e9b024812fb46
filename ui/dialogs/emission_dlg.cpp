#include "emission_dlg.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "emp_model_dlg.h"
#include "lumo_state.h"
#include "semi_empirical_dlg.h"

TEmissionDlg::TEmissionDlg(QWidget *owner, lumo::TLumoState *state, bool primer)
    : TParamDialog(owner, state, tr("Emissions Model")), primer_(primer) {
  rbEmpiricalModel = new QRadioButton(
      tr("Empirical Model (single exponential for alkyd paint or double exponential for latex "
         "paint)"),
      this);
  rbEmpiricalModel->setObjectName(QStringLiteral("rbEmpiricalModel"));
  rbSemiEmpiricalModel = new QRadioButton(
      tr("Semi-empirical model (VBX model, applicable only for alkyd paint)"), this);
  rbSemiEmpiricalModel->setObjectName(QStringLiteral("rbSemiEmpiricalModel"));
  Body()->addWidget(rbEmpiricalModel);
  Body()->addWidget(rbSemiEmpiricalModel);

  const auto &r = Record();
  const bool alkyd = r.PaintType == lumo::PaintType::Alkyd;
  const auto stored = primer_ ? r.PrimerEmissionsModel : r.PaintEmissionsModel;
  rbSemiEmpiricalModel->setEnabled(alkyd);
  if (alkyd && stored == lumo::EmissionsModelType::SemiEmpirical) {
    rbSemiEmpiricalModel->setChecked(true);
  } else {
    rbEmpiricalModel->setChecked(true);
  }
}

void TEmissionDlg::StoreModel(lumo::EmissionsModelType model) {
  (primer_ ? Record().PrimerEmissionsModel : Record().PaintEmissionsModel) = model;
}

bool TEmissionDlg::CanClose() {
  const auto model = rbEmpiricalModel->isChecked() ? lumo::EmissionsModelType::Empirical
                                                   : lumo::EmissionsModelType::SemiEmpirical;
  StoreModel(model);
  const lumo::ScenarioRecord before = Record();
  TParamDialog *parameters = nullptr;
  if (model == lumo::EmissionsModelType::Empirical) {
    parameters = new TEmpModelDlg(this, State(), primer_);
  } else {
    parameters = new TSemiEmpiricalDlg(this, State(), primer_);
  }
  if (parameters->exec() == QDialog::Accepted) {
    StoreModel(model);
  } else {
    Record() = before;
  }
  delete parameters;
  return true;
}
