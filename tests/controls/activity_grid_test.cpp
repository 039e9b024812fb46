// The scenario grids: the activity grid's check of committed edits driven
// by real keys and clicks, its time-order check and line count, the first
// line's locked enter time, and the sink and override grids' layouts.
#include "activity_grid.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QVBoxLayout>

#include "grid_override.h"
#include "message_recorder.h"
#include "sink_grid.h"
#include "widget_test_util.h"

using namespace lumo::controls;
using namespace lumo::testing;

namespace {

class ActivityGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetAutoSave(false);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(&grid);
    layout->addWidget(&other);
    window.resize(420, 400);
    ASSERT_TRUE(ShowActive(window));
    grid.setFocus();
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  // Types `text` into the empty cell (col, row) and leaves it with Tab.
  void TypeInto(int col, int row, const QString &text) {
    grid.SetCells(col, row, "");
    grid.setCurrentCell(row, col);
    grid.setFocus();
    TypeIntoFocus(text);
    KeyIntoFocus(Qt::Key_Tab);
    Settle();
  }
  QPoint CellCentre(int col, int row) {
    return grid.visualRect(grid.model()->index(row, col)).center();
  }
  // A user's double click: the first click selects the cell, the second
  // opens its editor.
  void DoubleClick(int col, int row) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(col, row));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(col, row));
  }
  void SetTime(int row, const QString &hour, const QString &minute) {
    grid.SetCells(1, row, "1");
    grid.SetCells(2, row, hour);
    grid.SetCells(3, row, minute);
    grid.SetCells(4, row, "13.3");
  }
  MessageRecorder messages;
  QWidget window;
  TLUMOActivityGrid &grid = *new TLUMOActivityGrid(&window);
  QLineEdit &other = *new QLineEdit(&window);
};

}  // namespace

TEST_F(ActivityGridTest, HeadersAndLineNumbers) {
  EXPECT_EQ(grid.RowCount(), 14);
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cells(1, 0), "Zone");
  EXPECT_EQ(grid.Cells(2, 0), "Enter Time");
  EXPECT_EQ(grid.Cells(2, 1), "Hr");
  EXPECT_EQ(grid.Cells(3, 1), "Min");
  EXPECT_EQ(grid.Cells(4, 1), "m³/day");
  EXPECT_EQ(grid.Cells(0, 2), "1");
  EXPECT_EQ(grid.Cells(0, 13), "12");
}

TEST_F(ActivityGridTest, ACommittedValueOutOfRangeIsCorrectedWithOneMessage) {
  TypeInto(1, 3, "7");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(),
            "Line 2, Zone: Zone must be a whole number from 0 to 2; \"7\" has been replaced by "
            "\"0\".");
  EXPECT_EQ(messages.Messages().last().caption, "A Small Error...");
  EXPECT_EQ(grid.Cells(1, 3), "0");
  // The corrected cell is selected again.
  EXPECT_EQ(grid.currentRow(), 3);
  EXPECT_EQ(grid.currentColumn(), 1);

  messages.Clear();
  TypeInto(3, 4, "61");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(),
            "Line 3, Enter Minute: Enter Minute must be a whole number from 0 to 59; \"61\" has "
            "been replaced by \"6\".");
  EXPECT_EQ(grid.Cells(3, 4), "6");

  messages.Clear();
  TypeInto(2, 4, "25");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(
      messages.LastText().startsWith("Line 3, Enter Hour: Enter Hour must be a whole "
                                     "number from 0 to 24;"));
  EXPECT_EQ(grid.Cells(2, 4), "2");

  messages.Clear();
  TypeInto(1, 4, "-1");  // once shortened to "-", still not a zone
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(grid.Cells(1, 4), "0");

  messages.Clear();
  TypeInto(4, 5, "2000000");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(
      messages.LastText().contains("Breathing Rate must be a number from 0 to 1000000 "
                                   "m³/day"));
  EXPECT_EQ(grid.Cells(4, 5), "200000");

  messages.Clear();
  TypeInto(2, 6, "24");
  TypeInto(4, 6, "27.5");
  TypeInto(1, 6, "2");
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(grid.Cells(2, 6), "24");
  EXPECT_EQ(grid.Cells(4, 6), "27.5");
}

// Keys that change no text say nothing and change nothing: modifiers,
// select-all, moving through empty cells.
TEST_F(ActivityGridTest, KeysThatChangeNoTextAreNotChecked) {
  grid.setCurrentCell(7, 1);
  KeyIntoFocus(Qt::Key_Shift);
  KeyIntoFocus(Qt::Key_Control);
  KeyIntoFocus(Qt::Key_A, Qt::ControlModifier);
  KeyIntoFocus(Qt::Key_Down);
  KeyIntoFocus(Qt::Key_Right);
  KeyIntoFocus(Qt::Key_Up);
  Settle();
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(grid.currentRow(), 7);
  EXPECT_EQ(grid.currentColumn(), 2);
  for (int row = 6; row <= 9; ++row)
    for (int col = 1; col <= 4; ++col) EXPECT_EQ(grid.Cells(col, row), "") << col << "," << row;

  // An editor opened on an empty cell and left empty stores nothing to
  // check; so does a Shift pressed in it.
  DoubleClick(1, 8);
  ASSERT_NE(QApplication::focusWidget(), &grid) << "the double click opens an editor";
  KeyIntoFocus(Qt::Key_Shift);
  KeyIntoFocus(Qt::Key_A, Qt::ControlModifier);
  KeyIntoFocus(Qt::Key_Tab);
  Settle();
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(grid.Cells(1, 8), "");
  EXPECT_EQ(grid.CalcNumberofRows(), 0);
}

