// TfrmMain: the program's main window.
//
// Data flow. The window owns the one scenario object State_ (a
// LumoTransfer) from creation to destruction. Every control writes into
// State_ when the user changes it; the window then runs the scenario rules
// (model/scenario_rules.h), which apply the derivations that follow from
// the change, and refills every control from State_ (RefreshFromState), so
// that what is shown is always what State_ holds. Parameter dialogs edit
// State_ in place; the window copies the record (and the painting
// schedule) aside before each dialog and puts the copy back unless the
// dialog ends with OK. A run copies the scenario into the engine's record
// and works on that copy on a worker thread; its reports come back as
// blocking queued calls into this window's thread, and the results are
// copied into State_ on the run-finished report, stamped with a checksum of
// the inputs the run started with. Every change of the scenario re-checks
// that stamp (UpdateResultsView), so results are shown as those of the
// current inputs only while they are; otherwise greyed, with a sentence
// that says whose they are, and a stopped or failed run says so.
//
// The handlers are split by page: main_window_scenario.cpp (Painting
// Scenario), main_window_paint.cpp (Paint & Chemical),
// main_window_occupancy.cpp (Occupancy & Exposure), main_window_run.cpp
// (Execution and the run reports), main_window_files.cpp (New, Open, Save)
// and main_window_help.cpp (help and information buttons).
//
// A change of the window's own controls that changes the work to be done
// (building, area, surfaces, coats, the person, location, gender) is kept
// only when the painting schedule still holds it; otherwise record and
// schedule are put back, the controls show them again and one message says
// why (ApplyIfScheduleFits). The dialogs whose values feed the schedule
// refuse OK the same way.
//
// Every modal window the main window opens goes through one seam
// (SetDialogRunner), and the file dialogs through another
// (SetFileChooser), so that tests can drive the window headless.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "lumo_transfer.h"
#include "parameter_dialogs.h"
#include "program_layout.h"
#include "results_provenance.h"
#include "results_view.h"
#include "run_length_adequacy.h"
#include "run_notifications.h"
#include "saved_scenario.h"
#include "schedule_fit.h"

class QDialog;
class QFileDialog;
class QMenu;
class QSettings;
class QAbstractButton;
class THelpBut;
class TfrmAssessment;
class TfrmPrint;

namespace Ui {
class TfrmMain;
class PagePaintingScenario;
class PagePaintChemical;
class PageOccupancyExposure;
class PageExecution;
}  // namespace Ui

class TfrmMain : public QMainWindow, public lumo::RunNotifications {
  Q_OBJECT

 public:
  // `programDirectory` holds the engine library, "Chems.dat", the help
  // documents and the default scenario; by default the running program's
  // own folder.
  explicit TfrmMain(QWidget *parent = nullptr);
  explicit TfrmMain(const std::string &programDirectory, QWidget *parent = nullptr);
  // Everything where `layout` puts it (program_layout.h); settings (recent
  // files, the last folder) in its settings folder.
  explicit TfrmMain(const lumo::platform::ProgramLayout &layout, QWidget *parent = nullptr);
  ~TfrmMain() override;

  lumo::LumoTransfer &State() { return *State_; }
  const std::string &ProgramDirectory() const { return State_->ProgramDirectory(); }
  const lumo::platform::ProgramLayout &Layout() const { return layout_; }
  // The settings file (recent files, the last folder, the window's geometry).
  QSettings &Settings() { return *settings_; }

  // ---- Seams ---------------------------------------------------------------
  // Shows a modal window and returns its result (default: exec()).
  using DialogRunner = std::function<int(QDialog &)>;
  void SetDialogRunner(DialogRunner runner);
  // Shows a file dialog and returns the chosen path, or an empty string
  // when the user cancelled (default: exec()).
  using FileChooser = std::function<QString(QFileDialog &)>;
  void SetFileChooser(FileChooser chooser);

  // ---- Commands (menu, tool bar and buttons run these) ----------------------
  void New1Click();
  void Open1Click();
  // Opens a named scenario file (the command line, File, Open Recent) the
  // way File, Open opens the file chosen; true when it was opened.
  bool OpenScenarioFile(const QString &path);
  // File, Open Recent's files, newest first.
  QStringList RecentFiles() const;
  void Save1Click();
  void SaveandExecute1Click();
  void btnExecuteClick();
  void btnClearClick();
  // Opens the concentration plot of the last run's CSV (also of a stopped
  // run); the plot explains a missing or unreadable file itself.
  void btnPlotClick();
  // Tools: the Compare and Sweep windows, and the current results with the
  // inputs and the last run's concentrations as a workbook (false, with a
  // message, when it cannot be written).
  void CompareScenariosClick();
  void SweepInputClick();
  bool ExportWorkbook(const QString &path);
  // Opens (or raises) the probabilistic assessment window of this scenario.
  void ProbabilisticAssessmentClick();
  // The probabilistic assessment window, or null before it is first opened.
  TfrmAssessment *AssessmentWindow() const;
  // Refills every control from State_, deriving what the refill derives
  // (the Standard Box's volume; the painting schedule unless a file is
  // being opened).
  void RefreshFromState();
  // Refills every control from State_ without deriving anything.
  void ShowState();

