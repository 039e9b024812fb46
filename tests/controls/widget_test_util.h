// Helpers for driving widgets in tests: show a window and make it active so
// that it takes keyboard focus, and type text into whatever has the focus,
// one real key event per character.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace lumo::testing {

inline bool ShowActive(QWidget &w) {
  w.show();
  QApplication::setActiveWindow(&w);
  return QTest::qWaitForWindowActive(&w);
}

inline void TypeIntoFocus(const QString &text) {
  for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

inline void KeyIntoFocus(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, mods);
}

}  // namespace lumo::testing
