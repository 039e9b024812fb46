// Driving the parameter dialogs in tests: a default scenario with its
// painting schedule, the dialog shown and active, fields found by
// objectName, typing with real key events, OK and Cancel by mouse, and the
// main window's protocol (copy the record, restore it unless OK).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <memory>

#include "lumo_state.h"
#include "message_recorder.h"
#include "num_edit.h"

namespace dialog_test {

// A scenario as the main window holds it after start-up.
inline std::unique_ptr<lumo::TLumoState> DefaultState() {
  auto state = std::make_unique<lumo::TLumoState>();
  state->SetPaintDurationGrid();
  state->CalcSinkAreas();
  return state;
}

template <typename T>
T *Find(QWidget *dialog, const char *name) {
  T *widget = dialog->findChild<T *>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << "no " << name;
  return widget;
}

inline void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline bool ShowActive(QWidget &w) {
  w.show();
  QApplication::setActiveWindow(&w);
  return QTest::qWaitForWindowActive(&w);
}

inline void TypeIntoFocus(const QString &text) {
  for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// Enters the field, replaces its text by typing `text`, and leaves it with
// Tab, as a user would.
inline void Type(QWidget *field, const QString &text) {
  field->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Backspace);
  TypeIntoFocus(text);
  QTest::keyClick(field, Qt::Key_Tab);
  Settle();
}

// Enters the field with Tab and leaves it with Tab, typing nothing.
inline void PassThrough(QWidget *field) {
  field->setFocus(Qt::TabFocusReason);
  Settle();
  QTest::keyClick(field, Qt::Key_Tab);
  Settle();
}

// Clicks a radio button on its indicator (a click beside a short text
// misses it).
inline void Choose(QWidget *dialog, const char *button) {
  QWidget *radio = Find<QWidget>(dialog, button);
  QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(6, radio->height() / 2));
  Settle();
}

inline void Click(QWidget *dialog, const char *button) {
  QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
  Settle();
}

// Bytes of the record and of the painting schedule.
struct Snapshot {
  explicit Snapshot(const lumo::TLumoState &s)
      : record(s.ScenarioRecord),
        schedule(std::make_unique<lumo::PaintDurationGrid>(s.PaintDurationGrid())) {}
  bool SameAs(const lumo::TLumoState &s) const {
    return std::memcmp(&record, &s.ScenarioRecord, sizeof record) == 0 &&
           std::memcmp(schedule.get(), &s.PaintDurationGrid(), sizeof *schedule) == 0;
  }
  lumo::ScenarioRecord record;
  std::unique_ptr<lumo::PaintDurationGrid> schedule;
};

// Runs a dialog modally the way the main window does: record copied, the
// dialog made by `make` and run, the record restored unless it ends with
// OK. `drive` gets the dialog inside its event loop and must end it.
// `beforeRestore`, when given, receives the record as the dialog left it.
// Returns the dialog's result.
inline int ExecLikeMainWindow(lumo::TLumoState &state,
                              const std::function<QDialog *(lumo::TLumoState *)> &make,
                              const std::function<void(QDialog *)> &drive,
                              lumo::ScenarioRecord *beforeRestore = nullptr) {
  const lumo::ScenarioRecord saved = state.ScenarioRecord;
  std::unique_ptr<QDialog> dialog(make(&state));
  QTimer::singleShot(0, dialog.get(), [&] {
    QApplication::setActiveWindow(dialog.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    drive(dialog.get());
  });
  const int result = dialog->exec();
  if (beforeRestore) *beforeRestore = state.ScenarioRecord;
  if (result != QDialog::Accepted) state.ScenarioRecord = saved;
  return result;
}

// Calls `act` with the next modal dialog other than `current` that opens
// (a dialog that `current` runs), once it is active.
inline void WhenModalOpens(QWidget *current, const std::function<void(QWidget *)> &act) {
  auto *timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act, current] {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == current) return;
    timer->stop();
    timer->deleteLater();
    QApplication::setActiveWindow(modal);
    EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
    act(modal);
  });
  timer->start();
}

}  // namespace dialog_test
