#include "chemicals_form.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "chemical_file.h"
#include "message_box.h"
#include "name_order.h"
#include "num_edit.h"
#include "real_edit.h"

using namespace lumo::controls;

namespace {

QPushButton *MakeButton(const QString &text, const char *name, QWidget *parent) {
  auto *b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TfrmChemicals::TfrmChemicals(const QString &chemsPath, QWidget *parent)
    : QDialog(parent), file_(std::make_unique<lumo::TFileChemical>(chemsPath.toStdString())) {
  setObjectName(QStringLiteral("TfrmChemicals"));
  setWindowTitle(tr("Edit/Add Chemicals"));
  resize(720, 380);

  lbChemicalNames_ = new QListWidget(this);
  lbChemicalNames_->setObjectName(QStringLiteral("lbChemicalNames"));
  lbChemicalNames_->setToolTip(tr("Double Click to Edit"));
  lbChemicalNames_->setMinimumWidth(200);

  edName_ = new QLineEdit(this);
  edName_->setObjectName(QStringLiteral("edName"));
  edName_->setMaxLength(static_cast<int>(lumo::TFileChemical::kMaxNameLength));
  edName_->setMinimumWidth(220);

  edMolecularWt_ = new TNumEdit(this);
  edMolecularWt_->setObjectName(QStringLiteral("edMolecularWt"));
  edMolecularWt_->SetNumericType(TNumericType::ntGeneral);
  edMolecularWt_->Masks().SetPositiveMask(QStringLiteral("#,##0.00"));
  edMolecularWt_->SetDecimals(2);
  edMolecularWt_->SetMax(1.0e7);
  edMolecularWt_->SetMin(0);
  edMolecularWt_->SetValidate(true);

  edVaporPressure_ = new TRealEdit(this);
  edVaporPressure_->setObjectName(QStringLiteral("edVaporPressure"));
  edVaporPressure_->SetMinValue(1e-7);
  edVaporPressure_->SetMaxValue(10000);
  edVaporPressure_->SetFormatString(QStringLiteral("%5.7f"));
  edVaporPressure_->SetValidate(true);
  edVaporPressure_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto *group = new QGroupBox(tr("Chemical Name"), this);
  auto *fields = new QGridLayout(group);
  fields->addWidget(new QLabel(tr("Name"), group), 0, 0);
  fields->addWidget(edName_, 0, 1, 1, 2);
  fields->addWidget(new QLabel(tr("Molecular Weight"), group), 1, 0);
  fields->addWidget(edMolecularWt_, 1, 1);
  fields->addWidget(new QLabel(tr("g/mole"), group), 1, 2);
  fields->addWidget(new QLabel(tr("Vapor Pressure"), group), 2, 0);
  fields->addWidget(edVaporPressure_, 2, 1);
  fields->addWidget(new QLabel(tr("torr"), group), 2, 2);
  fields->setColumnStretch(2, 1);

  btnEdit_ = MakeButton(tr("&Edit"), "btnEdit", this);
  btnAdd_ = MakeButton(tr("&Add"), "btnAdd", this);
  btnDelete_ = MakeButton(tr("&Delete"), "btnDelete", this);
  btnSave_ = MakeButton(tr("&Save"), "btnSave", this);
  btnCancel_ = MakeButton(tr("&Cancel"), "btnCancel", this);
  auto *actions = new QHBoxLayout;
  for (QPushButton *b : {btnEdit_, btnAdd_, btnDelete_}) actions->addWidget(b);
  actions->addSpacing(16);
  for (QPushButton *b : {btnSave_, btnCancel_}) actions->addWidget(b);
  actions->addStretch(1);

  auto *buttons = new QDialogButtonBox(this);
  btnOK_ = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto *right = new QVBoxLayout;
  right->addWidget(group);
  right->addLayout(actions);
  right->addStretch(1);
  auto *top = new QHBoxLayout;
  top->addWidget(lbChemicalNames_, 1);
  top->addLayout(right);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(buttons);

  connect(lbChemicalNames_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && mode_ == kBrowsing) ShowChemical(lbChemicalNames_->item(row)->text());
  });
  connect(lbChemicalNames_, &QListWidget::itemDoubleClicked, this, [this] { StartEdit(kEditing); });
  connect(btnEdit_, &QPushButton::clicked, this, [this] { StartEdit(kEditing); });
  connect(btnAdd_, &QPushButton::clicked, this, [this] { StartEdit(kAdding); });
  connect(btnSave_, &QPushButton::clicked, this, [this] { EndEdit(true); });
  connect(btnCancel_, &QPushButton::clicked, this, [this] { EndEdit(false); });
  connect(btnDelete_, &QPushButton::clicked, this, &TfrmChemicals::DeleteClick);
  connect(edMolecularWt_, &TNumEdit::exited, this, &TfrmChemicals::MolecularWtExit);
  connect(edVaporPressure_, &TRealEdit::underflow, this, [this] {
    if (filling_) return;
    ShowMessage(this, tr("A Small Correction"),
                tr("Attempted to Enter a Value Less than the Minimum Value (1e-7). Value reset to "
                   "Minimum"),
                MsgIcon::Warning, MsgButton::Ok);
  });
  connect(edVaporPressure_, &TRealEdit::overflow, this, [this] {
    if (filling_) return;
    ShowMessage(this, tr("A Small Correction"),
                tr("Attempted to Enter a Value Greater than the Maximum Value (10000). Value "
                   "reset to Maximum"),
                MsgIcon::Warning, MsgButton::Ok);
  });

