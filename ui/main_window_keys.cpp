// The keyboard: the platform's standard shortcuts for the File commands and
// the report's printing, F5 for Execute, F1 for the help of the focused
// control, and read-only fields that look read-only.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "main_window.h"
#include "ui_main_window.h"
#include "ui_page_execution.h"

namespace {

// A "?" button: it carries the tag of its help document.
bool IsHelpButton(const QToolButton *button) {
  return button->text() == QLatin1String("?") && button->property("Tag").isValid();
}

// The platform's key for `key`; `fallback` where the platform has none
// (Quit has none on Windows, where Alt+F4 closes the window anyway, and
// none on some desktops).
void SetStandardShortcut(QAction *action, QKeySequence::StandardKey key,
                         const QKeySequence &fallback) {
  const auto keys = QKeySequence::keyBindings(key);
  if (!keys.isEmpty())
    action->setShortcuts(keys);
  else
    action->setShortcut(fallback);
}

}  // namespace

void TfrmMain::ConnectKeys() {
  auto &u = *ui_;
  SetStandardShortcut(u.New1, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
  SetStandardShortcut(u.Open1, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
  SetStandardShortcut(u.Save1, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
  SetStandardShortcut(u.SaveAs1, QKeySequence::SaveAs,
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  SetStandardShortcut(u.Exit1, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));

  auto *print = new QAction(tr("&Print Report..."), this);
  print->setObjectName(QStringLiteral("PrintReport1"));
  SetStandardShortcut(print, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
  u.mnuFile->insertAction(u.Exit1, print);
  u.mnuFile->insertSeparator(u.Exit1);
  connect(print, &QAction::triggered, this, [this] {
    // Only when the button would: not while a run goes.
    if (!Execution().btnPrintReport->isEnabled()) return;
    ui_->mainTabs->setFocus();  // a field being edited is stored first
    btnPrintReportClick();
  });

  auto *execute = new QAction(tr("Execute"), this);
  execute->setObjectName(QStringLiteral("Execute1"));
  execute->setShortcut(Qt::Key_F5);
  addAction(execute);
  connect(execute, &QAction::triggered, this, [this] {
    // F5 starts a run; it never stops one (that stays with the button).
    if (Running() || !Execution().btnExecute->isEnabled()) return;
    ui_->mainTabs->setFocus();
    btnExecuteClick();
  });
  Execution().btnExecute->setToolTip(tr("Runs the model (F5)"));

  auto *help = new QAction(tr("Help"), this);
  help->setObjectName(QStringLiteral("HelpForFocus1"));
  SetStandardShortcut(help, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
  addAction(help);
  connect(help, &QAction::triggered, this, &TfrmMain::HelpForFocus);

  // Read-only fields are shown on the window's colour, not as entry fields.
  for (auto *field : findChildren<QLineEdit *>()) {
    if (!field->isReadOnly() || qobject_cast<QSpinBox *>(field->parentWidget())) continue;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
  }
}

QAbstractButton *TfrmMain::HelpButtonFor(QWidget *focus) const {
  // The nearest enclosing group that holds "?" buttons; among them the one
  // on the focused control's line (the nearest vertically).
  for (QWidget *area = focus ? focus->parentWidget() : nullptr; area && area != this;
       area = area->parentWidget()) {
    QToolButton *best = nullptr;
    int bestDistance = 0;
    const int y = focus->mapTo(area, QPoint(0, focus->height() / 2)).y();
    for (auto *button : area->findChildren<QToolButton *>()) {
      if (!IsHelpButton(button)) continue;
      const int distance = std::abs(button->mapTo(area, QPoint(0, button->height() / 2)).y() - y);
      if (!best || distance < bestDistance) {
        best = button;
        bestDistance = distance;
      }
    }
    if (best) return best;
  }
  // Nothing near it: the first help of the page shown.
  for (auto *button : ui_->mainTabs->currentWidget()->findChildren<QToolButton *>())
    if (IsHelpButton(button)) return button;
  return nullptr;
}

void TfrmMain::HelpForFocus() {
  QWidget *focus = QApplication::focusWidget();
  if (focus && focus->window() != this) focus = nullptr;
  if (auto *button = HelpButtonFor(focus)) button->click();
}