  // True while a run is going (btnExecute reads "Stop").
  bool Running() const;
  // True when the scenario differs from the file it was opened from or
  // saved to (or from the defaults of New); the caption then begins with
  // "*".
  bool ScenarioModified() const;
  // The chemical list the editor changes: in the program's directory, or the
  // user's copy (program_layout.h).
  QString ChemicalListPath() const;
  // Fetches the engine's help texts into every more-information button
  // (done once, when the window is first shown).
  void LoadMoreInfoTexts();

  // ---- Run notifications (called on the worker's thread) --------------------
  void RunProgress(lumo::RunId run, int percent) override;
  void RunDone(lumo::RunId run, ExecutionResultsRecord results) override;
  void RunNoLibrary(lumo::RunId run, std::string detail) override;
  void RunInitFailed(lumo::RunId run) override;
  void RunFailed(lumo::RunId run, std::string message) override;
  void RunStopped(lumo::RunId run, int percent) override;

 protected:
  void closeEvent(QCloseEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  // Shorthands for the pages' controls.
  Ui::PagePaintingScenario &Scenario();
  Ui::PagePaintChemical &Paint();
  Ui::PageOccupancyExposure &Occupancy();
  Ui::PageExecution &Execution();

  void Refill(bool derive);
  void Connect();
  void ConnectScenario();
  void ConnectPaint();
  void ConnectOccupancy();
  void ConnectRun();
  void ConnectFiles();
  void ConnectHelp();
  void ConnectStudies();
  lumo::ResultsState CurrentResultsState() const;
  void ConnectAssessment();
  // After a scenario is opened: offers its distribution file (NAME.mc.json)
  // when there is one.
  void OfferDistributionFile(const QString &scenarioPath);
  // Gives the report the last probabilistic assessment's page, if any.
  void AttachProbabilisticPage(TfrmPrint &report);
  void ConnectKeys();

  // Runs `step`; a scenario error it raises (painting schedule too long, a
  // text that cannot be stored) is shown and the window refilled.
  void Guarded(const std::function<void()> &step);
  void ShowError(const QString &caption, const QString &text);

  // ---- The painting schedule ---------------------------------------------------
  // The record and schedule as they were before a change.
  struct ScenarioCopy {
    lumo::ScenarioRecord Record;
    std::unique_ptr<lumo::PaintDurationGrid> Schedule;
  };
  ScenarioCopy CopyScenario() const;
  void RestoreScenario(const ScenarioCopy &copy);
  // Runs `apply` (model changes only). When the painting schedule of the
  // result does not fit, puts `before` back, shows it, says why (naming
  // `edited`, or the refused `choice` when one is given) and returns false.
  bool ApplyIfScheduleFits(const ScenarioCopy &before, lumo::ScheduleInput edited,
                           const QString &choice, const std::function<void()> &apply);
  // The words of a choice for a message: its caption without the access
  // mark and without a note in brackets.
  static QString ChoiceText(const QAbstractButton *button);

  // ---- Dialog protocol -------------------------------------------------------
  // Copies the record and schedule aside, shows the dialog, puts the copy
  // back unless it ends with OK. True for OK.
  bool RunParameterDialog(lumo::ui::ParameterDialog kind);
  int RunModal(QDialog &dialog);

  // ---- Painting Scenario ------------------------------------------------------
  std::optional<lumo::BldgType> CheckedBuilding() const;
  void CheckBuilding(lumo::BldgType type);
  void gbPaintedBuildingClick(QAbstractButton *clicked);
  // The Standard Box rule; false when the Standard Box was refused.
  bool rbScenarioStandardBoxClick();
  void edOtherEditbtnClick();
  void btnEditVolumeClick();
  void btnEditPercentPaintedClick();
  void btnEditAirflowsClick();
  void btnEditPaintedSurfaceAreaClick();
  void btnEditAmountofPaintClick();
  void btnEditPaintingDurationClick();
  void rbScenarioWallsOnlyClick(lumo::BldgSurface surface);
  void CoatsExit(bool primer);
  void ReapplyIndividual();

  // ---- Paint & Chemical ---------------------------------------------------------
  void rbPaintTypeClick(lumo::PaintType type);
  void WeightFractionExit(bool primer);
  // Fills cbChemicalNames from the chemical list file; false (and nothing
  // changed) when the file cannot be read.
  bool FillChemicalList();
  // Fills the list and selects the default chemical.
  void LoadChemicalList();
  // Shows the selected chemical's values; false when the list does not hold
  // it (message shown).
  bool ShowSelectedChemical();
  void cbChemicalNamesChange();
  void SelectChemical(const QString &name);
  void ShowChemicalValues(double molecularWeight, double vaporPressure);
  // True when the scenario's chemical is not in the chemical list.
  bool ChemicalNotListed() const;
  void btnChemicalEditAddClick();
  void btnEmissionsClick(bool primer);
  void btnSinkClick();
  void btnSpecificDensityClick();
  void ShowModelNames();

  // ---- Occupancy & Exposure -----------------------------------------------------
  void rgIndividualClick(int index);
  void rgLocationClick(int index);
  void rggenderClick(int index);
  void ExposureDialogClick(lumo::ui::ParameterDialog kind);

  // ---- Execution -------------------------------------------------------------------
  void TextExit();
  void numedRunExit();
  void ReportIntervalChanged(int minutes);
  void ShowResults(const ExecutionResultsRecord &results);
  // Shows the stored results as what they are: those of the current inputs,
  // out of date, of unknown inputs, or none, with the end of the last run
  // (results_view.h). Run after every change of the scenario.
  void UpdateResultsView();
  // No run in this session yet (a new or opened scenario): the progress bar
  // at 0 and the stored results shown for what they are.
  void ResetRunDisplay();
  void EndRunState();
  void SetResultFields(const std::function<QString(double lumo::ScenarioRecord::*)> &text);
  // Says under the results whether the run was long enough for the
  // long-term measures (run_length_adequacy.h); nothing unless the results
  // are those of the current inputs.
  void ShowRunLength(bool currentResults);
  void btnPrintReportClick();
  // Stops a run and waits until its worker has ended, handling its last
  // reports meanwhile (closing, destruction).
  void StopAndWait();

  // ---- Files ------------------------------------------------------------------------
  void SaveAs1Click();
  // Saves to `path`; shows "Saved as ..." or why it failed. True when saved.
  bool SaveTo(const QString &path);
  // Opens `path`; shows why it failed. True when opened.
  bool OpenFrom(const QString &path);
  void SetCaptionForFile(const QString &path);
  QString ChooseFile(QFileDialog &dialog);
  // Open Recent and the last folder (main_window_recent.cpp).
  void ConnectRecent();
  void RebuildRecentMenu();
  // A file opened or saved: first in Open Recent, its folder the last one.
  void RememberFile(const QString &path);
  // Where File, Open and Save As start: the current file's folder, or for the
  // start-up scenario the last folder used (if it still exists).
  QString StartFolder() const;
  // The scenario as it stands becomes the one its file holds.
  void RememberSaved();
  // The caption: the program, the file, and "*" first when modified.
  void UpdateCaption();
  // Before the scenario is replaced or the window closes: when there are
  // changes to lose, asks Save / Discard / Cancel (`caption`, `question`).
  // True to go on: nothing to lose, Discard, or Save and the file saved.
  bool MaySetScenarioAside(const QString &caption, const QString &question);

  // ---- Help -----------------------------------------------------------------------------
  void HelpButtonClick(QAbstractButton *button);
  void InfoButtonClick(QAbstractButton *button);
  void AboutClick();
  void HelpButtonsClick();
  // F1: the "?" button of the focused control (the one on its line in the
  // nearest group that has one), or the first of the page shown.
  QAbstractButton *HelpButtonFor(QWidget *focus) const;
  void HelpForFocus();

  std::unique_ptr<Ui::TfrmMain> ui_;
  lumo::platform::ProgramLayout layout_;
  std::unique_ptr<QSettings> settings_;
  QMenu *recentMenu_ = nullptr;
  std::unique_ptr<lumo::LumoTransfer> State_;

  // Guard flags: set while the window is refilled from State_; set for the
  // whole of Open; set before a building button is re-checked from code.
  bool refreshing_ = false;
  bool fileLoading_ = false;
  bool buildingGuard_ = false;

  DialogRunner dialogRunner_;
  FileChooser fileChooser_;
  lumo::RunId currentRun_ = 0;
  lumo::RunId stoppedRun_ = 0;  // the run the user stopped last
  int lastPercent_ = 0;         // of the current run
  lumo::LastRun lastRun_;
  bool displayCleared_ = false;  // Clear pressed since the last run
  double runMolecularWeight_ = 0.0;
  // The concentration CSV of the last run started, empty before any, with
  // the run's length and the checksum of its inputs.
  QString runCsvPath_;
  double runLengthDays_ = 0.0;
  std::uint32_t runInputs_ = 0;
  bool helpTextsLoaded_ = false;
  THelpBut *helpButtons_ = nullptr;
  bool closing_ = false;
  QPointer<TfrmAssessment> assessment_;
  lumo::SavedScenario saved_;
  // The run-length assessment of the inputs with this checksum (0: none).
  std::optional<lumo::RunLengthAdequacy> runLength_;
  std::uint32_t runLengthOf_ = 0;
  QString captionFile_;  // empty for a scenario without a file
};
