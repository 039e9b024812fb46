#include "frm_concentration_plot.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "concentration_series.h"
#include "message_box.h"
#include "platform.h"
#include "plot_notes.h"
#include "report_format.h"
#include "series_csv.h"

using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;
using lumo::report::ConcUnit;

namespace {

QString UnitText(bool ppm) {
  return ppm ? QStringLiteral("ppm") : QStringLiteral("mg/m³");
}

}  // namespace

TfrmConcentrationPlot::TfrmConcentrationPlot(QWidget *parent, const QString &csvPath,
                                             double molecularWeight, double runLengthDays,
                                             const QString &caveat)
    : QDialog(parent),
      csvPath_(csvPath),
      molecularWeight_(molecularWeight),
      runLengthDays_(runLengthDays),
      caveat_(caveat) {
  setObjectName(QStringLiteral("frmConcentrationPlot"));
  setWindowTitle(tr("Concentration Plot"));
  resize(820, 560);

  auto *tools = new QHBoxLayout;
  tools->addWidget(new QLabel(tr("Units:"), this));
  cbUnits_ = new QComboBox(this);
  cbUnits_->setObjectName(QStringLiteral("cbUnits"));
  cbUnits_->addItems({UnitText(false), UnitText(true)});
  tools->addWidget(cbUnits_);
  tools->addSpacing(12);
  tools->addWidget(new QLabel(tr("Axis:"), this));
  cbScale_ = new QComboBox(this);
  cbScale_->setObjectName(QStringLiteral("cbScale"));
  cbScale_->addItems({tr("Linear"), tr("Logarithmic")});
  tools->addWidget(cbScale_);
  tools->addSpacing(12);
  auto *btnResetZoom = new QPushButton(tr("Reset &Zoom"), this);
  btnResetZoom->setObjectName(QStringLiteral("btnResetZoom"));
  tools->addWidget(btnResetZoom);
  auto *btnExport = new QPushButton(tr("&Export PNG..."), this);
  btnExport->setObjectName(QStringLiteral("btnExportPng"));
  tools->addWidget(btnExport);
  auto *btnExportCsv = new QPushButton(tr("Export &CSV..."), this);
  btnExportCsv->setObjectName(QStringLiteral("btnExportCsv"));
  tools->addWidget(btnExportCsv);
  tools->addStretch(1);
  auto *btnClose = new QPushButton(tr("&Close"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  tools->addWidget(btnClose);

  chartView_ = new QChartView(this);
  chartView_->setObjectName(QStringLiteral("chartConcentrations"));
  chartView_->setRenderHint(QPainter::Antialiasing);
  // Drag a rectangle to zoom in; a right click zooms out.
  chartView_->setRubberBand(QChartView::RectangleRubberBand);

  lblStatus_ = new QLabel(this);
  lblStatus_->setObjectName(QStringLiteral("lblPlotStatus"));
  lblStatus_->setWordWrap(true);
  lblStatus_->setTextFormat(Qt::PlainText);
  lblStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(chartView_, 1);
  layout->addWidget(lblStatus_);

  connect(cbUnits_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetPpm(index == 1); });
  connect(cbScale_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetLogScale(index == 1); });
  connect(btnResetZoom, &QPushButton::clicked, this, &TfrmConcentrationPlot::ResetZoom);
  connect(btnExport, &QPushButton::clicked, this, &TfrmConcentrationPlot::ExportClick);
  connect(btnExportCsv, &QPushButton::clicked, this, &TfrmConcentrationPlot::ExportCsvClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);

  const lumo::report::CsvReadResult read = lumo::report::ReadConcentrationCsv(csvPath_);
  ok_ = read.table.has_value();
  if (ok_) {
    table_ = *read.table;
    const lumo::report::PlotNotes notes = lumo::report::NotesFor(table_, runLengthDays_);
    if (!notes.partial.isEmpty()) notes_ << notes.partial;
    if (!caveat_.isEmpty()) notes_ << caveat_;
    notes_ << notes.reported;
  } else {
    problem_ = read.problem;
  }
  if (!lumo::report::PpmAvailable(molecularWeight_)) {
    cbUnits_->setEnabled(false);
    cbUnits_->setToolTip(tr("ppm needs the chemical's molecular weight."));
  }
  for (QWidget *w :
       std::initializer_list<QWidget *>{cbScale_, btnResetZoom, btnExport, btnExportCsv}) {
    w->setEnabled(ok_);
  }
  if (!ok_) cbUnits_->setEnabled(false);
  Replot();
}

void TfrmConcentrationPlot::SetPpm(bool ppm) {
  ppm = ppm && lumo::report::PpmAvailable(molecularWeight_);
  if (ppm == ppm_) return;
  ppm_ = ppm;
  const QSignalBlocker block(cbUnits_);
  cbUnits_->setCurrentIndex(ppm_ ? 1 : 0);
  Replot();
}

void TfrmConcentrationPlot::SetLogScale(bool log) {
  if (log == log_) return;
  log_ = log;
  const QSignalBlocker block(cbScale_);
  cbScale_->setCurrentIndex(log_ ? 1 : 0);
  Replot();
}

void TfrmConcentrationPlot::ResetZoom() {
  chartView_->chart()->zoomReset();
}

