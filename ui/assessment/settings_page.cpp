#include "settings_page.h"

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
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>

#include "assessment_command.h"
#include "number_format.h"
#include "result_text.h"

namespace lumo::ui {

namespace {

QString Number(double x) {
  return QString::fromStdString(prob::FormatNumber(x));
}

std::optional<std::uint64_t> WholeNumber(const QString &text) {
  const std::string s = text.trimmed().toStdString();
  std::uint64_t value = 0;
  const auto [ptr, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || error != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

QString NotNumber(const QString &field, const QString &text, const QString &what) {
  return SettingsPage::tr("%1: \"%2\" is not %3.").arg(field, text, what);
}

}  // namespace

SettingsPage::SettingsPage(prob::AssessmentDraft &draft, QWidget *parent)
    : QWidget(parent), draft_(draft) {
  auto *run = new QGroupBox(tr("Iterations and sampling"));
  iterations_ = new QLineEdit;
  iterations_->setObjectName("edIterations");
  seed_ = new QLineEdit;
  seed_->setObjectName("edSeed");
  seed_->setPlaceholderText(tr("chosen when the run starts"));
  newSeed_ = new QPushButton(tr("&New seed"));
  newSeed_->setObjectName("btnNewSeed");
  sampling_ = new QComboBox;
  sampling_->setObjectName("cbSampling");
  sampling_->addItems({tr("Latin hypercube"), tr("Simple random")});
  percentiles_ = new QLineEdit;
  percentiles_->setObjectName("edPercentiles");
  auto *seedRow = new QHBoxLayout;
  seedRow->addWidget(seed_, 1);
  seedRow->addWidget(newSeed_);
  auto *runForm = new QFormLayout(run);
  runForm->addRow(tr("&Iterations (1 to 10,000,000):"), iterations_);
  runForm->addRow(tr("Seed:"), seedRow);
  runForm->addRow(tr("Sa&mpling:"), sampling_);
  runForm->addRow(tr("&Percentiles reported:"), percentiles_);

  auto *reference = new QGroupBox(tr("Reference values (probability of exceeding them)"));
  auto *refGrid = new QGridLayout(reference);
  for (std::size_t k = 0; k < references_.size(); ++k) {
    references_[k] = new QLineEdit;
    references_[k]->setObjectName(QStringLiteral("edReference_%1").arg(prob::kResultNames[k]));
    references_[k]->setPlaceholderText(tr("none"));
    const int row = static_cast<int>(k % 5), column = static_cast<int>(k / 5) * 2;
    refGrid->addWidget(
        new QLabel(QString("%1 (%2):").arg(prob::kResultNames[k], kResultFields[k].unit)), row,
        column);
    refGrid->addWidget(references_[k], row, column + 1);
  }

  auto *analyses = new QGroupBox(tr("Sensitivity analyses"));
  spearman_ = new QCheckBox(tr("Spearman rank &correlations of each input with each result"));
  spearman_->setObjectName("chkSpearman");
  oneAtATime_ =
      new QCheckBox(tr("&One at a time: each input at its 5th and 95th percentile "
                       "(tornado chart)"));
  oneAtATime_->setObjectName("chkOneAtATime");
  sobol_ = new QCheckBox(tr("Sobol &indices (independent inputs only)"));
  sobol_->setObjectName("chkSobol");
  sobolBase_ = new QLineEdit;
  sobolBase_->setObjectName("edSobolBaseSamples");
  bootstrap_ = new QLineEdit;
  bootstrap_->setObjectName("edSobolBootstrap");
  auto *analysesForm = new QFormLayout(analyses);
  analysesForm->addRow(spearman_);
  analysesForm->addRow(oneAtATime_);
  analysesForm->addRow(sobol_);
  analysesForm->addRow(tr("Base samples N (N × (varied inputs + 2) runs):"), sobolBase_);
  analysesForm->addRow(tr("Bootstrap replicates:"), bootstrap_);

  auto *correlated = new QGroupBox(tr("Rank correlations between varied inputs"));
  correlations_ = new QTableWidget(0, 3);
  correlations_->setObjectName("tblCorrelations");
  correlations_->setHorizontalHeaderLabels({tr("Input"), tr("Input"), tr("Rank correlation")});
  correlations_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto *add = new QPushButton(tr("&Add"));
  add->setObjectName("btnAddCorrelation");
  auto *remove = new QPushButton(tr("&Remove"));
  remove->setObjectName("btnRemoveCorrelation");
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch();
  auto *corrLayout = new QVBoxLayout(correlated);
  corrLayout->addWidget(correlations_);
  corrLayout->addLayout(buttons);

  auto *grid = new QGridLayout(this);
  grid->addWidget(run, 0, 0);
  grid->addWidget(analyses, 1, 0);
  grid->addWidget(reference, 0, 1);
  grid->addWidget(correlated, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  auto sobolFields = [this] {
    sobolBase_->setEnabled(sobol_->isChecked());
    bootstrap_->setEnabled(sobol_->isChecked());
  };
  connect(sobol_, &QCheckBox::toggled, this, sobolFields);
  connect(newSeed_, &QPushButton::clicked, this,
          [this] { seed_->setText(QString::number(cli::ChooseSeed())); });
  connect(add, &QPushButton::clicked, this, [this] {
    QString error;
    Commit(&error);
    AddCorrelation({}, {}, 0.5);
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    const int row = correlations_->currentRow();
    correlations_->removeRow(row >= 0 ? row : correlations_->rowCount() - 1);
  });
  Reload();
}

void SettingsPage::Reload() {
  iterations_->setText(QString::number(draft_.iterations));
  seed_->setText(draft_.seed ? QString::number(*draft_.seed) : QString());
  sampling_->setCurrentIndex(draft_.sampling == prob::Sampling::Random ? 1 : 0);
  QStringList percentiles;
  for (double p : draft_.percentiles) percentiles << Number(p);
  percentiles_->setText(percentiles.join(", "));
  for (std::size_t k = 0; k < references_.size(); ++k) {
    references_[k]->clear();
    for (const auto &r : draft_.reference)
      if (r.result == prob::kResultNames[k]) references_[k]->setText(Number(r.value));
  }
  spearman_->setChecked(draft_.sensitivity.spearman);
  oneAtATime_->setChecked(draft_.sensitivity.oneAtATime);
  sobol_->setChecked(draft_.sensitivity.sobol.has_value());
  sobolBase_->setEnabled(sobol_->isChecked());
  bootstrap_->setEnabled(sobol_->isChecked());
  const prob::SobolOptions sobol = draft_.sensitivity.sobol.value_or(prob::SobolOptions{1024});
  sobolBase_->setText(QString::number(sobol.baseSamples));
  bootstrap_->setText(QString::number(sobol.bootstrap));
  correlations_->setRowCount(0);
  for (const auto &c : draft_.correlations) AddCorrelation(c.first, c.second, c.rank);
}

void SettingsPage::FillCorrelationChoices(int row, const std::string &first,
                                          const std::string &second) {
  for (int column = 0; column < 2; ++column) {
    auto *box = qobject_cast<QComboBox *>(correlations_->cellWidget(row, column));
    if (!box) {
      box = new QComboBox;
      box->setObjectName(QStringLiteral("cbCorrelation%1_%2").arg(row + 1).arg(column + 1));
      correlations_->setCellWidget(row, column, box);
    }
    const std::string &chosen = column == 0 ? first : second;
    box->clear();
    for (const prob::InputDraft &in : draft_.inputs)
      if (in.varied || in.name == chosen) box->addItem(QString::fromStdString(in.name));
    const int at = box->findText(QString::fromStdString(chosen));
    box->setCurrentIndex(at >= 0 ? at : std::min(column, box->count() - 1));
  }
}

void SettingsPage::AddCorrelation(const std::string &first, const std::string &second,
                                  double rank) {
  const int row = correlations_->rowCount();
  correlations_->insertRow(row);
  FillCorrelationChoices(row, first, second);
  auto *edit = new QLineEdit(Number(rank));
  edit->setObjectName(QStringLiteral("edCorrelation%1").arg(row + 1));
  correlations_->setCellWidget(row, 2, edit);
}

void SettingsPage::InputsChanged() {
  for (int row = 0; row < correlations_->rowCount(); ++row) {
    auto text = [&](int column) {
      auto *box = qobject_cast<QComboBox *>(correlations_->cellWidget(row, column));
      return box ? box->currentText().toStdString() : std::string();
    };
    FillCorrelationChoices(row, text(0), text(1));
  }
}

bool SettingsPage::Commit(QString *error) {
  const auto iterations = WholeNumber(iterations_->text());
  if (!iterations) {
    *error = NotNumber(tr("Iterations"), iterations_->text(), tr("a whole number (1 to 10000000)"));
    return false;
  }
  draft_.iterations = *iterations;
  if (seed_->text().trimmed().isEmpty()) {
    draft_.seed.reset();
  } else if (auto seed = WholeNumber(seed_->text())) {
    draft_.seed = *seed;
  } else {
    *error = NotNumber(tr("Seed"), seed_->text(),
                       tr("a whole number of 0 or more; press New seed for one"));
    return false;
  }
  draft_.sampling =
      sampling_->currentIndex() == 1 ? prob::Sampling::Random : prob::Sampling::LatinHypercube;
  const auto percentiles = prob::ParseNumberList(percentiles_->text().toStdString());
  if (!percentiles) {
    *error = NotNumber(tr("Percentiles"), percentiles_->text(),
                       tr("a list of numbers between 0 and 100 (such as 5, 50, 95)"));
    return false;
  }
  draft_.percentiles = *percentiles;
  draft_.reference.clear();
  for (std::size_t k = 0; k < references_.size(); ++k) {
    const QString text = references_[k]->text().trimmed();
    if (text.isEmpty()) continue;
    const auto value = prob::ParseNumberList(text.toStdString());
    if (!value || value->size() != 1) {
      *error = NotNumber(tr("The reference value of %1").arg(prob::kResultNames[k]), text,
                         tr("a number (leave it empty for none)"));
      return false;
    }
    draft_.reference.push_back({prob::kResultNames[k], value->front()});
  }
  draft_.sensitivity.spearman = spearman_->isChecked();
  draft_.sensitivity.oneAtATime = oneAtATime_->isChecked();
  draft_.sensitivity.sobol.reset();
  if (sobol_->isChecked()) {
    const auto base = WholeNumber(sobolBase_->text());
    const auto bootstrap = WholeNumber(bootstrap_->text());
    if (!base || !bootstrap) {
      *error = NotNumber(!base ? tr("Base samples") : tr("Bootstrap replicates"),
                         !base ? sobolBase_->text() : bootstrap_->text(), tr("a whole number"));
      return false;
    }
    draft_.sensitivity.sobol = prob::SobolOptions{*base, *bootstrap};
  }
  draft_.correlations.clear();
  for (int row = 0; row < correlations_->rowCount(); ++row) {
    auto *first = qobject_cast<QComboBox *>(correlations_->cellWidget(row, 0));
    auto *second = qobject_cast<QComboBox *>(correlations_->cellWidget(row, 1));
    auto *rank = qobject_cast<QLineEdit *>(correlations_->cellWidget(row, 2));
    if (!first || !second || !rank) continue;
    const auto value = prob::ParseNumberList(rank->text().toStdString());
    if (!value || value->size() != 1) {
      *error = NotNumber(tr("The rank correlation in row %1").arg(row + 1), rank->text(),
                         tr("a number from -1 to 1"));
      return false;
    }
    draft_.correlations.push_back(
        {first->currentText().toStdString(), second->currentText().toStdString(), value->front()});
  }
  return true;
}

}  // namespace lumo::ui
