// The painting schedule: periods per day, hand-over from priming to
// painting, day wrap, and the 800-row limit.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "lumo_state.h"

namespace lumo {
namespace {

using Row = std::vector<std::string>;

Row RowOf(const PaintDurationGrid &g, int r) {
  Row row;
  for (int c = 0; c < PaintDurationGrid::kColumns; ++c) row.push_back(g.Cell(c, r));
  return row;
}

// "Day hh:mm-hh:mm" of a row, for compact expectations.
std::string Period(const PaintDurationGrid &g, int r) {
  auto two = [&](int c) {
    std::string t = g.Cell(c, r);
    return t.size() == 2 && t[0] == ' ' ? "0" + t.substr(1) : t;
  };
  return g.Cell(1, r) + " " + two(2) + ":" + two(3) + "-" + two(5) + ":" + two(6);
}

// Sets the state so that priming takes `primer` hours and painting `paint`
// hours (one painter, one coat, 1 gal/hour).
void SetHours(TLumoState &s, double primer, double paint) {
  auto &r = s.ScenarioRecord;
  r.BldgVolume = 1000;
  r.PercentPainted = 100;
  r.LoadingRatio = 1;
  r.PrimerApplicationRate = r.PaintApplicationRate = 1;
  r.NumberOfPainters = 1;
  r.PrimerCoats = r.PaintCoats = 1;
  r.PrimerCoverage = 1000.0 / primer;
  r.PaintCoverage = 1000.0 / paint;
}

TEST(PaintSchedule, WorkedExampleOfTheFactoryDefaults) {
  TLumoState s;
  PaintScheduleCounts counts = s.SetPaintDurationGrid();
  const auto &g = s.PaintDurationGrid();
  EXPECT_EQ(counts, (PaintScheduleCounts{1, 2}));
  ASSERT_EQ(g.RowCount, 3);
  EXPECT_EQ(RowOf(g, 0), (Row{"1", "Mon", " 9", " 0", "Mon", "15", "51", "27.50"}));
  EXPECT_EQ(RowOf(g, 1), (Row{"1", "Mon", "15", "51", "Mon", "17", " 0", "27.50"}));
  EXPECT_EQ(RowOf(g, 2), (Row{"1", "Tue", " 9", " 0", "Tue", "11", "16", "27.50"}));
  EXPECT_EQ(s.GetPrimerDays(), 1);
  EXPECT_EQ(g.CellNumber(7, 0), 27.5);
  EXPECT_EQ(g.CellNumber(2, 0), 9.0);
}

TEST(PaintSchedule, PersonGenderAndLocationFillZoneAndRate) {
  TLumoState s;
  s.ScenarioRecord.Gender = GenderType::Male;
  s.ScenarioRecord.IndividualType = IndividualType::Adult;
  s.ScenarioRecord.IndividualLocation = IndividualLocationType::Building;
  s.SetPaintDurationGrid();
  EXPECT_EQ(s.PaintDurationGrid().Cell(0, 2), "2");
  EXPECT_EQ(s.PaintDurationGrid().Cell(7, 2), "20.40");
}

TEST(PaintSchedule, HandOverFromPrimingToPainting) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  const auto &g = s.PaintDurationGrid();

  // No primer: painting starts on the start day after the wait...
  r.PrimerCoats = 0;
  r.HoursTillPaint = 2;
  EXPECT_EQ(s.SetPaintDurationGrid(), (PaintScheduleCounts{0, 1}));
  EXPECT_EQ(Period(g, 0), "Mon 11:00-14:25");
  // ...unless the wait uses the whole working day.
  r.HoursTillPaint = 8;
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(g, 0), "Tue 09:00-12:25");

  // Priming that fills the first day exactly: painting the next day.
  SetHours(s, 8.0, 3.0);
  r.HoursTillPaint = 0;
  EXPECT_EQ(s.SetPaintDurationGrid(), (PaintScheduleCounts{1, 1}));
  EXPECT_EQ(s.GetPrimerDays(), 1);
  EXPECT_EQ(Period(g, 0), "Mon 09:00-17:00");
  EXPECT_EQ(Period(g, 1), "Tue 09:00-12:00");

  // A wait longer than the rest of the last priming day moves painting on.
  SetHours(s, 6.0, 3.0);
  r.HoursTillPaint = 3;
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(g, 1), "Tue 09:00-12:00");
  r.HoursTillPaint = 1;  // 1 hour of the day left: painting fills it
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(g, 1), "Mon 16:00-17:00");
  EXPECT_EQ(Period(g, 2), "Tue 09:00-11:00");

  // The next day and the second day, whatever time is left.
  r.HoursTillPaint = 0;
  r.PaintInterval = PaintInterval::PAINTNEXTDAY;
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(g, 1), "Tue 09:00-12:00");
  r.PaintInterval = PaintInterval::PAINTSECONDDAY;
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(g, 1), "Wed 09:00-12:00");
}

