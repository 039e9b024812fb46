// The Paint & Chemical page: paint type, chemical list and selection,
// weight fractions, and the emission, sink and density dialogs.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "chemical_file.h"
#include "chemicals_form.h"
#include "main_window.h"
#include "message_box.h"
#include "name_order.h"
#include "platform.h"
#include "scenario_rules.h"
#include "ui_main_window.h"
#include "ui_page_paint_chemical.h"

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;
using lumo::ui::ParameterDialog;

namespace {

const QString kDefaultChemical = QStringLiteral("TMPD-MIB");
const QString kUnknownChemical = QStringLiteral("Unknown");
constexpr double kUnknownMolecularWeight = 150.0;
constexpr double kUnknownVaporPressure = 1.0;

}  // namespace

void TfrmMain::ConnectPaint() {
  auto &pc = Paint();
  connect(pc.rbLatexFlat, &QRadioButton::clicked, this,
          [this] { rbPaintTypeClick(PaintType::LatexFlat); });
  connect(pc.rbLatexSemigloss, &QRadioButton::clicked, this,
          [this] { rbPaintTypeClick(PaintType::LatexSemiGloss); });
  connect(pc.rbAlkyd, &QRadioButton::clicked, this, [this] { rbPaintTypeClick(PaintType::Alkyd); });
  connect(pc.numeditPrimerWeightFraction, &TNumEdit::exited, this,
          [this] { WeightFractionExit(true); });
  connect(pc.numedPaintWeightFraction, &TNumEdit::exited, this,
          [this] { WeightFractionExit(false); });
  connect(pc.cbChemicalNames, &QComboBox::activated, this, &TfrmMain::cbChemicalNamesChange);
  connect(pc.btnChemicalEditAdd, &QPushButton::clicked, this, &TfrmMain::btnChemicalEditAddClick);
  connect(pc.btnPrimerEmissions, &QPushButton::clicked, this, [this] { btnEmissionsClick(true); });
  connect(pc.Button1, &QPushButton::clicked, this, [this] { btnEmissionsClick(false); });
  connect(pc.btnSink, &QPushButton::clicked, this, &TfrmMain::btnSinkClick);
  connect(pc.btnSpecificDensity, &QPushButton::clicked, this, &TfrmMain::btnSpecificDensityClick);
}

void TfrmMain::rbPaintTypeClick(PaintType type) {
  Guarded([&] {
    rules::ApplyPaintType(*State_, type);
    RefreshFromState();
  });
}

void TfrmMain::WeightFractionExit(bool primer) {
  auto *field = primer ? Paint().numeditPrimerWeightFraction : Paint().numedPaintWeightFraction;
  double value = field->Value();
  if (auto notice = rules::LimitWeightFraction(value)) {
    ShowMessage(this, tr("A Small Correction"), QString::fromStdString(*notice), MsgIcon::Warning,
                MsgButton::Ok);
  }
  Guarded([&] {
    auto notice = rules::ApplyWeightFraction(*State_, primer, value);
    const auto &r = State_->ScenarioRecord;
    field->SetValue(primer ? r.PrimerWeightFraction : r.PaintWeightFraction);
    if (notice) {
      ShowMessage(this, tr("Note"), QString::fromStdString(*notice), MsgIcon::None, MsgButton::Ok);
    }
  });
}

QString TfrmMain::ChemicalListPath() const {
  return QString::fromStdString(layout_.chemicalList);
}

bool TfrmMain::FillChemicalList() {
  TFileChemical file(layout_.ChemicalListToRead());
  if (!file.LoadFile()) return false;
  auto *cb = Paint().cbChemicalNames;
  QSignalBlocker block(cb);
  cb->clear();
  QStringList names;
  for (const auto &chemical : file.Records()) names << QString::fromStdString(chemical.name);
  cb->addItems(ui::SortedNames(names));
  return true;
}

void TfrmMain::LoadChemicalList() {
  if (!FillChemicalList()) return;
  auto *cb = Paint().cbChemicalNames;
  if (cb->count() == 0) {
    SelectChemical(QString());
    ShowChemicalValues(kUnknownMolecularWeight, kUnknownVaporPressure);
    return;
  }
  const int found = cb->findText(kDefaultChemical, Qt::MatchExactly | Qt::MatchCaseSensitive);
  SelectChemical(cb->itemText(found >= 0 ? found : 0));
  ShowSelectedChemical();
}

