// Whether the scenario differs from its file: what a save would write, not
// the leftovers a file keeps beyond texts and schedule rows.
#include <gtest/gtest.h>

#include "lumo_state.h"
#include "saved_scenario.h"

namespace lumo {
namespace {

TEST(SavedScenario, AValueTypedBackIsNoChangeAndLeftoversDoNotCount) {
  TLumoState state;
  state.SetPaintDurationGrid();
  auto &r = state.ScenarioRecord;
  SavedScenario saved;
  saved.Remember(r, state.PaintDurationGrid());
  EXPECT_FALSE(saved.Differs(r, state.PaintDurationGrid()));

  // A longer title and back: the old characters stay behind the length.
  const std::string title = r.Title.Text();
  r.Title.SetText(title + " and a much longer title");
  EXPECT_TRUE(saved.Differs(r, state.PaintDurationGrid()));
  r.Title.SetText(title);
  EXPECT_FALSE(saved.Differs(r, state.PaintDurationGrid()));

  r.BodyWeight += 1.0;
  EXPECT_TRUE(saved.Differs(r, state.PaintDurationGrid()));
  r.BodyWeight -= 1.0;
  r.LADD = 1.5;  // a run's results are saved too
  EXPECT_TRUE(saved.Differs(r, state.PaintDurationGrid()));
  r.LADD = 0.0;

  // A schedule that grew and shrank again keeps rows beyond its count.
  auto &grid = state.PaintDurationGrid();
  const int rows = grid.Rows();
  grid.RowCount = rows + 1;
  grid.SetCell(PaintDurationGrid::kBreathingRate, rows, "99.00");
  EXPECT_TRUE(saved.Differs(r, grid));
  grid.RowCount = rows;
  EXPECT_FALSE(saved.Differs(r, grid));
  grid.SetCell(PaintDurationGrid::kBreathingRate, 0, "12.34");
  EXPECT_TRUE(saved.Differs(r, grid));
}

}  // namespace
}  // namespace lumo
