// TfrmConcentrationPlot, "Concentration Plot": the concentrations of a run
// against time in days, read from the run's concentration CSV file
// (outdoors, zone 1, zone 2 when the run had two zones, and at the person),
// in mg/m³ or ppm, on a linear or logarithmic axis; drag a rectangle to
// zoom, right-click or "Reset Zoom" to go back; export to PNG.
//
// Usable on the CSV of a stopped run (it plots the rows written). A missing
// or unreadable file is said in the window itself, so the caller needs no
// checks of its own:
//
//   auto *plot = new TfrmConcentrationPlot(this, csvPath, molecularWeight);
//   plot->setAttribute(Qt::WA_DeleteOnClose);
//   plot->show();
//
// A molecular weight that is not a positive number leaves only mg/m³. The
// chart itself says that it shows the reported values only, that a series
// shorter than `runLengthDays` (when given) is partial, and any `caveat` the
// caller adds (plot_notes.h); an exported picture carries them too.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include "concentration_csv.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

class TfrmConcentrationPlot : public QDialog {
  Q_OBJECT

 public:
  TfrmConcentrationPlot(QWidget *parent, const QString &csvPath, double molecularWeight,
                        double runLengthDays = 0.0, const QString &caveat = QString());

  // True when the file was read and plotted.
  bool HasData() const { return ok_; }
  // The message shown instead of a plot, empty when there is a plot.
  QString Problem() const { return problem_; }
  const lumo::report::ConcentrationTable &Table() const { return table_; }
  // The notes shown on the chart, one per line.
  QStringList Notes() const { return notes_; }

  // ppm when true, mg/m³ otherwise (ppm needs a molecular weight).
  void SetPpm(bool ppm);
  void SetLogScale(bool log);
  void ResetZoom();
  // Saves the chart as a PNG image; shows a message and returns false when
  // the file cannot be written.
  bool ExportPng(const QString &path);
  // Saves the concentrations as a UTF-8 CSV file in the units shown
  // (series_csv.h); shows a message and returns false when the file cannot
  // be written.
  bool ExportCsv(const QString &path);
  // The chart drawn into a picture of `size` pixels, for a printed page
  // (the window need not be shown). A null picture when there is no plot.
  QImage ChartImage(const QSize &size);

 private:
  void Replot();
  void ExportClick();
  void ExportCsvClick();

  QString csvPath_;
  double molecularWeight_;
  lumo::report::ConcentrationTable table_;
  bool ok_ = false;
  QString problem_;
  double runLengthDays_ = 0.0;
  QString caveat_;
  QStringList notes_;
  bool ppm_ = false;
  bool log_ = false;
  QChartView *chartView_ = nullptr;
  QComboBox *cbUnits_ = nullptr;
  QComboBox *cbScale_ = nullptr;
  QLabel *lblStatus_ = nullptr;
};