// However the edit ends, its cell is checked exactly once.
TEST_F(ActivityGridTest, EveryWayOfEndingAnEditChecksOnce) {
  auto edit = [&](int row) {
    messages.Clear();
    grid.SetCells(1, row, "");
    grid.setFocus();
    DoubleClick(1, row);
    TypeIntoFocus("9");
  };
  edit(3);
  KeyIntoFocus(Qt::Key_Tab);
  Settle();
  EXPECT_EQ(messages.Count(), 1) << "Tab";
  EXPECT_EQ(grid.Cells(1, 3), "0");

  edit(4);
  KeyIntoFocus(Qt::Key_Return);
  Settle();
  EXPECT_EQ(messages.Count(), 1) << "Enter";
  EXPECT_EQ(grid.Cells(1, 4), "0");

  edit(5);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(4, 9));
  Settle();
  EXPECT_EQ(messages.Count(), 1) << "click on another cell";
  EXPECT_EQ(grid.Cells(1, 5), "0");
  EXPECT_EQ(grid.currentRow(), 5) << "the corrected cell is selected";

  edit(6);
  QTest::mouseClick(&other, Qt::LeftButton);
  Settle();
  EXPECT_EQ(messages.Count(), 1) << "focus leaves the grid";
  EXPECT_EQ(grid.Cells(1, 6), "0");
  EXPECT_TRUE(messages.LastText().startsWith("Line 5, Zone:"));

  // The owner may run the check at once (OK of a dialog); it does not run
  // a second time later.
  edit(7);
  EXPECT_FALSE(grid.CheckEditedCell());
  EXPECT_EQ(messages.Count(), 1);
  Settle();
  EXPECT_EQ(messages.Count(), 1);
  EXPECT_TRUE(grid.CheckEditedCell());
}

// An edit stored as the window closes (Cancel) is not checked.
TEST_F(ActivityGridTest, AnEditEndedByClosingTheWindowIsNotChecked) {
  grid.setFocus();
  DoubleClick(1, 3);
  TypeIntoFocus("9");
  window.hide();
  Settle();
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(ActivityGridTest, FirstLineEnterTimeCannotBeSelected) {
  grid.setCurrentCell(2, 1);
  QTest::keyClick(&grid, Qt::Key_Right);  // skips the locked time cells
  EXPECT_EQ(grid.currentColumn(), 4);
  EXPECT_FALSE(grid.item(2, 2)->flags() & Qt::ItemIsSelectable);
  EXPECT_FALSE(grid.item(2, 3)->flags() & Qt::ItemIsSelectable);
  grid.setCurrentCell(3, 2);
  EXPECT_EQ(grid.currentColumn(), 2);
}

TEST_F(ActivityGridTest, NumberOfRowsAndTimeOrder) {
  EXPECT_EQ(grid.CalcNumberofRows(), 0);
  EXPECT_TRUE(grid.CheckTimeOrder());
  SetTime(2, "0", "0");
  SetTime(3, "9", "0");
  SetTime(4, "8", "0");
  SetTime(5, "10", "0");
  EXPECT_EQ(grid.CalcNumberofRows(), 5);
  EXPECT_FALSE(grid.CheckTimeOrder());
  grid.SetCells(2, 3, "8");
  grid.SetCells(3, 3, "0");
  grid.SetCells(3, 4, "0");
  grid.SetCells(2, 5, "");
  grid.SetCells(1, 5, "");
  grid.SetCells(3, 5, "");
  grid.SetCells(4, 5, "");
  EXPECT_EQ(grid.CalcNumberofRows(), 4);
  EXPECT_FALSE(grid.CheckTimeOrder());  // 0:00, 8:00, 8:00: equal times
  grid.SetCells(2, 4, "17");
  grid.SetCells(3, 4, "30");
  EXPECT_TRUE(grid.CheckTimeOrder());  // 0:00, 8:00, 17:30
  grid.SetCells(3, 4, "");
  EXPECT_FALSE(grid.CheckTimeOrder());  // an unreadable time is not in order
}

TEST(SinkGrid, GridTypeShowsFourOrFiveColumns) {
  TLUMOSinkGrid grid;
  grid.SetAutoSave(false);
  auto visible = [&grid] {
    int n = 0;
    for (int c = 0; c < grid.ColCount(); ++c) n += grid.isColumnHidden(c) ? 0 : 1;
    return n;
  };
  EXPECT_EQ(visible(), 4);
  grid.SetCells(4, 2, "0.25");
  grid.SetGridType(SinkGridType::Reversable);
  EXPECT_EQ(visible(), 5);
  grid.SetGridType(SinkGridType::OneWay);
  grid.SetGridType(SinkGridType::Reversable);
  EXPECT_EQ(grid.Cells(4, 2), "0.25");  // switching back and forth keeps the values
  EXPECT_EQ(grid.Cells(1, 4), "Other");
  EXPECT_EQ(grid.Cells(0, 5), "2");
  EXPECT_EQ(grid.Cells(2, 4), "0");
  EXPECT_EQ(grid.Cells(2, 2), "");
  EXPECT_EQ(grid.Cells(3, 7), "0.00");
  EXPECT_GE(grid.columnWidth(0), 35);  // widened to fit "Zone*" where the font needs it
  EXPECT_GE(grid.columnWidth(3), 100);
}

TEST(GridOverride, NumbersDataRowsAsTheyAreAdded) {
  TLUMOGridOverride grid;
  grid.SetAutoSave(false);
  EXPECT_EQ(grid.ColCount(), 9);
  EXPECT_EQ(grid.Cells(5, 0), "Exit Time");
  EXPECT_EQ(grid.Cells(8, 1), "m³/day");
  EXPECT_EQ(grid.Cells(0, 2), "1");
  grid.SetRowCount(10);
  EXPECT_EQ(grid.Cells(0, 9), "8");
}
