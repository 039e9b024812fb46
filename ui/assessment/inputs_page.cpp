#include "inputs_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "assessment_file.h"
#include "density_preview.h"
#include "number_format.h"
#include "offered_distributions.h"
#include "result_curves.h"
#include "rtf_form_tips.h"
#include "variable_fields.h"
#include "variable_inputs.h"

namespace lumo::ui {

namespace {

constexpr int kNameRole = Qt::UserRole + 1;

QString GroupCaption(InputGroup group) {
  switch (group) {
    case InputGroup::Building:
      return InputsPage::tr("Building and air");
    case InputGroup::Paint:
      return InputsPage::tr("Paint");
    case InputGroup::Chemical:
    case InputGroup::Emissions:
      return InputsPage::tr("Chemical and emissions");
    case InputGroup::Sinks:
      return InputsPage::tr("Sinks");
    case InputGroup::Person:
      return InputsPage::tr("The exposed person");
  }
  return {};
}

QString Number(double x) {
  return QString::fromStdString(prob::FormatNumber(x));
}

QString NumberList(const std::vector<double> &values) {
  QStringList parts;
  for (double x : values) parts << Number(x);
  return parts.join(", ");
}

}  // namespace

QString BoundsText(std::optional<double> lower, std::optional<double> upper) {
  if (lower && upper) return InputsPage::tr("%1 to %2").arg(Number(*lower), Number(*upper));
  if (lower) return InputsPage::tr("%1 and above").arg(Number(*lower));
  if (upper) return InputsPage::tr("up to %1").arg(Number(*upper));
  return InputsPage::tr("none");
}

QString ParameterCaption(const std::string &parameter) {
  static const std::map<std::string, const char *> captions = {
      {"value", "Value"},           {"min", "Minimum"},
      {"max", "Maximum"},           {"mean", "Mean"},
      {"sd", "Standard deviation"}, {"gm", "Geometric mean"},
      {"gsd", "Geometric SD"},      {"mode", "Mode"},
      {"alpha", "Alpha"},           {"beta", "Beta"},
      {"shape", "Shape"},           {"scale", "Scale"},
      {"values", "Values"},         {"weights", "Weights"}};
  const auto found = captions.find(parameter);
  return found == captions.end() ? QString::fromStdString(parameter)
                                 : InputsPage::tr(found->second);
}

QString DistributionSummary(const prob::InputDraft &input) {
  QStringList parts;
  for (const std::string &name : prob::ParameterNames(input)) {
    const auto values = input.parameters.find(name);
    if (values != input.parameters.end())
      parts << QString::fromStdString(name) + " " + NumberList(values->second);
  }
  QString text = QString::fromStdString(input.family) + ": " + parts.join(", ");
  if (input.lower || input.upper) text += "; " + BoundsText(input.lower, input.upper);
  return text;
}

InputsPage::InputsPage(prob::AssessmentDraft &draft, QWidget *parent)
    : QWidget(parent), draft_(draft) {
  tree_ = new QTreeWidget;
  tree_->setObjectName("treeInputs");
  tree_->setColumnCount(4);
  tree_->setHeaderLabels(
      {tr("Input (check to vary)"), tr("Scenario's value"), tr("Unit"), tr("Distribution")});
  tree_->header()->setStretchLastSection(true);
  tree_->setColumnWidth(0, 230);
  tree_->setColumnWidth(1, 110);
  tree_->setColumnWidth(2, 105);
  tree_->setAlternatingRowColors(true);

  auto *editor = new QGroupBox(tr("Selected input"));
  editor->setObjectName("gbInput");
  title_ = new QLabel;
  title_->setObjectName("lblInputName");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  editedIn_ = new QLabel;
  editedIn_->setObjectName("lblEditedIn");
  editedIn_->setWordWrap(true);
  vary_ = new QCheckBox(tr("&Vary this input"));
  vary_->setObjectName("chkVary");
  unit_ = new QComboBox;
  unit_->setObjectName("cbUnit");
  family_ = new QComboBox;
  family_->setObjectName("cbDistribution");
  for (const prob::FamilyForm &f : prob::FamilyForms())
    family_->addItem(QString::fromStdString(f.label));
  auto *familyHelp = new QToolButton;
  familyHelp->setObjectName("btnDistributionHelp");
  familyHelp->setText("?");
  familyHelp->setToolTip(tr("Help on the chosen distribution"));
  auto *familyRow = new QHBoxLayout;
  familyRow->addWidget(family_, 1);
  familyRow->addWidget(familyHelp);
  connect(familyHelp, &QToolButton::clicked, this, [this] {
    const auto &forms = prob::FamilyForms();
    const int k = family_->currentIndex();
    if (k < 0 || static_cast<std::size_t>(k) >= forms.size()) return;
    const QString family = QString::fromStdString(forms[k].family);
    TRTFFormTips viewer(tr("Distribution: %1").arg(family),
                        helpFolder_ + "/Distribution - " + family + ".kbn", this);
    viewer.exec();
  });
  auto *form = form_ = new QFormLayout;
  form->addRow(tr("Unit:"), unit_);
  form->addRow(tr("Distribution:"), familyRow);
  for (std::size_t k = 0; k < params_.size(); ++k) {
    paramLabels_[k] = new QLabel;
    params_[k] = new QLineEdit;
    params_[k]->setObjectName(QStringLiteral("edParam%1").arg(k + 1));
    form->addRow(paramLabels_[k], params_[k]);
    connect(params_[k], &QLineEdit::editingFinished, this, &InputsPage::EditorEdited);
  }
  lower_ = new QLineEdit;
  lower_->setObjectName("edLowerBound");
  lower_->setPlaceholderText(tr("none"));
  upper_ = new QLineEdit;
  upper_->setObjectName("edUpperBound");
  upper_->setPlaceholderText(tr("none"));
  form->addRow(tr("Lower bound:"), lower_);
  form->addRow(tr("Upper bound:"), upper_);
  message_ = new QLabel;
  message_->setObjectName("lblInputMessage");
  message_->setWordWrap(true);
  message_->setStyleSheet("color: #b00020;");
  offer_ = new QPushButton(tr("Use the &published distribution"));
  offer_->setObjectName("btnOfferedDistribution");
  offerSource_ = new QLabel;
  offerSource_->setObjectName("lblOfferedSource");
  offerSource_->setWordWrap(true);
  preview_ = new DensityPreview;

  auto *editorLayout = new QVBoxLayout(editor);
  editorLayout->addWidget(title_);
  editorLayout->addWidget(editedIn_);
  editorLayout->addWidget(vary_);
  editorLayout->addLayout(form);
  editorLayout->addWidget(message_);
  editorLayout->addWidget(offer_);
  editorLayout->addWidget(offerSource_);
  editorLayout->addWidget(preview_, 1);

  auto *splitter = new QSplitter;
  splitter->addWidget(tree_);
  splitter->addWidget(editor);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(splitter);

  connect(lower_, &QLineEdit::editingFinished, this, &InputsPage::EditorEdited);
  connect(upper_, &QLineEdit::editingFinished, this, &InputsPage::EditorEdited);
  connect(family_, &QComboBox::activated, this, &InputsPage::FamilyChosen);
  connect(unit_, &QComboBox::activated, this, &InputsPage::UnitChosen);
  connect(vary_, &QCheckBox::toggled, this, &InputsPage::VaryToggled);
  connect(offer_, &QPushButton::clicked, this, &InputsPage::OfferStarting);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
    if (filling_ || !item || item->data(0, kNameRole).isNull()) return;
    current_ = item->data(0, kNameRole).toString().toStdString();
    ShowEditor();
  });
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
    if (filling_ || column != 0 || item->data(0, kNameRole).isNull()) return;
    const std::string name = item->data(0, kNameRole).toString().toStdString();
    if (prob::InputDraft *in = draft_.Find(name)) {
      in->varied = item->checkState(0) == Qt::Checked;
      if (name == current_) ShowEditor();
      FillRow(item);
      emit changed();
    }
  });
  BuildTree();
}