void TfrmConcentrationPlot::Replot() {
  // A new chart each time: axes of another kind, and the zoom starts over.
  auto *chart = new QChart;
  QChart *old = chartView_->chart();
  chartView_->setChart(chart);
  delete old;
  if (!ok_) {
    chart->setTitle(tr("No concentrations to show"));
    lblStatus_->setText(problem_);
    return;
  }
  const auto curves = lumo::report::ConcentrationCurves(
      table_, ppm_ ? ConcUnit::Ppm : ConcUnit::MgPerCubicMetre, molecularWeight_, log_);
  const lumo::report::PlotRange range = lumo::report::RangeOf(curves, log_);

  // The notes are part of the chart, so that an exported picture keeps them.
  QString title = tr("Concentrations of the run");
  for (int i = 0; i < notes_.size(); ++i) {
    const bool warning = i + 1 < notes_.size();  // all but the reporting note
    title += QStringLiteral("<br><span style=\"font-size:small;%1\">%2</span>")
                 .arg(warning ? QStringLiteral(" color:#b03000;") : QString(),
                      notes_[i].toHtmlEscaped());
  }
  chart->setTitle(title);
  auto *xAxis = new QValueAxis;
  xAxis->setTitleText(tr("Time (days)"));
  xAxis->setRange(range.xMin, range.xMax);
  xAxis->applyNiceNumbers();
  xAxis->setLabelFormat(QStringLiteral("%g"));
  QAbstractAxis *yAxis = nullptr;
  if (log_) {
    auto *axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setRange(range.yMin, range.yMax);
    axis->setMinorTickCount(-1);
    yAxis = axis;
  } else {
    auto *axis = new QValueAxis;
    axis->setRange(range.yMin, range.yMax);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%g"));
    yAxis = axis;
  }
  yAxis->setTitleText(tr("Concentration (%1)").arg(UnitText(ppm_)));
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  for (const auto &curve : curves) {
    auto *series = new QLineSeries;
    series->setName(curve.name);
    series->replace(curve.points);
    chart->addSeries(series);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);

  // Where the person's exposure peaks, for a quick check against the report.
  const auto &person = table_.person;
  const auto peak = std::max_element(person.begin(), person.end());
  const std::size_t at = static_cast<std::size_t>(peak - person.begin());
  const double peakValue = ppm_ ? lumo::report::PpmOf(*peak, molecularWeight_) : *peak;
  // The file holds one row per report interval, so its highest value can
  // lie below the run's Cpeak, which is taken at every step.
  QString status = tr("%1: %2 rows, day %3 to day %4; highest reported concentration at the "
                      "person %5 %6 on day %7.")
                       .arg(QFileInfo(csvPath_).fileName())
                       .arg(table_.Rows())
                       .arg(table_.days.front(), 0, 'f', 3)
                       .arg(table_.days.back(), 0, 'f', 3)
                       .arg(lumo::report::Sci3(peakValue), UnitText(ppm_))
                       .arg(table_.days[at], 0, 'f', 3);
  if (log_) status += tr(" Zero concentrations are not drawn on the logarithmic axis.");
  for (const QString &note : notes_) status += QLatin1Char(' ') + note;
  lblStatus_->setText(status);
}

bool TfrmConcentrationPlot::ExportPng(const QString &path) {
  const QPixmap image = chartView_->grab();
  if (!image.isNull() && image.save(path, "PNG")) return true;
  ShowMessage(this, tr("A Small Error"),
              tr("The picture could not be saved as \"%1\". Check that the folder exists and "
                 "that you may write there.")
                  .arg(path),
              MsgIcon::Error);
  return false;
}

QImage TfrmConcentrationPlot::ChartImage(const QSize &size) {
  if (!ok_) return QImage();
  QChart *chart = chartView_->chart();
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  // The chart laid out at the picture's size, drawn, and put back.
  const QRectF before = chart->geometry();
  chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  chart->scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), chart->geometry());
  painter.end();
  chart->setGeometry(before);
  return image;
}

void TfrmConcentrationPlot::ExportClick() {
  const QFileInfo csv(csvPath_);
  QString path = QFileDialog::getSaveFileName(
      this, tr("Export the Plot as PNG"),
      csv.dir().filePath(csv.completeBaseName() + QStringLiteral(".png")),
      tr("PNG images (*.png)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  ExportPng(path);
}

bool TfrmConcentrationPlot::ExportCsv(const QString &path) {
  lumo::comparison::ConcentrationSeries series;
  series.days = table_.days;
  series.outdoor = table_.outdoor;
  series.zone1 = table_.zone1;
  series.zone2 = table_.zone2;
  series.person = table_.person;
  try {
    lumo::platform::ReplaceFileContents(
        path.toStdString(), lumo::comparison::SeriesCsv(series, ppm_, molecularWeight_));
    return true;
  } catch (const std::exception &e) {
    ShowMessage(this, tr("A Small Error"),
                tr("The concentrations could not be saved as \"%1\": %2. Check that the folder "
                   "exists and that you may write there.")
                    .arg(path, QString::fromStdString(e.what())),
                MsgIcon::Error);
    return false;
  }
}

void TfrmConcentrationPlot::ExportCsvClick() {
  const QFileInfo csv(csvPath_);
  QString path = QFileDialog::getSaveFileName(
      this, tr("Export the Concentrations as CSV"),
      csv.dir().filePath(csv.completeBaseName() + QStringLiteral(" concentrations.csv")),
      tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
  ExportCsv(path);
}
