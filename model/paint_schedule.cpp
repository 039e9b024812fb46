// The painting schedule builder: cuts the priming and painting hours into
// one work period per day, starting at 09:00.
#include <cstdio>

#include "lumo_state.h"

namespace lumo {
namespace {

constexpr timerect1 kZero{0, 0};
constexpr timerect1 kWorkStart{9, 0};

// Writes an integer right-aligned in two characters (" 9", "15").
void Width2(ShortString<PaintDurationGrid::kCellChars> &cell, std::int32_t value) {
  char buf[16];
  int n = std::snprintf(buf, sizeof buf, "%2d", static_cast<int>(value));
  cell.SetBytes(std::string_view(buf, static_cast<std::size_t>(n)));
}

// Appends rows to `grid` until `remaining` is used up; without a grid the
// rows are only counted (the same loop, so the counts are the same). `day`
// and `chunk` come out as the last period's day and length. The texts are
// plain ASCII, so they are written to the cells as they are.
class PeriodWriter {
 public:
  PeriodWriter(PaintDurationGrid *grid, std::string zone, std::string rate)
      : grid_(grid), zone_(std::move(zone)), rate_(std::move(rate)) {}

  // Returns the number of rows added; throws ETooManyOverrideRows when an
  // 801st row would be needed. A period of no length (work hours below a
  // minute) gets there too, so the loop always ends.
  int Run(timerect1 remaining, timerect1 available, timerect1 perDay, timerect1 start,
          std::int32_t &day, timerect1 &chunk) {
    int rows = 0;
    while (TimeIsGreaterThan(remaining, kZero)) {
      const int row = rowsWritten_;
      if (row >= PaintDurationGrid::kMaxRows) throw ETooManyOverrideRows();
      chunk = TimeIsGreaterThan(remaining, available) ? available : remaining;
      if (grid_) Write(row, day, start, AddTimes(start, chunk));
      rowsWritten_ = row + 1;
      ++rows;
      remaining = SubtractTimes(remaining, chunk);
      if (TimeIsGreaterThan(remaining, kZero)) {
        day = NextDay(day);
        available = perDay;
      }
      start = kWorkStart;
    }
    return rows;
  }

 private:
  void Write(int row, std::int32_t day, timerect1 start, timerect1 end) {
    const std::string dayText = DayAbbreviation(day);
    auto cell = [&](int column) -> ShortString<PaintDurationGrid::kCellChars> & {
      return grid_->Cells[column][row];
    };
    cell(PaintDurationGrid::kZone).SetBytes(zone_);
    cell(PaintDurationGrid::kStartDay).SetBytes(dayText);
    Width2(cell(PaintDurationGrid::kStartHour), start.hour);
    Width2(cell(PaintDurationGrid::kStartMinute), start.minute);
    cell(PaintDurationGrid::kEndDay).SetBytes(dayText);
    Width2(cell(PaintDurationGrid::kEndHour), end.hour);
    Width2(cell(PaintDurationGrid::kEndMinute), end.minute);
    cell(PaintDurationGrid::kBreathingRate).SetBytes(rate_);
    grid_->RowCount = row + 1;
  }

  PaintDurationGrid *grid_;
  std::string zone_;
  std::string rate_;
  int rowsWritten_ = 0;
};

}  // namespace

// The build behind BuildPaintDurationGrid and CountPaintDurationGridRows:
// writes into `grid` when there is one, otherwise only counts.
PaintScheduleCounts TLumoState::MakePaintSchedule(lumo::PaintDurationGrid *grid) const {
  const auto &r = ScenarioRecord;
  if (grid) grid->Clear();

  char rate[32];
  std::snprintf(rate, sizeof rate, "%3.2f", GetBreathingRate(r.Gender, r.IndividualType));
  PeriodWriter writer(grid, std::to_string(GetZone()), rate);
  PaintScheduleCounts counts;

  // Priming, from the start day.
  std::int32_t day = static_cast<std::int32_t>(r.StartDay);
  timerect1 chunk = kZero;
  timerect1 perDay = DoubletoTime(r.PrimerWorkHours);
  counts.PrimingRows =
      writer.Run(DoubletoTime(GetPrimerHours()), perDay, perDay, kWorkStart, day, chunk);

  // Hand-over: what is left of the last priming day's working window after
  // the last period and the wait. The sum is a duration, not a time of day.
  perDay = DoubletoTime(r.PaintWorkHours);
  const timerect1 used =
      MinutestoTime(TimetoMinutes(chunk) + TimetoMinutes(DoubletoTime(r.HoursTillPaint)));
  const timerect1 left = SubtractTimes(DoubletoTime(r.PrimerWorkHours), used);
  timerect1 available = perDay;
  timerect1 start = kWorkStart;
  if (r.PaintInterval == PaintInterval::PAINTSAMEDAY && TimeIsGreaterThan(left, kZero)) {
    available = TimeIsLessThan(left, perDay) ? left : perDay;
    // 09:00 + last period + wait.
    start = SubtractTimes(DoubletoTime(9.0 + r.PrimerWorkHours), left);
  } else {
    day = NextDay(day);
    if (r.PaintInterval == PaintInterval::PAINTSECONDDAY) day = NextDay(day);
  }

  counts.PaintingRows =
      writer.Run(DoubletoTime(GetPaintHours()), available, perDay, start, day, chunk);
  return counts;
}

PaintScheduleCounts TLumoState::BuildPaintDurationGrid(lumo::PaintDurationGrid &grid) const {
  return MakePaintSchedule(&grid);
}

PaintScheduleCounts TLumoState::SetPaintDurationGrid() {
  return MakePaintSchedule(grid_.get());
}

PaintScheduleCounts TLumoState::CountPaintDurationGridRows() const {
  return MakePaintSchedule(nullptr);
}

}  // namespace lumo