double InputsPage::Own(const std::string &name) const {
  const VariableInput *entry = FindVariableInput(name);
  return entry ? entry->get(record_) : 0.0;
}

void InputsPage::SetScenario(const ScenarioRecord &record) {
  record_ = record;
  // Inputs not varied follow the scenario's value.
  for (prob::InputDraft &in : draft_.inputs)
    if (!in.varied && in.family == "fixed") {
      in.unit = 0;
      in.parameters = {{"value", {Own(in.name)}}};
    }
  FillTree();
  ShowEditor();
}

void InputsPage::Reload() {
  FillTree();
  ShowEditor();
}

void InputsPage::BuildTree() {
  filling_ = true;
  tree_->clear();
  std::map<QString, QTreeWidgetItem *> groups;
  for (const VariableInput &entry : VariableInputs()) {
    const QString caption = GroupCaption(entry.group);
    QTreeWidgetItem *&group = groups[caption];
    if (!group) {
      group = new QTreeWidgetItem(tree_, {caption});
      QFont bold = group->font(0);
      bold.setBold(true);
      group->setFont(0, bold);
      group->setFlags(Qt::ItemIsEnabled);
      group->setExpanded(true);
    }
    auto *item = new QTreeWidgetItem(group, {QString::fromStdString(entry.name)});
    item->setData(0, kNameRole, QString::fromStdString(entry.name));
  }
  filling_ = false;
  FillTree();
}

