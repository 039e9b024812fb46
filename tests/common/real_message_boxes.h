// Driving the program's real message boxes in tests. RealMessageBoxes
// records every message and shows it as the program does, a modal
// QMessageBox, which it then closes the way a user would: OK clicked, Enter
// or Escape pressed. LUMO_EXPECT_SURVIVES runs a sequence in a fresh copy of
// the test program and expects it to run to its end, so a sequence that
// crashes fails its test instead of ending the whole test program (set
// LUMO_DEBUG_IN_PROCESS to run it in the test program itself, for a
// debugger).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "message_box.h"

namespace lumo::testing {

enum class BoxClose { ClickOk, PressEnter, PressEscape };

inline const char *BoxCloseName(BoxClose how) {
  switch (how) {
    case BoxClose::ClickOk:
      return "ClickOk";
    case BoxClose::PressEnter:
      return "PressEnter";
    case BoxClose::PressEscape:
      return "PressEscape";
  }
  return "";
}

// Names the way in test names and messages.
inline void PrintTo(BoxClose how, std::ostream *out) {
  *out << BoxCloseName(how);
}

class RealMessageBoxes : public lumo::controls::MessageSink {
 public:
  explicit RealMessageBoxes(BoxClose how)
      : how_(how), previous_(lumo::controls::SetMessageSink(this)) {}
  ~RealMessageBoxes() override { lumo::controls::SetMessageSink(previous_); }
  RealMessageBoxes(const RealMessageBoxes &) = delete;
  RealMessageBoxes &operator=(const RealMessageBoxes &) = delete;

  lumo::controls::MsgButton Show(QWidget *parent,
                                 const lumo::controls::MessageRequest &request) override {
    messages_.append(request);
    CloseWhenUp(how_);
    lumo::controls::SetMessageSink(nullptr);  // the program's own modal box
    const auto chosen = lumo::controls::ShowMessage(parent, request.caption, request.text,
                                                    request.icon, request.buttons);
    lumo::controls::SetMessageSink(this);
    // The window manager gives the activation back to the box's window (the
    // offscreen platform does not).
    if (parent && parent->isVisible()) QApplication::setActiveWindow(parent->window());
    return chosen;
  }

  const QList<lumo::controls::MessageRequest> &Messages() const { return messages_; }
  QStringList Texts() const {
    QStringList texts;
    for (const auto &m : messages_) texts << m.text;
    return texts;
  }

 private:
  // Closes the next message box once it is up, with real events.
  static void CloseWhenUp(BoxClose how) {
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, how, tries] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (!box && ++*tries < 1000) return;
      timer->stop();
      timer->deleteLater();
      if (!box) return;
      QApplication::setActiveWindow(box);
      const bool active = QTest::qWaitForWindowActive(box);
      Q_UNUSED(active);  // closed by its own events either way
      QWidget *focus = box->focusWidget() ? box->focusWidget() : box;
      switch (how) {
        case BoxClose::ClickOk: {
          QAbstractButton *ok = box->button(QMessageBox::Ok);
          QTest::mouseClick(ok ? ok : box->buttons().value(0), Qt::LeftButton);
          break;
        }
        case BoxClose::PressEnter:
          QTest::keyClick(focus, Qt::Key_Return);
          break;
        case BoxClose::PressEscape:
          QTest::keyClick(focus, Qt::Key_Escape);
          break;
      }
    });
    timer->start();
  }

  BoxClose how_;
  lumo::controls::MessageSink *previous_;
  QList<lumo::controls::MessageRequest> messages_;
};

}  // namespace lumo::testing

// Runs `statement` in a fresh copy of the test program (which repeats the
// test up to this point) and expects it to end normally.
#define LUMO_EXPECT_SURVIVES(statement)                       \
  do {                                                        \
    if (qEnvironmentVariableIsSet("LUMO_DEBUG_IN_PROCESS")) { \
      statement;                                              \
      break;                                                  \
    }                                                         \
    GTEST_FLAG_SET(death_test_style, "threadsafe");           \
    EXPECT_EXIT(                                              \
        {                                                     \
          statement;                                          \
          std::fflush(nullptr);                               \
          std::_Exit(0);                                      \
        },                                                    \
        ::testing::ExitedWithCode(0), "")                     \
        << "the sequence did not run to its end";             \
  } while (0)