  SetEditing(false);
  // A list file that is there but cannot be read is named with its fault;
  // the editor then starts from an empty list and will not write over it.
  if (!FillList() && QFileInfo::exists(chemsPath)) {
    SayProblem(tr("The chemical list cannot be read:\n%1")
                   .arg(QString::fromStdString(file_->LastError())));
  }
}

TfrmChemicals::~TfrmChemicals() = default;

void TfrmChemicals::SayProblem(const QString &text) {
  ShowMessage(this, tr("A Small Problem"), text, MsgIcon::None, MsgButton::Ok);
}

bool TfrmChemicals::FillList() {
  const bool loaded = file_->LoadFile();
  if (loaded) {
    QSignalBlocker block(lbChemicalNames_);
    lbChemicalNames_->clear();
    QStringList names;
    for (const lumo::TChemicalRecord &r : file_->Records()) names << QString::fromStdString(r.name);
    lbChemicalNames_->addItems(lumo::ui::SortedNames(names));
  }
  if (lbChemicalNames_->count() == 0) {
    btnEdit_->setEnabled(false);
    return loaded;
  }
  {
    QSignalBlocker block(lbChemicalNames_);
    lbChemicalNames_->setCurrentRow(0);
  }
  ShowChemical(lbChemicalNames_->item(0)->text());
  return loaded;
}

void TfrmChemicals::ShowChemical(const QString &name) {
  lumo::TChemicalRecord record;
  if (!file_->FindChemical(name.toStdString(), record)) {
    SayProblem(tr("Error: Record Does Not Exist"));
    return;
  }
  filling_ = true;
  edName_->setText(QString::fromStdString(record.name));
  edMolecularWt_->SetValue(record.molecularWeight);
  edVaporPressure_->SetValue(record.vaporPressure);
  filling_ = false;
}

void TfrmChemicals::SetEditing(bool editing) {
  btnSave_->setEnabled(editing);
  btnCancel_->setEnabled(editing);
  for (QWidget *w :
       std::initializer_list<QWidget *>{btnAdd_, btnEdit_, btnDelete_, btnOK_, lbChemicalNames_}) {
    w->setEnabled(!editing);
  }
  edName_->setReadOnly(!editing);
  edMolecularWt_->setReadOnly(!editing);
  edVaporPressure_->setReadOnly(!editing);
}

