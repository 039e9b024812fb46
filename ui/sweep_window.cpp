#include "sweep_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "input_captions.h"
#include "message_box.h"
#include "result_text.h"
#include "study_table.h"
#include "workbook.h"

using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;
using namespace lumo::comparison;

namespace {

QString Text(const std::string &s) {
  return QString::fromStdString(s);
}

QString Caption(const lumo::VariableInput &in) {
  return Text(InputCaption(in.name)) +
         (in.unit.empty() ? QString() : QStringLiteral(" (%1)").arg(Text(in.unit)));
}

}  // namespace

SweepWindow::SweepWindow(QWidget *parent, const lumo::TLumoState &scenario,
                         std::string programDirectory)
    : QDialog(parent),
      scenario_(std::make_unique<lumo::TLumoState>()),
      programDirectory_(std::move(programDirectory)) {
  scenario_->ScenarioRecord = scenario.ScenarioRecord;
  scenario_->PaintDurationGrid() = scenario.PaintDurationGrid();
  setObjectName(QStringLiteral("SweepWindow"));
  setWindowTitle(tr("Sweep an Input"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  resize(1100, 720);

  input_ = new QComboBox(this);
  input_->setObjectName(QStringLiteral("inputCombo"));
  for (const lumo::VariableInput &in : lumo::VariableInputs())
    input_->addItem(Caption(in), Text(in.name));
  current_ = new QLabel(this);
  current_->setObjectName(QStringLiteral("currentValueLabel"));

  range_ = new QRadioButton(tr("&Range"), this);
  range_->setObjectName(QStringLiteral("rangeRadio"));
  range_->setChecked(true);
  list_ = new QRadioButton(tr("&List of values"), this);
  list_->setObjectName(QStringLiteral("listRadio"));
  from_ = new QLineEdit(this);
  from_->setObjectName(QStringLiteral("fromEdit"));
  to_ = new QLineEdit(this);
  to_->setObjectName(QStringLiteral("toEdit"));
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("countSpin"));
  count_->setRange(2, static_cast<int>(kMaxSweepValues));
  count_->setValue(10);
  values_ = new QLineEdit(this);
  values_->setObjectName(QStringLiteral("valuesEdit"));
  values_->setPlaceholderText(tr("for example 0.25, 0.5, 1, 2"));
  values_->setEnabled(false);

  auto *rangeRow = new QHBoxLayout;
  rangeRow->addWidget(range_);
  rangeRow->addWidget(new QLabel(tr("From"), this));
  rangeRow->addWidget(from_);
  rangeRow->addWidget(new QLabel(tr("to"), this));
  rangeRow->addWidget(to_);
  rangeRow->addWidget(new QLabel(tr("in"), this));
  rangeRow->addWidget(count_);
  rangeRow->addWidget(new QLabel(tr("values"), this));
  rangeRow->addStretch(1);
  auto *listRow = new QHBoxLayout;
  listRow->addWidget(list_);
  listRow->addWidget(values_, 1);

  runButton_ = new QPushButton(tr("&Run"), this);
  runButton_->setObjectName(QStringLiteral("runButton"));
  stopButton_ = new QPushButton(tr("&Stop"), this);
  stopButton_->setObjectName(QStringLiteral("stopButton"));
  exportButton_ = new QPushButton(tr("&Export Workbook..."), this);
  exportButton_->setObjectName(QStringLiteral("exportButton"));
  auto *close = new QPushButton(tr("C&lose"), this);
  close->setObjectName(QStringLiteral("closeButton"));
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(runButton_);
  buttons->addWidget(stopButton_);
  buttons->addWidget(exportButton_);
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto *form = new QFormLayout;
  form->addRow(tr("&Input:"), input_);
  form->addRow(QString(), current_);
  form->addRow(tr("Values:"), rangeRow);
  form->addRow(QString(), listRow);

  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("resultsTable"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  result_ = new QComboBox(this);
  result_->setObjectName(QStringLiteral("resultCombo"));
  for (const lumo::ResultField &f : lumo::kResultFields)
    result_->addItem(QStringLiteral("%1 - %2 (%3)")
                         .arg(QLatin1String(f.name), QLatin1String(f.label), Text(f.unit)));
  chart_ = new QChartView(new QChart, this);
  chart_->setObjectName(QStringLiteral("plot"));
  chart_->setRenderHint(QPainter::Antialiasing);
  auto *plotBox = new QWidget(this);
  auto *plotLayout = new QVBoxLayout(plotBox);
  plotLayout->setContentsMargins(0, 0, 0, 0);
  auto *plotTop = new QHBoxLayout;
  plotTop->addWidget(new QLabel(tr("Plot:"), this));
  plotTop->addWidget(result_);
  plotTop->addStretch(1);
  plotLayout->addLayout(plotTop);
  plotLayout->addWidget(chart_, 1);
  auto *split = new QSplitter(Qt::Vertical, this);
  split->addWidget(table_);
  split->addWidget(plotBox);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  chart_->setMinimumHeight(280);
  split->setSizes({240, 340});

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("statusLabel"));
  status_->setWordWrap(true);
  status_->setText(
      tr("The sweep runs the scenario as it was when this window opened; the "
         "scenario itself is not changed."));

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->addWidget(split, 1);
  layout->addWidget(status_);

  connect(input_, &QComboBox::currentIndexChanged, this, &SweepWindow::InputChanged);
  connect(range_, &QRadioButton::toggled, this, [this](bool on) {
    from_->setEnabled(on);
    to_->setEnabled(on);
    count_->setEnabled(on);
    values_->setEnabled(!on);
  });
  connect(runButton_, &QPushButton::clicked, this, &SweepWindow::Run);
  connect(stopButton_, &QPushButton::clicked, this, [this] { stop_ = true; });
  connect(exportButton_, &QPushButton::clicked, this, &SweepWindow::ExportClick);
  connect(result_, &QComboBox::currentIndexChanged, this, &SweepWindow::Plot);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  input_->setCurrentIndex(std::max(0, input_->findData(QStringLiteral("AirExchangeRate"))));
  InputChanged();
  UpdateButtons();
}

SweepWindow::~SweepWindow() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

void SweepWindow::SetFileChooser(FileChooser chooser) {
  chooser_ = std::move(chooser);
}

void SweepWindow::InputChanged() {
  const lumo::VariableInput *in =
      lumo::FindVariableInput(input_->currentData().toString().toStdString());
  if (!in) return;
  const double value = in->get(scenario_->ScenarioRecord);
  QString text = tr("This scenario: %1 %2; the field takes %3 to %4%5.")
                     .arg(value, 0, 'g', 6)
                     .arg(Text(in->unit))
                     .arg(in->limits.Min, 0, 'g', 6)
                     .arg(in->limits.Max, 0, 'g', 6)
                     .arg(in->integer ? tr(", whole numbers") : QString());
  if (const auto why = lumo::VariationRefusal(scenario_->ScenarioRecord, *in))
    text += QLatin1Char(' ') + Text(*why);
  current_->setText(text);
  // A range around the scenario's own value to start from, within the
  // field's limits; the limits themselves for a value of 0.
  const bool around = std::isfinite(value) && value != 0;
  from_->setText(
      QString::number(around ? std::max(value / 2, in->limits.Min) : in->limits.Min, 'g', 6));
  to_->setText(
      QString::number(around ? std::min(value * 2, in->limits.Max) : in->limits.Max, 'g', 6));
}

void SweepWindow::UpdateButtons() {
  runButton_->setEnabled(!busy_);
  stopButton_->setEnabled(busy_);
  exportButton_->setEnabled(!busy_ && !points_.empty());
  input_->setEnabled(!busy_);
}

void SweepWindow::Run() {
  if (busy_) return;
  const QString field = input_->currentData().toString();
  const QString text = range_->isChecked()
                           ? QStringLiteral("%1=%2:%3:%4")
                                 .arg(field, from_->text().trimmed(), to_->text().trimmed())
                                 .arg(count_->value())
                           : field + QLatin1Char('=') + values_->text().trimmed();
  SweepRequest request;
  try {
    request = ParseSweep(text.toStdString());
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Problem"), Text(e.what()), MsgIcon::Warning);
    return;
  }
  std::shared_ptr<lumo::EngineRuns> engine;
  try {
    engine = std::make_shared<lumo::EngineRuns>(programDirectory_);
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Problem"), Text(e.what()), MsgIcon::Error);
    return;
  }
  if (worker_.joinable()) worker_.join();
  stop_ = false;
  busy_ = true;
  UpdateButtons();
  status_->setText(tr("Running %1 values...").arg(request.values.size()));
  auto points = std::make_shared<std::vector<SweepPoint>>();
  const lumo::TLumoState *scenario = scenario_.get();
  SweepOptions options;
  options.stop = &stop_;
  worker_ = RunInBackground(
      this, [=] { *points = RunSweep(*scenario, request, *engine, options); },
      [this, points, request] {
        busy_ = false;
        request_ = request;
        points_ = std::move(*points);
        FillStudyTable(table_, SweepTable(request_, points_));
        // A value without results: its row says why (the last column, and
        // the tooltip of every cell), and so does the status line.
        std::size_t failed = 0;
        QString first;
        for (std::size_t i = 0; i < points_.size(); ++i) {
          if (points_[i].ok) continue;
          if (++failed == 1)
            first = tr("%1: %2").arg(points_[i].requested, 0, 'g', 6).arg(Text(points_[i].problem));
          for (int c = 0; c < table_->columnCount(); ++c)
            if (QTableWidgetItem *item = table_->item(static_cast<int>(i), c)) {
              item->setToolTip(Text(points_[i].problem));
              item->setForeground(Qt::darkRed);
            }
        }
        status_->setText(failed == 0 ? tr("%1 values run.").arg(points_.size())
                                     : tr("%1 of %2 values have no results. %3")
                                           .arg(failed)
                                           .arg(points_.size())
                                           .arg(first));
        Plot();
        UpdateButtons();
      });
}

void SweepWindow::Plot() {
  auto *chart = new QChart;
  chart->legend()->hide();
  const int k = std::max(0, result_->currentIndex());
  const lumo::ResultField &f = lumo::kResultFields[static_cast<std::size_t>(k)];
  if (request_.input) {
    chart->setTitle(QStringLiteral("%1 against %2")
                        .arg(QLatin1String(f.name), Text(InputCaption(request_.input->name))));
    auto *x = new QValueAxis;
    x->setTitleText(Caption(*request_.input));
    auto *y = new QValueAxis;
    y->setTitleText(QStringLiteral("%1 (%2)").arg(QLatin1String(f.name), Text(f.unit)));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto *line = new QLineSeries;
    auto *dots = new QScatterSeries;
    dots->setMarkerSize(7);
    // In the order of the applied values, so that the line does not zigzag.
    std::vector<std::pair<double, double>> xy;
    for (const SweepPoint &p : points_)
      if (p.ok && p.applied) xy.emplace_back(*p.applied, p.results[static_cast<std::size_t>(k)]);
    std::sort(xy.begin(), xy.end());
    double x0 = 0, x1 = 1, y1 = 1;
    if (!xy.empty()) {
      x0 = xy.front().first;
      x1 = xy.back().first;
      y1 = 0;
    }
    for (const auto &[a, b] : xy) {
      line->append(a, b);
      dots->append(a, b);
      y1 = std::max(y1, b);
    }
    chart->addSeries(line);
    chart->addSeries(dots);
    for (QAbstractSeries *s :
         {static_cast<QAbstractSeries *>(line), static_cast<QAbstractSeries *>(dots)}) {
      s->attachAxis(x);
      s->attachAxis(y);
    }
    if (x0 == x1) {
      x0 -= 0.5;
      x1 += 0.5;
    }
    x->setRange(x0, x1);
    x->applyNiceNumbers();
    y->setRange(0, y1 > 0 ? y1 * 1.05 : 1);
    y->applyNiceNumbers();
  }
  QChart *old = chart_->chart();
  chart_->setChart(chart);
  delete old;
}

bool SweepWindow::ExportWorkbook(const QString &path) {
  if (points_.empty()) return false;
  try {
    WriteWorkbook(path.toStdString(), SweepSheets(*scenario_, request_, points_));
    return true;
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Error"), Text(e.what()), MsgIcon::Error);
    return false;
  }
}

void SweepWindow::ExportClick() {
  QFileDialog dialog(this, tr("Export the Sweep as a Workbook"), QString(),
                     tr("Excel Workbooks (*.xlsx)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("xlsx"));
  const QString path =
      chooser_ ? chooser_(dialog)
               : (dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString());
  if (!path.isEmpty() && ExportWorkbook(path))
    status_->setText(tr("The sweep was written to %1.").arg(path));
}
