// Fuzz target: the string grid's file. The input is the file's bytes,
// decoded and read as the grid loads a file; the steps read are applied to
// a plain model of the grid, which is written as the grid saves itself and
// read again.
//
// Checked: every step lies within the grid file's limits and the declared
// size; an error names a line of the file; and a file that reads completely
// comes back, after a save, as the same grid (the cells of column 0 and
// empty cells excepted: the grid does not save them; see AsSaved).
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

#include "fuzz_support.h"
#include "grid_file.h"

namespace {

using namespace lumo::controls;
using namespace lumo::fuzz;

// What a grid holds after the steps of a file.
struct GridModel {
  QChar delimiter = u'|';
  bool sized = false;
  int rows = 0;
  int cols = 0;
  int defaultRowHeight = 16;
  QString caption1, caption2;
  bool caption2Top = true;
  std::map<int, int> rowHeights, colWidths;
  std::map<std::pair<int, int>, QString> cells;  // (row, column)

  friend bool operator==(const GridModel &, const GridModel &) = default;
};

GridModel Apply(const GridFileReading &reading) {
  GridModel m;
  const int steps = static_cast<int>(reading.steps.size());
  Require(reading.error.isEmpty() || reading.errorLine > steps,
          "an error names a line after those whose steps were read");
  for (const GridFileStep &step : reading.steps) {
    switch (step.kind) {
      case GridFileStep::Delimiter:
        Require(step.text.size() == 1, "the delimiter is one character");
        m.delimiter = step.text[0];
        break;
      case GridFileStep::Size:
        Require(step.a >= 1 && step.a <= kGridMaxRows && step.b >= 1 && step.b <= kGridMaxColumns,
                "the grid size is within the limits");
        m.sized = true;
        m.rows = step.a;
        m.cols = step.b;
        break;
      case GridFileStep::DefaultRowHeight:
        Require(step.a >= 1 && step.a <= kGridMaxSize, "the default row height is within limits");
        m.defaultRowHeight = step.a;
        break;
      case GridFileStep::Caption1:
        m.caption1 = step.text;
        break;
      case GridFileStep::Caption2:
        m.caption2 = step.text;
        break;
      case GridFileStep::Placement:
        m.caption2Top = step.a == 1;
        break;
      case GridFileStep::RowHeight:
        Require(m.sized && step.a >= 0 && step.a < m.rows && step.b >= 0 && step.b <= kGridMaxSize,
                "a row height names a row of the grid and a height within limits");
        m.rowHeights[step.a] = step.b;
        break;
      case GridFileStep::ColWidth:
        Require(m.sized && step.a >= 0 && step.a < m.cols && step.b >= 0 && step.b <= kGridMaxSize,
                "a column width names a column of the grid and a width within limits");
        m.colWidths[step.a] = step.b;
        break;
      case GridFileStep::Cell:
        Require(m.sized && step.a >= 0 && step.a < m.cols && step.b >= 0 && step.b < m.rows,
                "a cell lies within the grid");
        m.cells[{step.b, step.a}] = step.text;
        break;
    }
  }
  return m;
}

// The grid as it saves itself: no cells of column 0, no empty cells.
GridFileData Saved(const GridModel &m) {
  GridFileData data;
  data.delimiter = m.delimiter;
  data.rowCount = m.rows;
  data.colCount = m.cols;
  data.defaultRowHeight = m.defaultRowHeight;
  data.caption1 = m.caption1;
  data.caption2 = m.caption2;
  data.caption2Top = m.caption2Top;
  for (const auto &[row, height] : m.rowHeights) data.rowHeights.append({row, height});
  for (const auto &[col, width] : m.colWidths) data.colWidths.append({col, width});
  for (const auto &[at, text] : m.cells)
    if (at.second != 0 && !text.isEmpty()) data.cells.append({at.second, at.first, text});
  return data;
}

QString WithoutEndingReturns(QString text) {
  while (text.endsWith(u'\r')) text.chop(1);
  return text;
}

// The grid as a saved file gives it back: without the cells the grid does
// not save, and without carriage returns at the end of a text. (A text read
// from a line ending in two carriage returns keeps one; written again, it
// is taken for part of the line's end. Left as it is: such a text comes
// only from a doubly converted file, and the lost character is invisible.)
GridModel AsSaved(GridModel m) {
  m.caption1 = WithoutEndingReturns(m.caption1);
  m.caption2 = WithoutEndingReturns(m.caption2);
  for (auto &cell : m.cells) cell.second = WithoutEndingReturns(cell.second);
  std::erase_if(m.cells,
                [](const auto &cell) { return cell.first.second == 0 || cell.second.isEmpty(); });
  return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const GridFileReading reading = ReadGridFile(DecodeGridFileText(bytes));
  const GridModel read = Apply(reading);
  // Only a file that reads completely and sets the grid's size describes a
  // whole grid.
  if (!reading.error.isEmpty() || !read.sized) return 0;

  const QString written = WriteGridFile(Saved(read));
  const GridFileReading again = ReadGridFile(DecodeGridFileText(written.toUtf8()));
  Require(again.error.isEmpty(), "a saved grid reads without error");
  Require(AsSaved(Apply(again)) == AsSaved(read), "a saved grid reads back as the same grid");
  return 0;
}
