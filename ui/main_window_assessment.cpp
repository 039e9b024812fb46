// The probabilistic assessment: the menu item and the Execution page's
// button that open its window, the window kept in step with the scenario,
// and the offer of a scenario's distribution file when it is opened.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

#include "assessment_draft.h"
#include "frm_assessment.h"
#include "frm_print.h"
#include "main_window.h"
#include "message_box.h"
#include "ui_main_window.h"
#include "ui_page_execution.h"

using lumo::controls::MsgButton;
using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

void TfrmMain::ConnectAssessment() {
  auto *action = new QAction(tr("&Probabilistic Assessment..."), this);
  action->setObjectName("ProbabilisticAssessment1");
  // With the other studies of the scenario (Compare, Sweep) in Tools.
  if (auto *tools = findChild<QMenu *>(QStringLiteral("mnuTools"))) {
    QAction *first = tools->actions().value(0);
    tools->insertAction(first, action);
    tools->insertSeparator(first);
  } else {
    ui_->mnuFile->insertAction(ui_->Exit1, action);
  }
  connect(action, &QAction::triggered, this, &TfrmMain::ProbabilisticAssessmentClick);

  auto &ex = Execution();
  auto *button = new QPushButton(tr("Probabilistic Assessment..."), ex.btnPlot->parentWidget());
  button->setObjectName("btnProbabilistic");
  button->setToolTip(tr("Vary the inputs over distributions and run the scenario many times"));
  button->setMinimumHeight(ex.btnPlot->minimumHeight());
  ex.layout_128->insertWidget(ex.layout_128->indexOf(ex.btnPlot) + 1, button);
  connect(button, &QPushButton::clicked, this, &TfrmMain::ProbabilisticAssessmentClick);
}

void TfrmMain::ProbabilisticAssessmentClick() {
  if (!assessment_) assessment_ = new TfrmAssessment(*State_, this);
  assessment_->ScenarioChanged();
  assessment_->show();
  assessment_->raise();
  assessment_->activateWindow();
}

void TfrmMain::OfferDistributionFile(const QString &scenarioPath) {
  const QString file =
      QString::fromStdString(lumo::prob::DistributionFileFor(scenarioPath.toStdString()));
  if (!QFileInfo(file).isFile()) {
    if (assessment_) assessment_->ScenarioChanged();
    return;
  }
  const auto answer = ShowMessage(
      this, tr("Distribution File"),
      tr("The scenario has a distribution file beside it, %1. Open it in the probabilistic "
         "assessment window?")
          .arg(QFileInfo(file).fileName()),
      MsgIcon::Question, MsgButton::Yes | MsgButton::No);
  if (answer != MsgButton::Yes) {
    if (assessment_) assessment_->ScenarioChanged();
    return;
  }
  ProbabilisticAssessmentClick();
  assessment_->OpenFile(file);
}

TfrmAssessment *TfrmMain::AssessmentWindow() const {
  return assessment_.data();
}

void TfrmMain::AttachProbabilisticPage(TfrmPrint &report) {
  if (assessment_ && assessment_->Outcome()) report.SetProbabilistic(assessment_->Report());
}