TEST(PaintSchedule, DaysWrapFromSundayToMonday) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  const auto &g = s.PaintDurationGrid();
  SetHours(s, 20.0, 3.0);
  r.StartDay = Days::Sat;
  EXPECT_EQ(s.SetPaintDurationGrid(), (PaintScheduleCounts{3, 1}));
  EXPECT_EQ(Period(g, 0), "Sat 09:00-17:00");
  EXPECT_EQ(Period(g, 1), "Sun 09:00-17:00");
  EXPECT_EQ(Period(g, 2), "Mon 09:00-13:00");
  EXPECT_EQ(Period(g, 3), "Mon 13:00-16:00");

  SetHours(s, 8.0, 3.0);
  r.PaintInterval = PaintInterval::PAINTSECONDDAY;
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(g, 1), "Mon 09:00-12:00");  // Sunday skipped
}

TEST(PaintSchedule, LongPeriodsEndPastMidnightOnTheirStartDay) {
  TLumoState s;
  SetHours(s, 18.0, 1.0);
  s.ScenarioRecord.PrimerWorkHours = 20;
  s.ScenarioRecord.PaintInterval = PaintInterval::PAINTNEXTDAY;
  s.SetPaintDurationGrid();
  EXPECT_EQ(Period(s.PaintDurationGrid(), 0), "Mon 09:00-03:00");
  EXPECT_EQ(s.PaintDurationGrid().Cell(4, 0), "Mon");
}

TEST(PaintSchedule, PrimingRowsCanDifferFromPrimerDays) {
  // 8.004 hours round to 8:00, one period; the day count sees 1.0005 days.
  TLumoState s;
  SetHours(s, 8.004, 1.0);
  EXPECT_EQ(s.GetPrimerDays(), 2);
  EXPECT_EQ(s.CountPaintDurationGridRows().PrimingRows, 1);
}

TEST(PaintSchedule, CountingLeavesTheScheduleAlone) {
  TLumoState s;
  s.SetPaintDurationGrid();
  std::vector<char> before(sizeof(PaintDurationGrid));
  std::memcpy(before.data(), &s.PaintDurationGrid(), before.size());
  SetHours(s, 20.0, 20.0);
  EXPECT_EQ(s.CountPaintDurationGridRows(), (PaintScheduleCounts{3, 3}));
  auto other = std::make_unique<PaintDurationGrid>();
  EXPECT_EQ(s.BuildPaintDurationGrid(*other), (PaintScheduleCounts{3, 3}));
  EXPECT_EQ(other->RowCount, 6);
  EXPECT_EQ(std::memcmp(before.data(), &s.PaintDurationGrid(), before.size()), 0);
}

TEST(PaintSchedule, StopsAt800Rows) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  SetHours(s, 900.0, 1.0);
  r.PrimerWorkHours = 1.0;
  EXPECT_THROW(s.CountPaintDurationGridRows(), ETooManyOverrideRows);
  try {
    s.SetPaintDurationGrid();
    FAIL() << "no error";
  } catch (const ETooManyOverrideRows &e) {
    EXPECT_STREQ(e.what(), "Painting Limits exceeded");
  }
  EXPECT_EQ(s.PaintDurationGrid().RowCount, 800);
  EXPECT_EQ(Period(s.PaintDurationGrid(), 799), "Tue 09:00-10:00");  // 799 days on

  // Exactly 800 rows is allowed.
  SetHours(s, 799.0, 1.0);
  EXPECT_EQ(s.SetPaintDurationGrid(), (PaintScheduleCounts{799, 1}));
}

TEST(PaintSchedule, ImpossibleInputsEndCleanly) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  // No rows for hours that are not a positive number.
  r.PrimerApplicationRate = std::numeric_limits<double>::quiet_NaN();
  r.PaintCoats = -1;
  EXPECT_EQ(s.SetPaintDurationGrid(), (PaintScheduleCounts{0, 0}));
  // Work to do but no working time: the limit, not an endless loop.
  s.SetDefault();
  r.PaintWorkHours = 0;
  EXPECT_THROW(s.SetPaintDurationGrid(), ETooManyOverrideRows);
  r.PaintWorkHours = std::numeric_limits<double>::infinity();
  EXPECT_EQ(s.SetPaintDurationGrid().PaintingRows, 2);
}

TEST(PaintSchedule, CellsRefuseTextsThatDoNotFit) {
  auto g = std::make_unique<PaintDurationGrid>();
  g->Clear();
  g->SetCell(7, 0, "30.5");
  EXPECT_EQ(g->CellNumber(7, 0), 30.5);
  EXPECT_THROW(g->SetCell(7, 0, "1234567890123456"), ETextError);
  EXPECT_THROW(g->SetCell(8, 0, "1"), std::out_of_range);
  EXPECT_EQ(g->Cell(7, 0), "30.5");
  g->SetCell(7, 1, "abc");
  EXPECT_FALSE(g->CellNumber(7, 1).has_value());
  g->RowCount = -5;
  EXPECT_EQ(g->Rows(), 0);
  g->RowCount = 5000;
  EXPECT_EQ(g->Rows(), 800);
}

}  // namespace
}  // namespace lumo
