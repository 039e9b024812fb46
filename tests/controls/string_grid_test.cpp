// TqvStringGrid: the grid file's exact text and round trip, backups, files
// that cannot be written or are malformed, HTML export, and rows inserted
// and deleted from the keyboard.
#include "string_grid.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "grid_file.h"
#include "message_recorder.h"
#include "widget_test_util.h"

using namespace lumo::controls;
using namespace lumo::testing;

namespace {

QString ReadAll(const QString &path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return QString::fromUtf8(f.readAll());
}

void WriteAll(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
}

// The small grid of the file-format example: 3 columns, 2 rows, cells
// (1,0) = "a" and (2,1) = "b|c".
void MakeExample(TqvStringGrid &grid) {
  grid.SetAutoSave(false);
  grid.SetColCount(3);
  grid.SetRowCount(2);
  grid.SetCells(1, 0, "a");
  grid.SetCells(2, 1, "b|c");
}

class StringGridTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString Path(const QString &name) const { return dir.filePath(name); }
  MessageRecorder messages;
};

}  // namespace

TEST_F(StringGridTest, WritesTheExampleExactlyAndReadsItBack) {
  TqvStringGrid grid;
  MakeExample(grid);
  ASSERT_TRUE(grid.SaveToFile(Path("grid.txt")));
  EXPECT_EQ(ReadAll(Path("grid.txt")),
            "|\n2|3\n16\n\n\nTop\nColumn 0 Width: 16\n1|0|a\n2|1|b|c\n\n");

  TqvStringGrid loaded;
  loaded.SetAutoSave(false);
  ASSERT_TRUE(loaded.LoadFromFile(Path("grid.txt")));
  EXPECT_EQ(loaded.RowCount(), 2);
  EXPECT_EQ(loaded.ColCount(), 3);
  EXPECT_EQ(loaded.Cells(1, 0), "a");
  EXPECT_EQ(loaded.Cells(2, 1), "b|c");
  EXPECT_EQ(loaded.columnWidth(0), 16);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(StringGridTest, RoundTripKeepsCaptionsSizesAndDelimiter) {
  TqvStringGrid grid;
  grid.SetAutoSave(false);
  grid.SetCellDelimiter(';');
  grid.SetColCount(4);
  grid.SetRowCount(6);
  grid.SetCaption1("First");
  grid.SetCaption2("Second");
  grid.SetCaption2Placement(TqvStringGrid::TCaption2Placement::cpBottom);
  grid.setRowHeight(3, 30);
  grid.setColumnWidth(2, 90);
  grid.SetCells(3, 5, "x;y");
  ASSERT_TRUE(grid.SaveToFile(Path("g.grd")));

  TqvStringGrid loaded;
  loaded.SetAutoSave(false);
  loaded.SetFileName(Path("g.grd"));  // assigning the name loads the file
  EXPECT_EQ(loaded.CellDelimiter(), ';');
  EXPECT_EQ(loaded.RowCount(), 6);
  EXPECT_EQ(loaded.ColCount(), 4);
  EXPECT_EQ(loaded.Caption1(), "First");
  EXPECT_EQ(loaded.Caption2(), "Second");
  EXPECT_EQ(loaded.Caption2Placement(), TqvStringGrid::TCaption2Placement::cpBottom);
  EXPECT_EQ(loaded.rowHeight(3), 30);
  EXPECT_EQ(loaded.columnWidth(2), 90);
  EXPECT_EQ(loaded.Cells(3, 5), "x;y");
}

TEST_F(StringGridTest, SavingOverAFileKeepsABackupAndAutoSaveWritesOnDestruction) {
  WriteAll(Path("x.grd"), "|\n");
  {
    TqvStringGrid grid;
    grid.SetAutoSave(true);
    grid.SetCells(1, 1, "kept");
    grid.SetFileName(Path("x.grd"));
  }
  EXPECT_EQ(ReadAll(Path("x.grdBAK")), "|\n");
  EXPECT_TRUE(ReadAll(Path("x.grd")).contains("1|1|kept"));
  // A second save cannot replace the older backup and still writes the file.
  TqvStringGrid grid;
  grid.SetAutoSave(false);
  grid.SetCells(1, 1, "new");
  ASSERT_TRUE(grid.SaveToFile(Path("x.grd")));
  EXPECT_EQ(ReadAll(Path("x.grdBAK")), "|\n");
  EXPECT_TRUE(ReadAll(Path("x.grd")).contains("1|1|new"));
}

TEST_F(StringGridTest, AFileThatCannotBeCreatedIsReported) {
  TqvStringGrid grid;
  grid.SetAutoSave(false);
  const QString bad = Path("no such folder/grid.txt");
  EXPECT_FALSE(grid.SaveToFile(bad));
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), bad + " is not a valid file name.");
  EXPECT_FALSE(QFile::exists(bad));
}

