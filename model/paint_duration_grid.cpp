// The painting schedule's cells.
#include "paint_duration_grid.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace lumo {
namespace {

bool Inside(int column, int row) {
  return column >= 0 && column < PaintDurationGrid::kColumns && row >= 0 &&
         row < PaintDurationGrid::kMaxRows;
}

}  // namespace

int PaintDurationGrid::Rows() const {
  if (RowCount < 0) return 0;
  return RowCount > kMaxRows ? kMaxRows : RowCount;
}

void PaintDurationGrid::Clear() {
  std::memset(static_cast<void *>(this), 0, sizeof(*this));
}

std::string PaintDurationGrid::Cell(int column, int row) const {
  if (!Inside(column, row)) return {};
  return Cells[column][row].Text();
}

void PaintDurationGrid::SetCell(int column, int row, std::string_view text) {
  if (!Inside(column, row)) {
    throw std::out_of_range("painting schedule cell " + std::to_string(column) + "," +
                            std::to_string(row) + " does not exist");
  }
  Cells[column][row].SetText(text);
}

std::optional<double> PaintDurationGrid::CellNumber(int column, int row) const {
  std::string text = Inside(column, row) ? Cells[column][row].Bytes() : std::string();
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  std::size_t last = text.find_last_not_of(" \t");
  const char *begin = text.data() + first;
  const char *end = text.data() + last + 1;
  if (*begin == '+') ++begin;  // from_chars takes no plus sign
  double value = 0;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

void PaintDurationGrid::AppendRow(const std::string (&texts)[kColumns]) {
  int row = Rows();
  if (row >= kMaxRows) throw ETooManyOverrideRows();
  // Convert every text first so that a refused one changes nothing.
  std::string stored[kColumns];
  for (int c = 0; c < kColumns; ++c) {
    stored[c] = Utf8ToCp1252(texts[c]);
    if (stored[c].size() > kCellChars) {
      throw ETextError("The schedule text \"" + texts[c] + "\" is longer than 15 characters");
    }
  }
  for (int c = 0; c < kColumns; ++c) Cells[c][row].SetBytes(stored[c]);
  RowCount = row + 1;
}

}  // namespace lumo
