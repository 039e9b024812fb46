// The exposure factor and activity pattern dialogs.
#include "activity_grid.h"
#include "dialog_test_support.h"
#include "exposure_dlg.h"
#include "life_span_dlg.h"
#include "week_day_dlg.h"
#include "week_end_dlg.h"
#include "weight_dlg.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;

namespace {

class ExposureDialogs : public ::testing::Test {
 protected:
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
  lumo::ScenarioRecord &r = state->ScenarioRecord;
  MessageRecorder messages;
};

TEST_F(ExposureDialogs, EventsInALifetimeUseWholeYearsAndWholeEvents) {
  TExposureDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_FALSE(Find<TNumEdit>(&dlg, "numedEvents")->isEnabled());
  Type(Find<TNumEdit>(&dlg, "numedYears"), "2.5");
  EXPECT_EQ(r.YearsofExposure, 2);
  EXPECT_EQ(r.EventsinLifeTime, 400);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numedEvents")->Value(), 400);
  Type(Find<TNumEdit>(&dlg, "numedYears"), "25");
  Type(Find<TNumEdit>(&dlg, "numedExposure"), "0.5");
  EXPECT_EQ(r.EventsPerYear, 0.5);
  EXPECT_EQ(r.EventsinLifeTime, 12);
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(ExposureDialogs, LifetimeIsWholeYearsAndAtLeastOne) {
  TLifeSpanDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *years = Find<TNumEdit>(&dlg, "numedYears");
  Type(years, "72.9");
  EXPECT_EQ(r.LifeTime, 72);
  EXPECT_EQ(messages.Count(), 0);
  Type(years, "0.5");
  EXPECT_EQ(r.LifeTime, 1);
  EXPECT_EQ(years->Value(), 1);
  EXPECT_EQ(messages.Messages().last().caption, "A Small Correction");
}

TEST_F(ExposureDialogs, BodyWeightInPounds) {
  TWeightDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numedWtLbs")->text(), "157.96");
  Type(Find<TNumEdit>(&dlg, "numedWtLbs"), "150");
  EXPECT_NEAR(r.BodyWeight, 68.18, 0.005);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numedWtKg")->text(), "68.18");
  Type(Find<TNumEdit>(&dlg, "numedWtKg"), "0");
  EXPECT_EQ(r.BodyWeight, 1);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numedWtLbs")->Value(), 2.2);

  // Passing through the pounds keeps the kilograms typed (or corrected to)
  // exact, not their round trip through pounds.
  Type(Find<TNumEdit>(&dlg, "numedWtKg"), "60.5");
  PassThrough(Find<TNumEdit>(&dlg, "numedWtLbs"));
  EXPECT_EQ(r.BodyWeight, 60.5);
  Type(Find<TNumEdit>(&dlg, "numedWtKg"), "5000");
  PassThrough(Find<TNumEdit>(&dlg, "numedWtLbs"));
  EXPECT_EQ(r.BodyWeight, 1000);
}

class PatternDialogs : public ExposureDialogs {
 protected:
  void SetUp() override {
    // A residential adult: five lines, 0:00 to 22:00.
    state->ApplyIndividualDefaults(lumo::IndividualType::Adult);
  }
  static void TypeCell(TLUMOActivityGrid *grid, int col, int row, const QString &text) {
    grid->setCurrentCell(row, col);
    grid->setFocus();
    TypeIntoFocus(text);
    grid->EndEditing();
  }
};

TEST_F(PatternDialogs, ShowsThePatternAndStoresAnEditedLine) {
  TWeekDayDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridPriAct");
  EXPECT_EQ(grid->RowCount(), 14);
  EXPECT_EQ(grid->Cells(2, 3), "  7");
  EXPECT_EQ(grid->Cells(4, 6), "  12.00");
  EXPECT_EQ(grid->currentRow(), 2);
  EXPECT_EQ(grid->currentColumn(), 4);
  TypeCell(grid, 1, 7, "2");
  TypeCell(grid, 2, 7, "23");
  TypeCell(grid, 3, 7, "30");
  TypeCell(grid, 4, 7, "8.5");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  const auto &p = r.WeekDayPattern;
  ASSERT_EQ(p.Count, 6);
  EXPECT_EQ(p.EnterHour[5], 23);
  EXPECT_EQ(p.EnterMinute[5], 30);
  EXPECT_EQ(p.BreathingRate[5], 8.5);
  EXPECT_EQ(p.EnterHour[4], 22);
}

TEST_F(PatternDialogs, BackwardTimesAreRefusedAndNothingIsStored) {
  const lumo::ActivityPattern before = r.WeekDayPattern;
  TWeekDayDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridPriAct");
  TypeCell(grid, 2, 4, "6");  // 08:00 becomes 06:00, before 07:00
  Click(&dlg, "OKBtn");
  EXPECT_TRUE(dlg.isVisible());
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Times must be in Numerical Order");
  EXPECT_EQ(messages.Messages()[0].caption, "A Small Error");
  EXPECT_EQ(messages.Messages()[0].icon, lumo::controls::MsgIcon::Error);
  EXPECT_EQ(0, std::memcmp(&before, &r.WeekDayPattern, sizeof before));
}

TEST_F(PatternDialogs, WeekendRefusesAnEmptyPatternWithItsOwnCaption) {
  const lumo::ActivityPattern before = r.WeekEndPattern;
  TWeekEndDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridSecAct");
  for (int row = 2; row < grid->RowCount(); ++row)
    for (int col = 1; col <= 4; ++col) grid->SetCells(col, row, "");
  Click(&dlg, "OKBtn");
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(messages.Messages().last().caption, "A Small Error...");
  EXPECT_TRUE(messages.LastText().startsWith("The pattern has no lines"));
  EXPECT_EQ(0, std::memcmp(&before, &r.WeekEndPattern, sizeof before));

  // The first line's time is locked at 0:00 and stays so.
  TypeCell(grid, 1, 2, "1");
  TypeCell(grid, 4, 2, "9.6");
  EXPECT_FALSE(grid->item(2, 2)->flags() & Qt::ItemIsSelectable);
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(r.WeekEndPattern.Count, 1);
  EXPECT_EQ(r.WeekEndPattern.EnterHour[0], 0);
  EXPECT_EQ(r.WeekEndPattern.BreathingRate[0], 9.6);
}

TEST_F(PatternDialogs, AFifteenLinePatternIsShownWholeAndKeptWhole) {
  lumo::ActivityPattern &p = r.WeekDayPattern;
  p.Count = 15;
  for (int i = 0; i < 15; ++i) {
    p.Zone[i] = i % 3;
    p.EnterHour[i] = i;
    p.EnterMinute[i] = 5 * (i > 0);
    p.BreathingRate[i] = 10 + i;
  }
  const lumo::ActivityPattern before = p;
  TWeekDayDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridPriAct");
  EXPECT_EQ(grid->RowCount(), 17);
  EXPECT_EQ(grid->Cells(0, 16), "15");
  EXPECT_EQ(grid->Cells(4, 16), "  24.00");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(0, std::memcmp(&before, &p, sizeof p)) << "OK on an unchanged pattern loses nothing";
}

}  // namespace
