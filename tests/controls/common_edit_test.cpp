// TRealEdit, TIntegerEdit and TCardinalEdit driven with real key events:
// every keystroke, paste, cut and delete passes the number syntax first;
// out-of-range values are clamped, coloured and signalled.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "cardinal_edit.h"
#include "integer_edit.h"
#include "message_recorder.h"
#include "real_edit.h"
#include "widget_test_util.h"

using namespace lumo::controls;
using namespace lumo::testing;

namespace {

template <typename Edit>
struct EditWindow {
  QWidget window;
  Edit *field = new Edit(&window);
  QLineEdit *other = new QLineEdit(&window);

  EditWindow() {
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(other);
  }
  void Enter() {
    field->setFocus(Qt::TabFocusReason);
    field->clear();
  }
  void Leave() { other->setFocus(Qt::TabFocusReason); }
};

}  // namespace

TEST(CommonEdit, RealEditAcceptsOnlyCandidatesThatRead) {
  MessageRecorder messages;
  EditWindow<TRealEdit> w;
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  TypeIntoFocus("-");
  EXPECT_EQ(w.field->text(), "-");
  TypeIntoFocus("1x.5e-");  // x refused; "-1.5e" and "-1.5-" do not read
  EXPECT_EQ(w.field->text(), "-1.5");
  TypeIntoFocus("2");
  KeyIntoFocus(Qt::Key_Left);
  TypeIntoFocus("e");  // "-1.5e2" reads: accepted, shown in upper case
  EXPECT_EQ(w.field->text(), "-1.5E2");
  w.field->clear();
  TypeIntoFocus("+7");
  EXPECT_EQ(w.field->text(), "+7");
  EXPECT_EQ(messages.Count(), 0);
}

TEST(CommonEdit, DeleteAndCutPassTheSameCheck) {
  EditWindow<TRealEdit> w;
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  w.field->setText("1E5");
  KeyIntoFocus(Qt::Key_Home);
  KeyIntoFocus(Qt::Key_Delete);  // "E5" does not read: refused
  EXPECT_EQ(w.field->text(), "1E5");
  KeyIntoFocus(Qt::Key_End);
  KeyIntoFocus(Qt::Key_Left, Qt::ShiftModifier);
  KeyIntoFocus(Qt::Key_X, Qt::ControlModifier);  // "1E" does not read: kept
  EXPECT_EQ(w.field->text(), "1E5");
  KeyIntoFocus(Qt::Key_Home);
  KeyIntoFocus(Qt::Key_End, Qt::ShiftModifier);
  KeyIntoFocus(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(w.field->text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "1E5");
}

TEST(CommonEdit, PasteGoesThroughTheSyntaxCheck) {
  MessageRecorder messages;
  EditWindow<TIntegerEdit> w;
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  TypeIntoFocus("12");
  QApplication::clipboard()->setText("12a");
  KeyIntoFocus(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.field->text(), "12");
  QApplication::clipboard()->setText("34");
  KeyIntoFocus(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.field->text(), "1234");
  // A pasted text is checked as it would replace the selection.
  KeyIntoFocus(Qt::Key_Home);
  KeyIntoFocus(Qt::Key_End, Qt::ShiftModifier);
  QApplication::clipboard()->setText("-");
  KeyIntoFocus(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.field->text(), "-");
  EXPECT_EQ(messages.Count(), 0);
  QApplication::clipboard()->clear();
  KeyIntoFocus(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "No text on the Clipboard");
}

TEST(CommonEdit, OverflowClampsShowsWarningColourAndSignals) {
  EditWindow<TRealEdit> w;
  w.field->SetMinValue(1e-7);
  w.field->SetMaxValue(10000);
  w.field->SetFormatString("%5.7f");
  w.field->SetValidate(true);
  QSignalSpy over(w.field, &TCommonEdit::overflow);
  QSignalSpy under(w.field, &TCommonEdit::underflow);
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  TypeIntoFocus("20000");
  w.Leave();
  EXPECT_EQ(w.field->text(), "10000.0000000");
  EXPECT_EQ(w.field->FontColor(), QColor(Qt::red));
  EXPECT_EQ(over.count(), 1);
  w.Enter();
  EXPECT_EQ(w.field->FontColor(), QColor(Qt::black));
  TypeIntoFocus("0");
  w.Leave();
  EXPECT_EQ(w.field->text(), "0.0000001");
  EXPECT_EQ(under.count(), 1);
  w.field->SetValue(5);
  EXPECT_EQ(w.field->FontColor(), QColor(Qt::black));
  EXPECT_DOUBLE_EQ(w.field->Value(), 5);
}

TEST(CommonEdit, ValuesOfTextThatDoesNotRead) {
  TIntegerEdit integer;
  integer.SetMinValue(3);
  integer.setText("");
  EXPECT_EQ(integer.Value(), 0);
  integer.setText("abc");
  EXPECT_EQ(integer.Value(), 3);
  TCardinalEdit cardinal;
  EXPECT_EQ(cardinal.text(), "0");
  cardinal.SetValue(4000000000u);
  EXPECT_EQ(cardinal.Value(), 4000000000u);
  TRealEdit real;
  real.SetFormatString("%10.2f");
  real.SetValue(0.456);
  EXPECT_EQ(real.text(), "      0.46");
  EXPECT_DOUBLE_EQ(real.Value(), 0.46);
}

TEST(CommonEdit, CardinalAndIntegerKeys) {
  EditWindow<TCardinalEdit> c;
  ASSERT_TRUE(ShowActive(c.window));
  c.Enter();
  TypeIntoFocus("-42949672950");
  EXPECT_EQ(c.field->text(), "4294967295");
  EditWindow<TIntegerEdit> i;
  ASSERT_TRUE(ShowActive(i.window));
  i.Enter();
  TypeIntoFocus("-12.5");
  EXPECT_EQ(i.field->text(), "-125");
}

TEST(CommonEdit, IntegerFormatWithAlternativeFlagIsNotApplied) {
  EditWindow<TIntegerEdit> w;
  w.field->SetFormatString("%#5d");
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  TypeIntoFocus("42");
  w.Leave();
  EXPECT_EQ(w.field->text(), "42");  // shown with the default "%d"
  EXPECT_EQ(w.field->Value(), 42);
}
