// The text file a TqvStringGrid saves itself to and loads itself from.
//
//   line 1   the cell delimiter D alone
//   line 2   row count D column count
//   line 3   default row height
//   line 4   first caption
//   line 5   second caption
//   line 6   "Top" or "Bottom": where the second caption goes in HTML
//   then     "Row r Height: h" for each row of another height,
//            "Column c Width: w" for each column of another width,
//            "c D r D text" for each non-empty cell (column 0 excepted),
//   and one empty line at the end.
//
// Reading turns the lines into steps that the grid applies in order. A
// malformed line (a number that does not read, a size beyond the limits
// below, a cell outside the declared size, a delimiter that is a digit, a
// sign, a carriage return or a byte-order mark) stops the reading: the
// steps before it stand and the error names the line.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumo::controls {

// Limits a grid file must keep to.
constexpr int kGridMaxRows = 100000;
constexpr int kGridMaxColumns = 1000;
constexpr int kGridMaxSize = 10000;  // a row height or column width, pixels
constexpr qint64 kGridMaxFileBytes = 64 * 1024 * 1024;

struct GridFileCell {
  int col = 0;
  int row = 0;
  QString text;
};

// Everything SaveToFile writes.
struct GridFileData {
  QChar delimiter = u'|';
  int rowCount = 0;
  int colCount = 0;
  int defaultRowHeight = 16;
  QString caption1;
  QString caption2;
  bool caption2Top = true;
  QList<QPair<int, int>> rowHeights;  // (row, height) of rows of another height
  QList<QPair<int, int>> colWidths;   // (column, width) of columns of another width
  QList<GridFileCell> cells;          // the non-empty cells, row by row
};

// The file's text, lines ended by "\n".
QString WriteGridFile(const GridFileData &data);

// A grid file's bytes as text: UTF-8 (as WriteGridFile's text is saved), or
// Latin-1 when the bytes are not valid UTF-8.
QString DecodeGridFileText(const QByteArray &bytes);

struct GridFileStep {
  enum Kind {
    Delimiter,
    Size,
    DefaultRowHeight,
    Caption1,
    Caption2,
    Placement,
    RowHeight,
    ColWidth,
    Cell
  };
  Kind kind;
  int a = 0;     // Size: rows; RowHeight: row; ColWidth: column; Cell: column;
                 // DefaultRowHeight: the height; Placement: 1 for top, 0 for bottom
  int b = 0;     // Size: columns; RowHeight: height; ColWidth: width; Cell: row
  QString text;  // Delimiter, captions, cell text
};

struct GridFileReading {
  QList<GridFileStep> steps;  // the lines read, in order
  QString error;              // empty when the whole text read
  int errorLine = 0;          // 1-based line of the error
};

GridFileReading ReadGridFile(const QString &text);

}  // namespace lumo::controls