void TfrmMain::SelectChemical(const QString &name) {
  auto *cb = Paint().cbChemicalNames;
  QSignalBlocker block(cb);
  const int index = cb->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
  cb->setCurrentIndex(index);
  cb->setPlaceholderText(index >= 0 ? QString() : name.isEmpty() ? kUnknownChemical : name);
}

bool TfrmMain::ChemicalNotListed() const {
  const QString name = QString::fromStdString(State_->ScenarioRecord.ChemicalName.Text());
  return ui_->tsPaintChemical->ui->cbChemicalNames->currentIndex() < 0 && !name.isEmpty() &&
         name != kUnknownChemical;
}

void TfrmMain::ShowChemicalValues(double molecularWeight, double vaporPressure) {
  auto &pc = Paint();
  pc.numeditMolecularWt->SetValue(molecularWeight);
  pc.numeditVaporPressure->SetValue(vaporPressure);
  State_->ScenarioRecord.MolecularWeight = molecularWeight;
  State_->ScenarioRecord.VaporPressure = vaporPressure;
}

bool TfrmMain::ShowSelectedChemical() {
  auto &pc = Paint();
  auto *cb = pc.cbChemicalNames;
  const auto &r = State_->ScenarioRecord;
  pc.lblChemicalNotListed->setVisible(ChemicalNotListed());
  if (cb->currentIndex() < 0) {
    if (ChemicalNotListed()) {
      // A scenario's chemical that this machine's list lacks keeps the
      // values it came with.
      pc.numeditMolecularWt->SetValue(r.MolecularWeight);
      pc.numeditVaporPressure->SetValue(r.VaporPressure);
      return false;
    }
    ShowChemicalValues(kUnknownMolecularWeight, kUnknownVaporPressure);
    return true;
  }
  TFileChemical file(layout_.ChemicalListToRead());
  TChemicalRecord chemical;
  if (file.FindChemical(cb->currentText().toStdString(), chemical)) {
    ShowChemicalValues(chemical.molecularWeight, chemical.vaporPressure);
    return true;
  }
  ShowMessage(this, tr("A Small Problem..."), tr("Error:  Chemical Data File may be Corrupt"),
              MsgIcon::None, MsgButton::Ok);
  return false;
}

void TfrmMain::cbChemicalNamesChange() {
  Guarded([&] {
    auto &pc = Paint();
    ShowSelectedChemical();
    auto &r = State_->ScenarioRecord;
    if (pc.cbChemicalNames->currentIndex() >= 0) {
      SelectChemical(pc.cbChemicalNames->currentText());
      pc.lblChemicalNotListed->hide();
      r.ChemicalName.SetText(pc.cbChemicalNames->currentText().left(255).toStdString());
      r.MolecularWeight = pc.numeditMolecularWt->Value();
      r.VaporPressure = pc.numeditVaporPressure->Value();
    }
    State_->SetDefaultEmissions();
  });
}

void TfrmMain::btnChemicalEditAddClick() {
  {
    TfrmChemicals editor(ChemicalListPath(), this);
    RunModal(editor);
  }
  // The scenario keeps its chemical (with the list's new values, if they
  // changed); the list only offers the choices.
  FillChemicalList();
  SelectChemical(QString::fromStdString(State_->ScenarioRecord.ChemicalName.Text()));
  cbChemicalNamesChange();
}

void TfrmMain::btnEmissionsClick(bool primer) {
  if (RunParameterDialog(primer ? ParameterDialog::PrimerEmissions
                                : ParameterDialog::PaintEmissions))
    ShowModelNames();
}

void TfrmMain::btnSinkClick() {
  if (RunParameterDialog(ParameterDialog::Sinks)) ShowModelNames();
}

void TfrmMain::btnSpecificDensityClick() {
  if (!RunParameterDialog(ParameterDialog::SpecificDensity)) return;
  Guarded([&] {
    ShowState();
    State_->SetDefaultEmissions();
  });
}

void TfrmMain::ShowModelNames() {
  auto &pc = Paint();
  pc.edPrimerEmissionsValue->setText(
      QString::fromStdString(State_->PrimerEmissionsModelTypetoString()));
  pc.edPaintEmissionsValue->setText(
      QString::fromStdString(State_->PaintEmissionsModelTypetoString()));
  pc.edIndoorSinksValue->setText(QString::fromStdString(State_->SinkModeltoString()));
}