void TfrmChemicals::StartEdit(Mode mode) {
  if (mode_ != kBrowsing) return;
  SetEditing(true);
  mode_ = mode;
  if (mode == kAdding) {
    filling_ = true;
    edName_->clear();
    edMolecularWt_->SetValue(100);
    edVaporPressure_->SetValue(1.0);
    filling_ = false;
  }
  edName_->setFocus(Qt::OtherFocusReason);
}

void TfrmChemicals::EndEdit(bool save) {
  if (mode_ == kBrowsing) return;
  // Leaving the field being edited stores its value first.
  (save ? btnSave_ : btnCancel_)->setFocus(Qt::OtherFocusReason);
  if (save && QApplication::focusWidget() != btnSave_ && !btnSave_->hasFocus() &&
      isAncestorOf(QApplication::focusWidget())) {
    return;  // a field refused its value and kept the focus
  }
  SetEditing(false);
  if (save && mode_ == kAdding) SaveAdd();
  if (save && mode_ == kEditing) SaveEdit();
  mode_ = kBrowsing;
  FillList();
}

QString TfrmChemicals::Why() const {
  return QString::fromStdString(file_->LastError());
}

void TfrmChemicals::SaveAdd() {
  if (file_->AddChemical(edName_->text().toStdString(), edMolecularWt_->Value(),
                         edVaporPressure_->Value())) {
    btnEdit_->setEnabled(true);
  } else {
    SayProblem(tr("Error: Could not Add This Chemical\n%1.").arg(Why()));
  }
}

void TfrmChemicals::SaveEdit() {
  const QListWidgetItem *selected = lbChemicalNames_->currentItem();
  const std::string oldName = selected ? selected->text().toStdString() : std::string();
  const std::string newName = edName_->text().trimmed().toStdString();
  lumo::TChemicalRecord old;
  if (!file_->FindChemical(oldName, old)) {
    SayProblem(tr("Error in Edit: Could not Make Changes"));
    return;
  }
  // Refused before the delete, so the chemical being edited stays.
  if (newName.empty()) {
    SayProblem(tr("Error: Could not Add This Chemical\nA chemical needs a name."));
    return;
  }
  if (newName != oldName && file_->IndexOfName(newName) >= 0) {
    SayProblem(tr("Error: Could not Add This Chemical\nThe chemical %1 is already in the list.")
                   .arg(QString::fromStdString(newName)));
    return;
  }
  if (!file_->DeleteChemical(oldName)) {
    SayProblem(tr("Error in Edit: Could not Make Changes\n%1.").arg(Why()));
    return;
  }
  if (!file_->AddChemical(newName, edMolecularWt_->Value(), edVaporPressure_->Value())) {
    const QString why = Why();
    file_->AddChemical(old.name, old.molecularWeight, old.vaporPressure);
    SayProblem(tr("Error: Could not Add This Chemical\n%1.").arg(why));
  }
}

void TfrmChemicals::DeleteClick() {
  if (ShowMessage(this, tr("Confirm"), tr("Are you sure?  You cannot undo this delete!"),
                  MsgIcon::Question, MsgButton::Yes | MsgButton::No) != MsgButton::Yes) {
    return;
  }
  if (file_->DeleteChemical(edName_->text().toStdString())) {
    FillList();
  } else {
    SayProblem(tr("Error: Could not Delete This Chemical"));
  }
}

void TfrmChemicals::MolecularWtExit() {
  if (edMolecularWt_->Value() >= 0.01) return;
  ShowMessage(this, tr("A Small Correction"),
              tr("Attempted to Enter a Value Less than the Minimum Value (0.01). Value reset to "
                 "Minimum"),
              MsgIcon::Warning, MsgButton::Ok);
  edMolecularWt_->SetValue(0.01);
}
