#include "compare_window.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "message_box.h"
#include "study_table.h"
#include "workbook.h"

using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;
using namespace lumo::comparison;

namespace {

QPushButton *Button(QWidget *parent, const QString &text, const char *name) {
  auto *b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  return b;
}

QString Text(const std::string &s) {
  return QString::fromStdString(s);
}

}  // namespace

CompareWindow::CompareWindow(QWidget *parent, std::string programDirectory)
    : QDialog(parent), programDirectory_(std::move(programDirectory)) {
  setObjectName(QStringLiteral("CompareWindow"));
  setWindowTitle(tr("Compare Scenarios"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  resize(1100, 720);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("scenarioList"));
  list_->setMaximumHeight(90);
  addButton_ = Button(this, tr("&Add Scenarios..."), "addButton");
  removeButton_ = Button(this, tr("&Remove"), "removeButton");
  compareButton_ = Button(this, tr("&Compare"), "compareButton");
  exportButton_ = Button(this, tr("&Export Workbook..."), "exportButton");
  auto *close = Button(this, tr("C&lose"), "closeButton");
  auto *buttons = new QVBoxLayout;
  for (QPushButton *b : {addButton_, removeButton_, compareButton_, exportButton_})
    buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto *top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(buttons);

  resultsTable_ = new QTableWidget(this);
  resultsTable_->setObjectName(QStringLiteral("resultsTable"));
  inputsTable_ = new QTableWidget(this);
  inputsTable_->setObjectName(QStringLiteral("inputsTable"));
  for (QTableWidget *t : {resultsTable_, inputsTable_}) {
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->hide();
  }
  chart_ = new QChartView(new QChart, this);
  chart_->setObjectName(QStringLiteral("plot"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumHeight(240);

  auto *tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabs"));
  tabs->addTab(resultsTable_, tr("Results"));
  tabs->addTab(inputsTable_, tr("Inputs That Differ"));
  auto *split = new QSplitter(Qt::Vertical, this);
  split->addWidget(tabs);
  split->addWidget(chart_);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("statusLabel"));
  status_->setWordWrap(true);
  status_->setText(
      tr("Add two or more scenarios, then Compare. Saved scenarios are run as saved, the "
         "current one as it was when this window opened; nothing is written beside them."));

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(split, 1);
  layout->addWidget(status_);

  connect(addButton_, &QPushButton::clicked, this, &CompareWindow::AddClick);
  connect(removeButton_, &QPushButton::clicked, this, &CompareWindow::RemoveClick);
  connect(compareButton_, &QPushButton::clicked, this, &CompareWindow::Compare);
  connect(exportButton_, &QPushButton::clicked, this, &CompareWindow::ExportClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  UpdateButtons();
}

CompareWindow::~CompareWindow() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

void CompareWindow::SetFileChooser(FileChooser chooser) {
  chooser_ = std::move(chooser);
}

void CompareWindow::AddScenario(const QString &label, const lumo::TLumoState &state) {
  auto copy = std::make_shared<lumo::TLumoState>();
  copy->ScenarioRecord = state.ScenarioRecord;
  copy->PaintDurationGrid() = state.PaintDurationGrid();
  scenarios_.push_back({label.toStdString(), std::move(copy), {}});
  list_->addItem(label);
  UpdateButtons();
}

void CompareWindow::AddFiles(const QStringList &paths) {
  for (const QString &path : paths) {
    ScenarioToCompare s;
    s.label = QFileInfo(path).fileName().toStdString();
    try {
      s.state = OpenScenario(path.toStdString());
      list_->addItem(QFileInfo(path).fileName());
    } catch (const std::exception &e) {
      s.error = e.what();
      list_->addItem(tr("%1 (cannot be opened)").arg(QFileInfo(path).fileName()));
    }
    list_->item(list_->count() - 1)->setToolTip(path);
    scenarios_.push_back(std::move(s));
  }
  UpdateButtons();
}

void CompareWindow::AddClick() {
  QFileDialog dialog(this, tr("Add Scenarios to Compare"), QString(),
                     tr("LUMO Files (*.vkx);;All Files (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  const QStringList paths =
      chooser_ ? chooser_(dialog)
               : (dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList());
  AddFiles(paths);
}

void CompareWindow::RemoveClick() {
  const int row = list_->currentRow();
  if (row < 0 || Busy()) return;
  delete list_->takeItem(row);
  scenarios_.erase(scenarios_.begin() + row);
  UpdateButtons();
}

void CompareWindow::UpdateButtons() {
  const bool busy = Busy();
  addButton_->setEnabled(!busy);
  removeButton_->setEnabled(!busy && list_->currentRow() >= 0);
  compareButton_->setEnabled(!busy && scenarios_.size() >= 2);
  exportButton_->setEnabled(!busy && result_.has_value());
}

void CompareWindow::Compare() {
  if (Busy() || scenarios_.size() < 2) return;
  if (worker_.joinable()) worker_.join();
  std::shared_ptr<lumo::EngineRuns> engine;
  try {
    engine = std::make_shared<lumo::EngineRuns>(programDirectory_);
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Problem"), Text(e.what()), MsgIcon::Error);
    return;
  }
  busy_ = true;
  UpdateButtons();
  status_->setText(tr("Running %1 scenarios...").arg(scenarios_.size()));
  auto result = std::make_shared<Comparison>();
  const std::vector<ScenarioToCompare> scenarios = scenarios_;
  CompareOptions options;
  options.withSeries = true;
  options.stop = &stop_;
  worker_ = RunInBackground(
      this, [=] { *result = CompareScenarios(scenarios, *engine, options); },
      [this, result] {
        busy_ = false;
        Show(std::move(*result));
      });
}

void CompareWindow::Show(Comparison comparison) {
  result_ = std::move(comparison);
  FillStudyTable(resultsTable_, ComparisonResultsTable(*result_));
  FillStudyTable(inputsTable_, ComparisonInputsTable(*result_), false);
  Plot();
  QStringList problems;
  for (const ComparedScenario &s : result_->scenarios)
    if (!s.run.ok || !s.run.problem.empty())
      problems << tr("%1: %2").arg(Text(s.label), Text(s.run.problem));
  const std::size_t n = result_->differences.size();
  QString text = n == 1 ? tr("1 input differs between the scenarios.")
                        : tr("%1 inputs differ between the scenarios.").arg(n);
  if (result_->differences.empty()) text = tr("The scenarios' inputs are the same.");
  if (!problems.isEmpty())
    text += QLatin1Char(' ') + tr("Without results: ") + problems.join(QStringLiteral("; "));
  status_->setText(text);
  UpdateButtons();
}

void CompareWindow::Plot() {
  auto *chart = new QChart;
  chart->setTitle(tr("Concentration at the person (mg/m³)"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto *x = new QValueAxis;
  x->setTitleText(tr("Time (days)"));
  auto *y = new QValueAxis;
  y->setTitleText(tr("mg/m³"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  double xMax = 0, yMax = 0;
  for (const ComparedScenario &s : result_->scenarios) {
    if (!s.run.series) continue;
    const ConcentrationSeries &c = *s.run.series;
    auto *line = new QLineSeries;
    line->setName(Text(s.label));
    // Thin long runs to about 3000 points, keeping each stretch's peak.
    const std::size_t step = std::max<std::size_t>(1, c.Rows() / 3000);
    for (std::size_t i = 0; i < c.Rows(); i += step) {
      std::size_t peak = i;
      for (std::size_t k = i; k < std::min(c.Rows(), i + step); ++k)
        if (c.person[k] > c.person[peak]) peak = k;
      line->append(c.days[peak], c.person[peak]);
      xMax = std::max(xMax, c.days[peak]);
      yMax = std::max(yMax, c.person[peak]);
    }
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  x->setRange(0, xMax > 0 ? xMax : 1);
  y->setRange(0, yMax > 0 ? yMax * 1.05 : 1);
  x->applyNiceNumbers();
  y->applyNiceNumbers();
  QChart *old = chart_->chart();
  chart_->setChart(chart);
  delete old;
}

bool CompareWindow::ExportWorkbook(const QString &path) {
  if (!result_) return false;
  try {
    WriteWorkbook(path.toStdString(), ComparisonSheets(*result_));
    return true;
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Error"), Text(e.what()), MsgIcon::Error);
    return false;
  }
}

void CompareWindow::ExportClick() {
  QFileDialog dialog(this, tr("Export the Comparison as a Workbook"), QString(),
                     tr("Excel Workbooks (*.xlsx)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("xlsx"));
  const QStringList paths =
      chooser_ ? chooser_(dialog)
               : (dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList());
  if (!paths.isEmpty() && ExportWorkbook(paths.front()))
    status_->setText(tr("The comparison was written to %1.").arg(paths.front()));
}
