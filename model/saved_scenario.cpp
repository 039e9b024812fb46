#include "saved_scenario.h"

#include <cstring>

namespace lumo {
namespace {

// Characters beyond a text's length are kept in a file as they lie, but
// they are no part of the text: a title typed back to what it was is the
// same title.
template <std::size_t N>
void ClearTail(ShortString<N> &text) {
  const std::size_t n = text.Length <= N ? text.Length : N;
  std::memset(text.Chars + n, 0, N - n);
}

std::string RecordBytes(const ScenarioRecord &record) {
  ScenarioRecord copy = record;
  copy.ZeroPadding();
  for (String255 *text :
       {&copy.VolumeUnits, &copy.ChemicalName, &copy.Title, &copy.Notes, &copy.ScenarioFileName})
    ClearTail(*text);
  std::string bytes(sizeof copy, '\0');
  std::memcpy(bytes.data(), &copy, sizeof copy);
  return bytes;
}

// The schedule's row count and the texts of its rows in use.
std::string ScheduleText(const PaintDurationGrid &schedule) {
  std::string text(reinterpret_cast<const char *>(&schedule.RowCount), sizeof schedule.RowCount);
  for (int row = 0; row < schedule.Rows(); ++row)
    for (int column = 0; column < PaintDurationGrid::kColumns; ++column)
      text += schedule.Cells[column][row].Bytes() + '\0';
  return text;
}

}  // namespace

void SavedScenario::Remember(const ScenarioRecord &record, const PaintDurationGrid &schedule) {
  record_ = RecordBytes(record);
  schedule_ = ScheduleText(schedule);
}

bool SavedScenario::Differs(const ScenarioRecord &record, const PaintDurationGrid &schedule) const {
  return record_ != RecordBytes(record) || schedule_ != ScheduleText(schedule);
}

}  // namespace lumo