void InputsPage::FillTree() {
  filling_ = true;
  for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
    QTreeWidgetItem *group = tree_->topLevelItem(g);
    for (int k = 0; k < group->childCount(); ++k) FillRow(group->child(k));
  }
  filling_ = false;
}

void InputsPage::FillRow(QTreeWidgetItem *item) {
  const bool wasFilling = filling_;
  filling_ = true;
  const std::string name = item->data(0, kNameRole).toString().toStdString();
  const VariableInput *entry = FindVariableInput(name);
  const prob::InputDraft *in = draft_.Find(name);
  if (!entry || !in) return;
  const auto refusal = VariationRefusal(record_, *entry);
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
  if (!refusal || in->varied) flags |= Qt::ItemIsEnabled;
  item->setFlags(flags);
  item->setCheckState(0, in->varied ? Qt::Checked : Qt::Unchecked);
  item->setText(1, QString::number(entry->get(record_), 'g', 7));
  item->setText(2, QString::fromStdString(entry->unit));
  const auto units = prob::InputUnits(*entry);
  const QString shownUnit =
      QString::fromStdString(units[std::min(in->unit, units.size() - 1)].label);
  QString summary = in->varied ? DistributionSummary(*in) : QString();
  if (in->varied && in->unit != 0) summary += " (" + shownUnit + ")";
  if (in->varied && prob::CheckInputDraft(*in)) summary = tr("Refused: ") + summary;
  item->setText(3, summary);
  item->setToolTip(3, summary);
  item->setForeground(
      3, summary.startsWith(tr("Refused")) ? QColor(0xb0, 0x00, 0x20) : palette().text().color());
  const QString tip = refusal ? QString::fromStdString(*refusal)
                              : tr("Edited in the %1").arg(QString::fromStdString(entry->editedIn));
  for (int c = 0; c < 3; ++c) item->setToolTip(c, tip);
  filling_ = wasFilling;
}

prob::InputDraft *InputsPage::Current() {
  return current_.empty() ? nullptr : draft_.Find(current_);
}

void InputsPage::SelectInput(const std::string &name) {
  for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
    QTreeWidgetItem *group = tree_->topLevelItem(g);
    for (int k = 0; k < group->childCount(); ++k)
      if (group->child(k)->data(0, kNameRole).toString().toStdString() == name) {
        tree_->setCurrentItem(group->child(k));
        current_ = name;
        ShowEditor();
        return;
      }
  }
}