TEST_F(StringGridTest, MalformedFilesStopWithAMessageAndKeepWhatWasApplied) {
  struct Case {
    const char *name;
    QByteArray text;
    int rowsAfter;  // 0: the grid's size is left alone
    bool cellApplied;
  };
  const Case cases[] = {
      {"size not a number", "|\nx|3\n16\n", 0, false},
      {"absurd row count", "|\n999999999|3\n16\n", 0, false},
      {"absurd column count", "|\n2|5000000\n", 0, false},
      {"height not a number", "|\n4|3\n16\n\n\nTop\nRow 1 Height: tall\n", 4, false},
      {"cell outside the grid", "|\n4|3\n16\n\n\nTop\n1|2|ok\n2|400000|far\n", 4, true},
      {"row not a number", "|\n4|3\n16\n\n\nTop\n1|2|ok\n2|x|bad\n", 4, true},
      {"huge height", "|\n4|3\n16\n\n\nTop\n1|2|ok\nRow 1 Height: 99999999999\n", 4, true},
      {"no delimiter", "\n4|3\n", 0, false},
      // Saved again, the grid of either file could not be read back: its
      // delimiter would be taken for a line end or a byte-order mark.
      {"carriage return as delimiter", "\r\r\n4\r3\r\n16\r\n\r\n\r\nTop\r\n1\r2\rok\r\n", 0, false},
      {"byte-order mark as delimiter",
       "\xEF\xBB\xBF\xEF\xBB\xBF\n4\xEF\xBB\xBF"
       "3\n",
       0, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    WriteAll(Path("bad.grd"), c.text);
    TqvStringGrid grid;
    grid.SetAutoSave(false);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    messages.Clear();
    EXPECT_FALSE(grid.LoadFromFile(Path("bad.grd")));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.LastText().contains("line")) << messages.LastText().toStdString();
    EXPECT_EQ(grid.RowCount(), c.rowsAfter ? c.rowsAfter : 3);
    EXPECT_EQ(grid.Cells(1, 2), c.cellApplied ? "ok" : "");
  }
}

TEST_F(StringGridTest, OversizedAndMissingFiles) {
  TqvStringGrid grid;
  grid.SetAutoSave(false);
  EXPECT_FALSE(grid.LoadFromFile(Path("missing.grd")));
  EXPECT_EQ(messages.Count(), 0);
  QFile big(Path("big.grd"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(kGridMaxFileBytes + 1));
  big.close();
  EXPECT_FALSE(grid.LoadFromFile(Path("big.grd")));
  EXPECT_EQ(messages.Count(), 1);
  WriteAll(Path("empty.grd"), "");
  messages.Clear();
  EXPECT_TRUE(grid.LoadFromFile(Path("empty.grd")));
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(StringGridTest, WritesHtmlWithCaptionsAndEmptyCells) {
  TqvStringGrid grid;
  MakeExample(grid);
  grid.SetCells(1, 0, "");
  grid.SetCells(2, 0, "Head");
  grid.SetCaption1("Cap1");
  grid.SetCaption2("Cap2");
  QStringList html;
  grid.WriteHTML(html);
  EXPECT_EQ(html,
            QStringList({"<table border=1>", "<tr><th nowrap colspan=2>Cap1</th></tr>",
                         "<tr><th nowrap colspan=2>Cap2</th></tr>", "<tr>", "<th nowrap><br></th>",
                         "<th nowrap>Head</th>", "</tr>", "<tr>", "<td nowrap><br></td>",
                         "<td nowrap>b|c</td>", "</tr>", "</table><p>"}));
  grid.SetCaption2Placement(TqvStringGrid::TCaption2Placement::cpBottom);
  html.clear();
  grid.WriteHTML(html);
  EXPECT_EQ(html.at(html.size() - 2), "<tr><th nowrap colspan=2>Cap2</th></tr>");
}

TEST_F(StringGridTest, KeyboardInsertsAppendsAndDeletesRows) {
  TqvStringGrid grid;
  grid.SetAutoSave(false);
  grid.SetRowCount(4);
  for (int r = 1; r < 4; ++r) grid.SetCells(1, r, QString::number(r));
  ASSERT_TRUE(ShowActive(grid));
  grid.setFocus();
  grid.setCurrentCell(2, 1);
  QTest::keyClick(&grid, Qt::Key_Insert);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.Cells(1, 2), "");
  EXPECT_EQ(grid.Cells(1, 3), "2");

  grid.setCurrentCell(4, 1);
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.currentRow(), 5);

  grid.setCurrentCell(3, 1);
  messages.Answer(MsgButton::Cancel);
  QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(grid.RowCount(), 6);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Are you sure you want to delete this row?");
  QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.Cells(1, 3), "3");
}
