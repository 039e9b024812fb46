// The "?" buttons, the background-information buttons, the more-information
// buttons with the engine's help texts, and the Help menu.
#include <QAction>
#include <QToolButton>

#include "about_form.h"
#include "desktop_layout.h"
#include "disp_chemicals_form.h"
#include "engine_library.h"
#include "help_but.h"
#include "help_files.h"
#include "main_window.h"
#include "more_info_button.h"
#include "rtf_form_tips.h"
#include "tips.h"
#include "ui_main_window.h"

using lumo::controls::HelpFilePath;

namespace {

// The buttons that open a plain-text background document.
const char *const kInfoButtons[] = {"Caveats", "btbtnDefSnrio", "btbtnDispChem", "btbtnModLimit"};

int TagOf(const QObject *button) {
  return button->property("Tag").toInt();
}

}  // namespace

void TfrmMain::ConnectHelp() {
  for (const char *name : kInfoButtons) {
    auto *button = findChild<QAbstractButton *>(QLatin1String(name));
    if (button)
      connect(button, &QAbstractButton::clicked, this, [this, button] { InfoButtonClick(button); });
  }
  // Every "?" button carries the tag of its help document.
  for (auto *button : findChildren<QToolButton *>()) {
    if (button->text() != QLatin1String("?") || !button->property("Tag").isValid()) continue;
    connect(button, &QAbstractButton::clicked, this, [this, button] { HelpButtonClick(button); });
  }
  connect(ui_->AboutLUMO1, &QAction::triggered, this, &TfrmMain::AboutClick);
  connect(ui_->HelpButtons1, &QAction::triggered, this, &TfrmMain::HelpButtonsClick);
}

void TfrmMain::HelpButtonClick(QAbstractButton *button) {
  TRTFFormTips viewer(button->toolTip(), HelpFilePath(TagOf(button)), this);
  RunModal(viewer);
}

void TfrmMain::InfoButtonClick(QAbstractButton *button) {
  TfrmDispChemicals viewer(button->toolTip(), HelpFilePath(TagOf(button)), this);
  RunModal(viewer);
}

void TfrmMain::AboutClick() {
  TfrmAbout about(this);
  about.SetFileLocations(lumo::ui::LayoutLines(layout_));
  RunModal(about);
}

void TfrmMain::HelpButtonsClick() {
  if (!helpButtons_) helpButtons_ = new THelpBut(this);
  RunModal(*helpButtons_);
}

void TfrmMain::LoadMoreInfoTexts() {
  lumo::TLumoDll engine(ProgramDirectory());
  for (auto *button : findChildren<TLUMOBtnMoreInfo *>()) {
    if (!button->Dialog()) {
      auto *tips = new TTips(button);
      tips->SetTitle(tr("More Information"));
      tips->SetHeader(button->toolTip());
      button->SetDialog(tips);
    }
    if (engine.DLLIsLoaded()) {
      const char *text = engine.GetHelpString()(TagOf(button));
      button->SetString(QString::fromUtf8(text ? text : ""));
    } else {
      button->SetString(tr("This text comes from the calculation library, which could not be "
                           "loaded:\n") +
                        QString::fromStdString(engine.LoadError()));
    }
  }
}
