// New, Open, Save, Save As and Save and Execute; the window caption; the
// menu and tool-bar wiring.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QToolButton>

#include "lumo_errors.h"
#include "main_window.h"
#include "message_box.h"
#include "platform.h"
#include "schedule_fit.h"
#include "ui_main_window.h"
#include "ui_page_paint_chemical.h"

using namespace lumo;
using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

void TfrmMain::ConnectFiles() {
  auto &u = *ui_;
  connect(u.New1, &QAction::triggered, this, &TfrmMain::New1Click);
  connect(u.Open1, &QAction::triggered, this, &TfrmMain::Open1Click);
  connect(u.Save1, &QAction::triggered, this, &TfrmMain::Save1Click);
  connect(u.SaveAs1, &QAction::triggered, this, &TfrmMain::SaveAs1Click);
  connect(u.SaveandExecute1, &QAction::triggered, this, &TfrmMain::SaveandExecute1Click);
  connect(u.Exit1, &QAction::triggered, this, &QWidget::close);
  connect(u.btnOpen, &QToolButton::clicked, this, &TfrmMain::Open1Click);
  connect(u.btnSave, &QToolButton::clicked, this, &TfrmMain::Save1Click);
  connect(u.btnSaveandExecute, &QToolButton::clicked, this, &TfrmMain::SaveandExecute1Click);
  connect(u.btnExit, &QToolButton::clicked, this, &QWidget::close);
  ConnectRecent();
  u.btnOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  u.btnSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  u.btnSaveandExecute->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  u.btnExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void TfrmMain::SetCaptionForFile(const QString &path) {
  captionFile_ = path;
  UpdateCaption();
}

void TfrmMain::UpdateCaption() {
  QString caption = tr("Lumora (LUMO)");
  if (!captionFile_.isEmpty()) caption += tr("- [") + captionFile_ + QLatin1Char(']');
  if (ScenarioModified()) caption.prepend(QLatin1Char('*'));
  setWindowTitle(caption);
}

bool TfrmMain::ScenarioModified() const {
  return State_ && saved_.Differs(State_->ScenarioRecord, State_->PaintDurationGrid());
}

void TfrmMain::RememberSaved() {
  saved_.Remember(State_->ScenarioRecord, State_->PaintDurationGrid());
  UpdateCaption();
}

bool TfrmMain::MaySetScenarioAside(const QString &caption, const QString &question) {
  // A field being edited is left (and stored) first: its edit counts.
  ui_->mainTabs->setFocus();
  if (!ScenarioModified()) return true;
  const QString file =
      captionFile_.isEmpty() ? tr("The new scenario") : tr("The scenario \"%1\"").arg(captionFile_);
  const auto answer =
      ShowMessage(this, caption, tr("%1 has changes that are not saved. %2").arg(file, question),
                  MsgIcon::Question, MsgButton::Save | MsgButton::Discard | MsgButton::Cancel);
  if (answer == MsgButton::Discard) return true;
  if (answer != MsgButton::Save) return false;
  SaveAs1Click();
  return !ScenarioModified();
}

QString TfrmMain::ChooseFile(QFileDialog &dialog) {
  if (fileChooser_) return fileChooser_(dialog);
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

void TfrmMain::New1Click() {
  if (!MaySetScenarioAside(tr("Do you really want to do this?"),
                           tr("Save them before all values are reset?")))
    return;
  // The running calculation belongs to the scenario being replaced.
  if (Running()) {
    State_->StopExecution();
    EndRunState();
  }
  captionFile_.clear();
  auto &r = State_->ScenarioRecord;
  Guarded([&] {
    State_->SetDefault();
    auto *cb = Paint().cbChemicalNames;
    SelectChemical(QString());
    RefreshFromState();
    if (cb->count() > 0) SelectChemical(cb->itemText(0));
    cbChemicalNamesChange();
    const std::string name = State_->StartupScenarioName();
    r.ScenarioFileName.SetText(String255::Fits(name) ? name : std::string("lumo.vkx"));
    State_->CalcSinkAreas();
    const int found =
        cb->findText(QStringLiteral("TMPD-MIB"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) SelectChemical(cb->itemText(found));
    cbChemicalNamesChange();
  });
  ResetRunDisplay();
  RememberSaved();
}

void TfrmMain::Open1Click() {
  fileLoading_ = true;
  QFileDialog dialog(this, tr("Load  LUMO File"), StartFolder(),
                     tr("LUMO Files (*.vkx);;All Files (*)"));
  dialog.setObjectName(QStringLiteral("dlgOpenFile"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("vkx"));
  const QString path = ChooseFile(dialog);
  if (!path.isEmpty()) OpenFrom(path);
  fileLoading_ = false;
}

bool TfrmMain::OpenFrom(const QString &path) {
  // A field being edited is left (and stored) first; changes it would
  // lose are saved or discarded as the user says.
  if (!MaySetScenarioAside(tr("Confirm"), tr("Save them before another scenario is opened?")))
    return false;
  QString error;
  try {
    State_->GetState(path.toStdString());
  } catch (const EFOpenError &e) {
    error = QString::fromStdString(e.what());
  } catch (const EInOutError &e) {
    error = QString::fromStdString(e.what());
  } catch (const EReadError &e) {
    error = QString::fromStdString(e.what());
  } catch (const ELumoError &e) {
    error = QString::fromStdString(e.what());
  } catch (const std::exception &) {
    error = tr("Error Reading File");
  }
  if (!error.isEmpty()) {
    // The scenario, the caption and the file name are as they were.
    ShowError(tr("A Small Error"), error);
    return false;
  }
  if (Running()) {
    State_->StopExecution();
    EndRunState();
  }
  SetCaptionForFile(path);
  RememberFile(path);
  buildingGuard_ = true;
  RefreshFromState();
  buildingGuard_ = false;
  // The file's results are shown for what they are (results_view.h).
  ResetRunDisplay();
  RememberSaved();
  if (!ScheduleFits(State_->ScenarioRecord)) {
    // A file may hold a painting too long for the schedule: say so now, not
    // at the first change or at Execute.
    ShowMessage(this, tr("Painting Limits exceeded"),
                tr("This scenario cannot run as it is: its painting needs %1 days of priming and "
                   "painting, and the painting schedule holds at most 800 days of work. Use a "
                   "smaller painted volume, fewer coats, a larger coverage, more painters, higher "
                   "application rates or more hours a day.")
                    .arg(QLocale().toString(
                        static_cast<qlonglong>(ScheduleDaysNeeded(State_->ScenarioRecord)))),
                MsgIcon::Warning, MsgButton::Ok);
  }
  if (ChemicalNotListed()) {
    ShowMessage(this, tr("Note"),
                tr("The chemical \"%1\" of this scenario is not in the chemical list "
                   "(Chems.dat). Its name, molecular weight and vapor pressure are kept "
                   "as the scenario file gives them.")
                    .arg(QString::fromStdString(State_->ScenarioRecord.ChemicalName.Text())),
                MsgIcon::Information, MsgButton::Ok);
  }
  OfferDistributionFile(path);
  return true;
}

void TfrmMain::Save1Click() {
  SaveAs1Click();
}

void TfrmMain::SaveAs1Click() {
  ui_->mainTabs->setFocus();
  const QString current = QString::fromStdString(State_->ScenarioRecord.ScenarioFileName.Text());
  QFileDialog dialog(this, tr("Save LUMO File"), QString(),
                     tr("LUMO files (*.vkx);;All files (*)"));
  dialog.setObjectName(QStringLiteral("dlgSaveFile"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("vkx"));
  dialog.setDirectory(StartFolder());
  dialog.selectFile(QFileInfo(current).fileName());
  const QString path = ChooseFile(dialog);
  if (!path.isEmpty()) SaveTo(path);
}

bool TfrmMain::SaveTo(const QString &path) {
  try {
    State_->SaveState(path.toStdString());
  } catch (const std::exception &e) {
    // Nothing was replaced; the caption and file name still name the last
    // file that was opened or saved.
    ShowError(tr("A Small Error"), tr("Could not save as ") + path + QStringLiteral(": ") +
                                       QString::fromStdString(e.what()));
    return false;
  }
  captionFile_ = path;
  RememberFile(path);
  RememberSaved();
  ShowMessage(this, tr("LUMO"), tr("Saved as ") + path, MsgIcon::Information, MsgButton::Ok);
  return true;
}

void TfrmMain::SaveandExecute1Click() {
  Save1Click();
  // A run that is going keeps going (Execute would stop it).
  if (!Running()) btnExecuteClick();
}
