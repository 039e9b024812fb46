#include "scenario_input.h"

#include <cstddef>
#include <cstring>

#include "paint_duration_grid.h"

namespace lumo::fuzz {
namespace {

using Grid = lumo::PaintDurationGrid;
constexpr std::size_t kCellBytes = sizeof(lumo::ShortString<Grid::kCellChars>);

std::size_t CellOffset(int column, int row) {
  return offsetof(Grid, Cells) +
         (static_cast<std::size_t>(column) * Grid::kMaxRows + row) * kCellBytes;
}

std::string ScheduleFromRows(FuzzBytes &in) {
  std::string file(sizeof(Grid), '\0');
  const std::int32_t rowCount = in.I32();
  std::memcpy(file.data(), &rowCount, sizeof rowCount);
  for (int row = 0; row < Grid::kMaxRows && !in.Empty(); ++row) {
    for (int column = 0; column < Grid::kColumns; ++column) {
      const std::string cell = in.Bytes(kCellBytes);
      std::memcpy(file.data() + CellOffset(column, row), cell.data(), cell.size());
    }
  }
  return file;
}

}  // namespace

ScenarioInput ReadScenarioInput(FuzzBytes &in) {
  ScenarioInput out;
  const std::uint8_t flags = in.U8();
  out.windowOpen = (flags & 2) != 0;
  out.scenarioFile = in.Bytes(in.U16());
  out.scheduleFile = (flags & 1) ? ScheduleFromRows(in) : in.Rest();
  return out;
}

std::string WriteScenarioInput(const std::string &scenarioFile, const std::string &scheduleFile,
                               bool rowByRow, bool windowOpen) {
  FuzzWriter out;
  out.U8(static_cast<std::uint8_t>((rowByRow ? 1 : 0) | (windowOpen ? 2 : 0)));
  out.U16(static_cast<std::uint16_t>(scenarioFile.size()));
  out.Bytes(scenarioFile.substr(0, 0xFFFF));
  if (!rowByRow) {
    out.Bytes(scheduleFile);
    return out.Text();
  }
  std::int32_t rowCount = 0;
  std::memcpy(&rowCount, scheduleFile.data(), sizeof rowCount);
  out.I32(rowCount);
  const int rows = rowCount < 0 ? 0 : rowCount > Grid::kMaxRows ? Grid::kMaxRows : rowCount;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < Grid::kColumns; ++column)
      out.Bytes(std::string_view(scheduleFile).substr(CellOffset(column, row), kCellBytes));
  return out.Text();
}

}  // namespace lumo::fuzz
