// The scenario grids: the activity grid's per-keystroke range check driven
// by real keys, its time-order check and line count, the first line's
// locked enter time, and the sink and override grids' layouts.
#include "activity_grid.h"

#include <gtest/gtest.h>

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
    grid.resize(400, 300);
    ASSERT_TRUE(ShowActive(grid));
    grid.setFocus();
  }
  // Types `text` into the cell (col, row), starting from an empty cell.
  void TypeInto(int col, int row, const QString &text) {
    grid.SetCells(col, row, "");
    grid.setCurrentCell(row, col);
    TypeIntoFocus(text);
    grid.EndEditing();
  }
  void SetTime(int row, const QString &hour, const QString &minute) {
    grid.SetCells(1, row, "1");
    grid.SetCells(2, row, hour);
    grid.SetCells(3, row, minute);
    grid.SetCells(4, row, "13.3");
  }
  MessageRecorder messages;
  TLUMOActivityGrid grid;
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

TEST_F(ActivityGridTest, OutOfRangeKeysAreReportedAndCorrected) {
  TypeInto(1, 3, "7");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Value Out of Range: 7");
  EXPECT_EQ(messages.Messages().last().caption, "A Small Error...");
  EXPECT_EQ(grid.Cells(1, 3), "0");

  messages.Clear();
  TypeInto(3, 3, "61");
  EXPECT_EQ(messages.LastText(), "Value Out of Range: 61");
  EXPECT_EQ(grid.Cells(3, 3), "6");

  messages.Clear();
  TypeInto(2, 3, "24");
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(grid.Cells(2, 3), "24");

  TypeInto(1, 4, "-1");  // "-" alone does not read; "0-"... each release checks
  EXPECT_GE(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().startsWith("Value Out of Range: "));

  messages.Clear();
  TypeInto(4, 3, "27.5");
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(grid.Cells(4, 3), "27.5");
}

TEST_F(ActivityGridTest, MovingIntoAnEmptyDataCellReportsIt) {
  grid.SetCells(1, 5, "1");
  grid.setCurrentCell(5, 1);
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.currentRow(), 6);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Value Out of Range: ");
  EXPECT_EQ(grid.Cells(1, 6), "0");
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
