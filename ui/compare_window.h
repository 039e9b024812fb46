// "Compare Scenarios": several saved scenarios (and the one being edited)
// side by side. Each is run in process for its results and its
// concentration at the person over time; the window shows the ten results
// of each, the inputs that differ between them, and the concentrations at
// the person in one plot, and exports all of it as a workbook.
//
// The runs go on a thread of their own; closing the window stops them.
// File dialogs go through a seam (SetFileChooser) so that tests can drive
// the window headless.
#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "scenario_comparison.h"

class QChartView;
class QFileDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

class CompareWindow : public QDialog {
  Q_OBJECT

 public:
  // `programDirectory` holds the engine library.
  CompareWindow(QWidget *parent, std::string programDirectory);
  ~CompareWindow() override;

  // Shows a file dialog and returns the chosen paths (none: cancelled).
  using FileChooser = std::function<QStringList(QFileDialog &)>;
  void SetFileChooser(FileChooser chooser);

  // Adds a scenario to the list: a copy of `state` under `label`.
  void AddScenario(const QString &label, const lumo::TLumoState &state);
  // Opens and adds saved scenarios; one that cannot be opened is listed
  // with its reason and shows it in the comparison.
  void AddFiles(const QStringList &paths);

  // Runs the comparison of the listed scenarios (on a thread of its own).
  void Compare();
  bool Busy() const { return worker_.joinable() && busy_; }
  // The last comparison, if any.
  const std::optional<lumo::comparison::Comparison> &Result() const { return result_; }
  // Writes the last comparison as a workbook; shows a message and returns
  // false when it cannot be written.
  bool ExportWorkbook(const QString &path);

 private:
  void AddClick();
  void RemoveClick();
  void ExportClick();
  void Show(lumo::comparison::Comparison comparison);
  void Plot();
  void UpdateButtons();

  std::string programDirectory_;
  FileChooser chooser_;
  std::vector<lumo::comparison::ScenarioToCompare> scenarios_;
  std::optional<lumo::comparison::Comparison> result_;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  bool busy_ = false;

  QListWidget *list_ = nullptr;
  QPushButton *addButton_ = nullptr;
  QPushButton *removeButton_ = nullptr;
  QPushButton *compareButton_ = nullptr;
  QPushButton *exportButton_ = nullptr;
  QTableWidget *resultsTable_ = nullptr;
  QTableWidget *inputsTable_ = nullptr;
  QChartView *chart_ = nullptr;
  QLabel *status_ = nullptr;
};
