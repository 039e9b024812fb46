// The painting schedule: one row per day of priming and then per day of
// painting, each row a work period as eight short texts (zone, start day,
// start hour, start minute, end day, end hour, end minute, breathing rate).
// Its 102404-byte image is the companion file of a scenario: the row count,
// then the cells column by column (column c, row r at 4 + c × 12800 + r × 16).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "pascal_string.h"

namespace lumo {

struct PaintDurationGrid {
  static constexpr int kMaxRows = 800;
  static constexpr int kColumns = 8;
  static constexpr std::size_t kCellChars = 15;

  // Column numbers.
  static constexpr int kZone = 0;           // zone during the period: "1"
  static constexpr int kStartDay = 1;       // "Mon"
  static constexpr int kStartHour = 2;      // " 9" (right-aligned in 2)
  static constexpr int kStartMinute = 3;    // " 0"
  static constexpr int kEndDay = 4;         // always the start day
  static constexpr int kEndHour = 5;        // "15"
  static constexpr int kEndMinute = 6;      // "51"
  static constexpr int kBreathingRate = 7;  // m³/day, "27.50"

  std::int32_t RowCount;  // 0 to 800 (kept as read; see Rows)
  ShortString<kCellChars> Cells[kColumns][kMaxRows];

  // The rows in use: RowCount limited to 0..800, so a damaged count never
  // reads past the cells.
  int Rows() const;

  // Row count 0 and every cell empty.
  void Clear();

  // The text of a cell (UTF-8); empty for a column or row outside the grid.
  std::string Cell(int column, int row) const;

  // Replaces the text of a cell; throws ETextError for a text that does not
  // fit 15 characters of Windows-1252 and std::out_of_range for a column or
  // row outside the grid. The row count is not changed.
  void SetCell(int column, int row, std::string_view text);

  // A cell read as a number: surrounding blanks are ignored and the decimal
  // mark is "."; empty when the text is not a finite number.
  std::optional<double> CellNumber(int column, int row) const;

  // Appends one row of texts; throws ETooManyOverrideRows when 800 rows are
  // already in use (nothing is changed then).
  void AppendRow(const std::string (&texts)[kColumns]);
};

static_assert(std::is_trivially_copyable_v<PaintDurationGrid>);
static_assert(std::is_standard_layout_v<PaintDurationGrid>);
static_assert(sizeof(PaintDurationGrid) == 102404);
static_assert(offsetof(PaintDurationGrid, RowCount) == 0);
static_assert(offsetof(PaintDurationGrid, Cells) == 4);
static_assert(sizeof(ShortString<15>) == 16);

}  // namespace lumo
