// "Sweep an Input": the scenario being edited run with one input set to
// each of a range of values (FROM, TO, COUNT evenly spaced) or a list of
// values, everything else fixed; each value applied as its dialog applies
// it (corrected, rounded, refused as the dialog would, with what the dialog
// derives). The table lists every value with its ten results, or why it has
// none; the plot shows the chosen result against the input. The table is
// exported as a workbook.
#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sweep.h"

class QChartView;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

class SweepWindow : public QDialog {
  Q_OBJECT

 public:
  // Sweeps a copy of `scenario` (taken now); `programDirectory` holds the
  // engine library.
  SweepWindow(QWidget *parent, const lumo::TLumoState &scenario, std::string programDirectory);
  ~SweepWindow() override;

  // Shows a file dialog and returns the chosen path (empty: cancelled).
  using FileChooser = std::function<QString(QFileDialog &)>;
  void SetFileChooser(FileChooser chooser);

  // Reads the fields and runs the sweep on a thread of its own; a sweep the
  // fields do not describe is refused with a message.
  void Run();
  bool Busy() const { return busy_; }
  const std::vector<lumo::comparison::SweepPoint> &Points() const { return points_; }
  const lumo::comparison::SweepRequest &Request() const { return request_; }
  bool ExportWorkbook(const QString &path);

 private:
  void InputChanged();
  void Plot();
  void ExportClick();
  void UpdateButtons();

  std::unique_ptr<lumo::TLumoState> scenario_;
  std::string programDirectory_;
  FileChooser chooser_;
  lumo::comparison::SweepRequest request_;
  std::vector<lumo::comparison::SweepPoint> points_;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  bool busy_ = false;

  QComboBox *input_ = nullptr;
  QLabel *current_ = nullptr;
  QRadioButton *range_ = nullptr;
  QRadioButton *list_ = nullptr;
  QLineEdit *from_ = nullptr;
  QLineEdit *to_ = nullptr;
  QSpinBox *count_ = nullptr;
  QLineEdit *values_ = nullptr;
  QPushButton *runButton_ = nullptr;
  QPushButton *stopButton_ = nullptr;
  QPushButton *exportButton_ = nullptr;
  QComboBox *result_ = nullptr;
  QTableWidget *table_ = nullptr;
  QChartView *chart_ = nullptr;
  QLabel *status_ = nullptr;
};
