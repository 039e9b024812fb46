// A main window in a program directory of its own (a copy of the engine
// library and the chemical list), with every message recorded and every
// modal window and file dialog answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>

#include "main_window.h"
#include "message_recorder.h"

namespace lumo::test {

class MainWindowTest : public ::testing::Test {
 public:
  void SetUp() override { Start(true); }

  // A fresh window; `withEngine` false leaves the engine library out.
  void Start(bool withEngine) {
    window.reset();
    dir = std::make_unique<QTemporaryDir>();
    const QDir bin(QCoreApplication::applicationDirPath());
    QStringList files{QStringLiteral("Chems.dat")};
    if (withEngine) files << QStringLiteral("liblumo32.so");
    for (const auto &f : files) QFile::copy(bin.filePath(f), dir->filePath(f));
    window = std::make_unique<TfrmMain>(dir->path().toStdString());
    window->SetDialogRunner([this](QDialog &d) {
      opened << QString::fromLatin1(d.metaObject()->className());
      titles << d.windowTitle();
      return onDialog ? onDialog(d) : int(QDialog::Rejected);
    });
    window->SetFileChooser([this](QFileDialog &d) {
      fileDialogTitles << d.windowTitle();
      return chosenFile;
    });
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());
    messages.Clear();
  }

  ScenarioRecord &Record() { return window->State().ScenarioRecord; }

  template <class T>
  T *Find(const char *name) {
    auto *w = window->findChild<T *>(QLatin1String(name));
    if (!w) throw std::runtime_error(std::string("no control ") + name);
    return w;
  }

  void Click(const char *name) { Click(Find<QAbstractButton>(name)); }
  void Click(QWidget *w) {
    w->window()->activateWindow();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }

  // Types into a numeric or text field and leaves it, as the user does.
  void TypeInto(const char *name, const QString &text) {
    auto *field = Find<QLineEdit>(name);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    Find<QWidget>("mainTabs")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  // Handles events until `done` holds or `ms` milliseconds have passed.
  static bool WaitUntil(const std::function<bool()> &done, int ms = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
      if (timer.elapsed() > ms) return false;
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
  }

  static bool SameRecord(const ScenarioRecord &a, const ScenarioRecord &b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
  }

  controls::MessageRecorder messages;
  std::unique_ptr<QTemporaryDir> dir;
  std::unique_ptr<TfrmMain> window;
  std::function<int(QDialog &)> onDialog;
  QStringList opened, titles, fileDialogTitles;
  QString chosenFile;
};

}  // namespace lumo::test
