// TfrmAssessment: the probabilistic assessment window of the scenario the
// main window holds (saved or not). Three pages: Inputs (what varies and
// how), Settings (iterations, seed, sampling, percentiles, reference
// values, analyses, correlations) and Results (table and plots).
//
// The window keeps one draft of the assessment (assessment_draft.h); Run
// reads it with the distribution file's reader, so a run is exactly what
// the saved file would run, and starts it on the worker thread with a copy
// of the scenario as it is at that moment. One run at a time: Run becomes
// Stop; a stopped run ends with its partial results, marked as such; the
// reports of a run the window no longer owns are ignored.
//
// Files: the distribution file (Open, Save, Save As; suggested beside the
// scenario as NAME.mc.json), and the exports: samples CSV and summary JSON
// as lumo-run writes them, the plot on show as PNG. File dialogs go through
// one seam (SetFileChooser) and messages through controls/message_box.h.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "assessment_draft.h"
#include "assessment_worker.h"
#include "probabilistic_report.h"

namespace lumo {
class LumoTransfer;
}
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace lumo::ui {
class InputsPage;
class ResultsPage;
class SettingsPage;
}  // namespace lumo::ui

class TfrmAssessment : public QWidget {
  Q_OBJECT

 public:
  TfrmAssessment(lumo::LumoTransfer &scenario, QWidget *parent = nullptr);
  ~TfrmAssessment() override;

  // ---- Seams -------------------------------------------------------------------
  // Asks for a file name: caption, suggested path, filter, and whether it is
  // to be written; empty when the user cancelled. Default: a QFileDialog.
  using FileChooser = std::function<QString(const QString &caption, const QString &suggested,
                                            const QString &filter, bool save)>;
  void SetFileChooser(FileChooser chooser);
  // Threads of a run (0: one per core).
  void SetThreads(unsigned threads) { threads_ = threads; }

  // ---- Commands -------------------------------------------------------------------
  void RunClick();  // Run, or Stop while running
  void OpenClick();
  void SaveClick();
  void SaveAsClick();
  void ExportSamplesClick();
  void ExportSummaryClick();
  void ExportPlotClick();
  void HelpClick();
  // Opens a distribution file; says why when it cannot. True when opened.
  bool OpenFile(const QString &path);
  // Writes the draft as a distribution file; says why when it cannot.
  bool SaveTo(const QString &path);
  // The scenario changed (opened, edited): the inputs' own values follow.
  void ScenarioChanged();

  bool Running() const { return currentRun_ != 0; }
  const lumo::prob::AssessmentDraft &Draft() const { return draft_; }
  // The last run's outcome (also a stopped one), or null.
  std::shared_ptr<const lumo::ui::AssessmentOutcome> Outcome() const { return outcome_; }
  QString DistributionFile() const { return file_; }
  // What the results were run on: "House.vkx", N, seed, version.
  QString ResultsHeading() const;
  // The report's Probabilistic page of the last run (with the plots of the
  // result chosen on the Results page); a page saying there is none before.
  lumo::report::ProbabilisticReport Report() const;

 signals:
  // New results (or none): the report follows.
  void resultsChanged();

 protected:
  void closeEvent(QCloseEvent *event) override;
  void showEvent(QShowEvent *event) override;
  // Coming back from the main window: the scenario's values may have changed.
  void changeEvent(QEvent *event) override;

 private:
  void RunProgress(int run, qulonglong done, qulonglong total);
  void RunFinished(int run, std::shared_ptr<const lumo::ui::AssessmentOutcome> outcome);
  void EndRunState();
  // Reads the settings and inputs into an assessment; says why not.
  std::optional<lumo::prob::Assessment> CheckedAssessment();
  QString Choose(const QString &caption, const QString &suggested, const QString &filter,
                 bool save);
  QString ScenarioName() const;
  void Refused(const QString &caption, const QString &text);
  std::map<std::string, double> OwnValues() const;
  bool WriteFile(const QString &path, const std::string &bytes, const QString &what);

  lumo::LumoTransfer &scenario_;
  lumo::prob::AssessmentDraft draft_;
  lumo::ui::AssessmentWorker *worker_;
  lumo::ui::InputsPage *inputs_;
  lumo::ui::SettingsPage *settings_;
  lumo::ui::ResultsPage *results_;
  QTabWidget *tabs_;
  QPushButton *run_;
  QProgressBar *progress_;
  QLabel *status_;
  FileChooser chooser_;
  unsigned threads_ = 0;
  int currentRun_ = 0;
  bool stopping_ = false;
  QString file_;
  QString runScenario_;          // the scenario's name when the run started
  std::uint32_t runInputs_ = 0;  // and the checksum of its inputs
  std::shared_ptr<const lumo::ui::AssessmentOutcome> outcome_;
};
