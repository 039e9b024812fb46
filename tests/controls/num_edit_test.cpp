// TNumEdit driven with real key events: the editing cycle, the range check,
// refused input, and the value rules of the accessors.
#include "num_edit.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include "message_recorder.h"
#include "widget_test_util.h"

using namespace lumo::controls;
using namespace lumo::testing;

namespace {

// A window with the field under test and a second field to move to.
struct NumEditWindow {
  QWidget window;
  TNumEdit *field = new TNumEdit(&window);
  QLineEdit *other = new QLineEdit(&window);

  NumEditWindow() {
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(other);
    field->SetNumericType(TNumericType::ntGeneral);
    field->Masks().SetPositiveMask("#,##0.0");
  }
  // Tabs into the field from the other one (showing the window may have
  // focused the field already).
  void Enter() {
    other->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
  }
  void Leave() { other->setFocus(Qt::TabFocusReason); }
};

class NumEditTest : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  MessageRecorder messages;
};

}  // namespace

TEST_F(NumEditTest, EditingCycleKeepsGroupingAndStoresOnLeaving) {
  NumEditWindow w;
  w.field->SetValue(1234.56);
  ASSERT_TRUE(ShowActive(w.window));
  EXPECT_EQ(w.field->text(), "1,234.6");
  w.Enter();
  EXPECT_EQ(w.field->text(), "1,234.6");
  EXPECT_TRUE(w.field->alignment() & Qt::AlignLeft);
  KeyIntoFocus(Qt::Key_End);
  TypeIntoFocus(".5");  // a second decimal mark is refused, the 5 is typed
  EXPECT_EQ(w.field->text(), "1,234.65");
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), 1234.65);
  EXPECT_EQ(w.field->text(), "1,234.7");
  EXPECT_TRUE(w.field->alignment() & Qt::AlignRight);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(NumEditTest, PassingThroughWithoutTypingKeepsTheExactValue) {
  NumEditWindow w;
  w.field->SetValue(1234.5678);
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), 1234.5678);
  EXPECT_EQ(w.field->text(), "1,234.6");
  // A real edit still stores what was typed.
  w.Enter();
  KeyIntoFocus(Qt::Key_End);
  KeyIntoFocus(Qt::Key_Backspace);
  TypeIntoFocus("7");
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), 1234.7);
}

TEST_F(NumEditTest, RefusesLettersAndASecondSign) {
  NumEditWindow w;
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  KeyIntoFocus(Qt::Key_A, Qt::ControlModifier);
  TypeIntoFocus("-1a2-+e3");
  EXPECT_EQ(w.field->text(), "-123");
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), -123);
  EXPECT_EQ(w.field->text(), "-123.0");
  w.Enter();
  EXPECT_EQ(w.field->text(), "-123.0");  // one leading "-" while editing too
}

TEST_F(NumEditTest, OutOfRangeShowsTheLimitsAndKeepsTheFocus) {
  NumEditWindow w;
  w.field->SetMax(100);
  w.field->SetValidate(true);
  w.field->SetValue(50);
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  TypeIntoFocus("150");
  w.Leave();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Value must be between 0 and 100");
  EXPECT_DOUBLE_EQ(w.field->Value(), 50);
  EXPECT_TRUE(w.field->hasFocus());
  EXPECT_EQ(w.field->text(), "150");
  EXPECT_EQ(w.field->selectedText(), "150");
  TypeIntoFocus("75");
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), 75);
  EXPECT_EQ(messages.Count(), 1);
}

TEST_F(NumEditTest, LoneSignOrDecimalMarkIsRefusedAndThePreviousValueShown) {
  for (const QString &typed : {QString("-"), QString(".")}) {
    NumEditWindow w;
    w.field->SetValue(12.5);
    ASSERT_TRUE(ShowActive(w.window));
    w.Enter();
    KeyIntoFocus(Qt::Key_A, Qt::ControlModifier);
    KeyIntoFocus(Qt::Key_Backspace);
    TypeIntoFocus(typed);
    w.Leave();
    EXPECT_DOUBLE_EQ(w.field->Value(), 12.5);
    EXPECT_EQ(w.field->text(), "12.5");
    ASSERT_FALSE(messages.Messages().isEmpty());
    EXPECT_TRUE(messages.LastText().contains("not a number")) << messages.LastText().toStdString();
    messages.Clear();
  }
}