void InputsPage::ShowEditor() {
  prob::InputDraft *in = Current();
  const VariableInput *entry = in ? FindVariableInput(in->name) : nullptr;
  const bool wasFilling = filling_;
  filling_ = true;
  setUpdatesEnabled(false);
  const bool editable = entry && (!VariationRefusal(record_, *entry) || in->varied);
  for (QWidget *w : std::initializer_list<QWidget *>{vary_, unit_, family_, lower_, upper_})
    w->setEnabled(editable);
  if (!entry) {
    title_->setText(tr("Choose an input in the list."));
    editedIn_->clear();
    for (auto *e : params_) form_->setRowVisible(e, false);
    offer_->setVisible(false);
    offerSource_->clear();
    preview_->Clear(QString());
    message_->clear();
    filling_ = wasFilling;
    setUpdatesEnabled(true);
    return;
  }
  title_->setText(QString::fromStdString(in->name));
  const auto refusal = VariationRefusal(record_, *entry);
  editedIn_->setText(refusal ? QString::fromStdString(*refusal)
                             : tr("Edited in the %1; the scenario has %2 %3.")
                                   .arg(QString::fromStdString(entry->editedIn),
                                        QString::number(entry->get(record_), 'g', 7),
                                        QString::fromStdString(entry->unit)));
  vary_->setChecked(in->varied);
  const auto units = prob::InputUnits(*entry);
  unit_->clear();
  for (const auto &u : units) unit_->addItem(QString::fromStdString(u.label));
  unit_->setCurrentIndex(static_cast<int>(std::min(in->unit, units.size() - 1)));
  unit_->setEnabled(editable && units.size() > 1);
  const auto &forms = prob::FamilyForms();
  for (std::size_t k = 0; k < forms.size(); ++k)
    if (forms[k].family == in->family && forms[k].form == in->form)
      family_->setCurrentIndex(static_cast<int>(k));
  const prob::FamilyForm *form = prob::FindFamilyForm(in->family, in->form);
  std::vector<std::string> names = form ? form->parameters : std::vector<std::string>{};
  if (form && form->weighted) names.push_back("weights");
  const QString unit = QString::fromStdString(units[unit_->currentIndex()].label);
  for (std::size_t k = 0; k < params_.size(); ++k) {
    const bool used = k < names.size();
    form_->setRowVisible(params_[k], used);
    paramNames_[k] = used ? names[k] : std::string();
    params_[k]->setStyleSheet(QString());
    params_[k]->setEnabled(editable);
    if (!used) continue;
    QString caption = ParameterCaption(names[k]);
    if (prob::ParameterHasUnit(names[k])) caption += " (" + unit + ")";
    if (names[k] == "values" || names[k] == "weights") caption += tr(", a list");
    paramLabels_[k]->setText(caption + ":");
    const auto value = in->parameters.find(names[k]);
    params_[k]->setText(value == in->parameters.end() ? QString() : NumberList(value->second));
  }
  const bool bounded = bounded_ = form && form->bounded;
  form_->setRowVisible(lower_, bounded);
  form_->setRowVisible(upper_, bounded);
  lower_->setText(in->lower ? Number(*in->lower) : QString());
  upper_->setText(in->upper ? Number(*in->upper) : QString());
  lower_->setStyleSheet(QString());
  upper_->setStyleSheet(QString());
  const auto offer = prob::OfferedDistributionFor(in->name, record_);
  offer_->setVisible(offer.has_value());
  offer_->setEnabled(editable);
  offerSource_->setText(offer ? tr("Offered: %1").arg(QString::fromStdString(offer->source))
                              : QString());
  filling_ = wasFilling;
  setUpdatesEnabled(true);

  // The refusal (varied inputs only) and the preview.
  message_->clear();
  if (!in->varied) {
    preview_->Clear(tr("Not varied: the scenario's value is used."));
    return;
  }
  if (auto refused = prob::CheckInputDraft(*in)) {
    ShowRefusal(QString::fromStdString(*refused), QString());
    return;
  }
  try {
    const prob::AssessmentInput read =
        prob::ReadInputEntry(in->name, prob::InputEntryJson(*in), prob::ScenarioVariableFields());
    auto curve = prob::DensityCurve(read.distribution, 120);
    const auto &shown = units[std::min(in->unit, units.size() - 1)];
    // The density per shown unit: x converted, y scaled by the inverse.
    const double scale = shown.fromStored(1.0);
    for (auto &p : curve) {
      p.x = shown.fromStored(p.x);
      p.y /= scale;
    }
    preview_->Show(curve, shown.fromStored(entry->get(record_)), unit);
  } catch (const std::exception &e) {
    preview_->Clear(QString::fromStdString(e.what()));
  }
}

void InputsPage::ShowRefusal(const QString &text, const QString &parameter) {
  message_->setText(text);
  const QString red = QStringLiteral("background: #ffe0e0;");
  // The fields the sentence names (the reader names parameters as the file
  // spells them).
  auto named = [&](const QString &name) {
    return name == parameter ||
           text.contains(QRegularExpression("\\b" + QRegularExpression::escape(name) + "\\b"));
  };
  for (std::size_t k = 0; k < params_.size(); ++k) {
    const QString name = QString::fromStdString(paramNames_[k]);
    if (!name.isEmpty() && named(name)) params_[k]->setStyleSheet(red);
  }
  if (bounded_ && named(QStringLiteral("min"))) lower_->setStyleSheet(red);
  if (bounded_ && named(QStringLiteral("max"))) upper_->setStyleSheet(red);
  preview_->Clear(tr("No preview while the distribution is refused."));
}

void InputsPage::EditorEdited() {
  if (filling_) return;
  prob::InputDraft *in = Current();
  if (!in) return;
  // Every field as typed; a word that is not a number is refused here, the
  // rest by the file's reader.
  for (std::size_t k = 0; k < params_.size(); ++k) {
    if (paramNames_[k].empty()) continue;
    const QString text = params_[k]->text().trimmed();
    const auto numbers = prob::ParseNumberList(text.toStdString());
    if (!numbers) {
      ShowRefusal(
          tr("%1 of %2: \"%3\" is not a number; type a number such as 1.5 or 2e-3.")
              .arg(ParameterCaption(paramNames_[k]), QString::fromStdString(in->name), text),
          QString::fromStdString(paramNames_[k]));
      return;
    }
    in->parameters[paramNames_[k]] = *numbers;
    if (numbers->empty()) in->parameters.erase(paramNames_[k]);
  }
  const std::pair<QLineEdit *, std::optional<double> *> bounds[] = {{lower_, &in->lower},
                                                                    {upper_, &in->upper}};
  for (const auto &[field, bound] : bounds) {
    if (!bounded_) {
      bound->reset();
      continue;
    }
    const auto numbers = prob::ParseNumberList(field->text().trimmed().toStdString());
    if (!numbers || numbers->size() > 1) {
      ShowRefusal(tr("The %1 of %2, \"%3\", is not a number; type one number, or nothing for "
                     "no bound.")
                      .arg(field == lower_ ? tr("lower bound") : tr("upper bound"),
                           QString::fromStdString(in->name), field->text()),
                  QString());
      field->setStyleSheet(QStringLiteral("background: #ffe0e0;"));
      return;
    }
    *bound = numbers->empty() ? std::nullopt : std::optional<double>(numbers->front());
  }
  ShowEditor();
  for (int g = 0; g < tree_->topLevelItemCount(); ++g)
    for (int k = 0; k < tree_->topLevelItem(g)->childCount(); ++k) {
      QTreeWidgetItem *item = tree_->topLevelItem(g)->child(k);
      if (item->data(0, kNameRole).toString().toStdString() == in->name) FillRow(item);
    }
  emit changed();
}

void InputsPage::FamilyChosen(int index) {
  prob::InputDraft *in = Current();
  const auto &forms = prob::FamilyForms();
  if (!in || index < 0 || static_cast<std::size_t>(index) >= forms.size()) return;
  const prob::FamilyForm &form = forms[index];
  if (form.family == in->family && form.form == in->form) return;
  in->family = form.family;
  in->form = form.form;
  const VariableInput *entry = FindVariableInput(in->name);
  const auto units = prob::InputUnits(*entry);
  const double own = units[std::min(in->unit, units.size() - 1)].fromStored(Own(in->name));
  in->parameters = prob::StartingParameters(form, own);
  if (!form.bounded) in->lower = in->upper = std::nullopt;
  if (!in->varied) in->varied = form.family != "fixed";
  Reload();
  emit changed();
}

void InputsPage::UnitChosen(int index) {
  prob::InputDraft *in = Current();
  if (!in || index < 0) return;
  prob::ChangeInputUnit(*in, static_cast<std::size_t>(index));
  Reload();
}

void InputsPage::VaryToggled(bool on) {
  if (filling_) return;
  prob::InputDraft *in = Current();
  if (!in) return;
  in->varied = on;
  Reload();
  emit changed();
}

void InputsPage::OfferStarting() {
  prob::InputDraft *in = Current();
  if (!in) return;
  if (auto offer = prob::OfferedDistributionFor(in->name, record_)) {
    *in = offer->input;
    Reload();
    emit changed();
  }
}

std::map<std::string, std::string> InputsPage::Refusals() const {
  std::map<std::string, std::string> refused;
  for (const prob::InputDraft &in : draft_.inputs)
    if (in.varied)
      if (auto why = prob::CheckInputDraft(in)) refused[in.name] = *why;
  return refused;
}

}  // namespace lumo::ui