TEST_F(NumEditTest, EmptyTextIsZeroAndPasteIsRefused) {
  NumEditWindow w;
  w.field->SetValue(7);
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  KeyIntoFocus(Qt::Key_A, Qt::ControlModifier);
  KeyIntoFocus(Qt::Key_Delete);
  QApplication::clipboard()->setText("abc");
  KeyIntoFocus(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.field->text(), "");
  w.Leave();
  EXPECT_EQ(w.field->Value(), 0);
}

TEST_F(NumEditTest, LengthLimitWhileEditingNeverCutsTheValue) {
  NumEditWindow w;
  w.field->SetDigits(4);
  w.field->SetValue(-1234567.5);
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  EXPECT_EQ(w.field->text(), "-1,234,567.5");
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), -1234567.5);
}

TEST_F(NumEditTest, RangeSettersAndValidateMoveTheValue) {
  TNumEdit field;
  field.SetNumericType(TNumericType::ntGeneral);
  field.SetValue(5);
  field.SetMin(10);
  EXPECT_EQ(field.Value(), 10);
  field.SetMax(8);
  EXPECT_EQ(field.Value(), 8);
  field.SetMin(0);
  field.SetMax(4);
  field.SetValidate(true);  // 4 is within 0..4: stays
  EXPECT_EQ(field.Value(), 4);
  field.SetValidate(false);
  field.SetValue(9);
  field.SetValidate(true);  // above Max resets to Min
  EXPECT_EQ(field.Value(), 0);
  EXPECT_EQ(field.text(), "0");
  field.SetValue(99);  // refused from code too
  EXPECT_EQ(field.Value(), 0);
  EXPECT_EQ(messages.LastText(), "Value must be between 0 and 4");
}

TEST_F(NumEditTest, PercentageAndCurrencyDisplays) {
  NumEditWindow w;
  w.field->SetNumericType(TNumericType::ntPercentage);
  w.field->SetDecimals(1);
  w.field->SetValue(0.125);
  EXPECT_EQ(w.field->text(), "12.5%");
  ASSERT_TRUE(ShowActive(w.window));
  w.Enter();
  KeyIntoFocus(Qt::Key_A, Qt::ControlModifier);
  TypeIntoFocus("40");
  w.Leave();
  EXPECT_DOUBLE_EQ(w.field->Value(), 0.4);
  w.field->SetNumericType(TNumericType::ntCurrency);
  w.field->SetDecimals(2);
  EXPECT_EQ(w.field->text(), "$0.40");
}

TEST_F(NumEditTest, MasksAreCutTo25CharactersAndReformat) {
  TNumEdit field;
  field.SetNumericType(TNumericType::ntGeneral);
  field.SetValue(2);
  field.Masks().SetPositiveMask("0.000");
  EXPECT_EQ(field.text(), "2.000");
  field.Masks().SetPositiveMask(QString(30, '#'));
  EXPECT_EQ(field.Masks().PositiveMask().size(), 25);
}

TEST_F(NumEditTest, Accessors) {
  TNumEdit field;
  field.SetNumericType(TNumericType::ntGeneral);
  field.Masks().SetPositiveMask("#,##0.00");
  field.SetValue(2.5);
  EXPECT_EQ(field.AsInteger(), 2);
  field.SetValue(3.5);
  EXPECT_EQ(field.AsInteger(), 4);
  field.SetUseRounding(false);
  EXPECT_EQ(field.AsInteger(), 3);
  field.SetValue(40000);
  EXPECT_EQ(field.AsInteger(), 0);
  EXPECT_EQ(field.AsLongint(), 40000);
  EXPECT_EQ(field.AsDouble(), 40000);
  EXPECT_EQ(field.AsString(), "40,000.00");
  field.SetValue(-1234.5);
  EXPECT_EQ(field.AsString(), "-1,234.50");
  field.SetValue(1e39);
  EXPECT_EQ(field.AsReal(), 0);
}
