// OK in every dialog whose values feed the painting schedule refuses a
// value the schedule cannot hold: the dialog stays open, says which value
// needs how many days and how far it may go, and gives the field back.
#include <QMessageBox>

#include "bldg_vol_dlg.h"
#include "dialog_test_support.h"
#include "dlg_standard_cube.h"
#include "paint_dlg.h"
#include "paint_duration_dlg.h"
#include "percent_painted_dlg.h"
#include "srf_area.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;

namespace {

struct Case {
  const char *name;
  std::function<QDialog *(lumo::TLumoState *)> make;
  std::function<void(lumo::ScenarioRecord &)> setup;  // before the dialog opens
  const char *field;  // the field typed into, which gets the focus back
  const char *typed;
  const char *says;  // how the refusal begins
};

void PrintTo(const Case &c, std::ostream *out) {
  *out << c.name;
}

const Case kCases[] = {
    {"Volume", [](lumo::TLumoState *s) { return new TBldgVolDlg(nullptr, s); }, [](auto &) {},
     "numedBldgVolume", "50000000", "A building volume of 50,000,000 ft³ needs 4,121 days"},
    {"PercentPainted", [](lumo::TLumoState *s) { return new TPercentPaintedDlg(nullptr, s); },
     [](auto &r) { r.BldgVolume = 1e6; }, "numeditPercentPainted", "99",
     "Painting 99 % of the building needs"},
    {"LoadingRatio", [](lumo::TLumoState *s) { return new TSrfArea(nullptr, s); },
     [](auto &r) { r.BldgVolume = 5e6; }, "numeditLoading", "0.6",
     "A loading ratio of 0.6 ft²/ft³ needs"},
    {"Coverage", [](lumo::TLumoState *s) { return new TPaintDlg(nullptr, s); },
     [](auto &r) { r.BldgVolume = 5e6; }, "numedPrimerCoverage", "60",
     "A primer coverage of 60 ft²/gallon needs"},
    {"ApplicationRate", [](lumo::TLumoState *s) { return new TPaintDurationDlg(nullptr, s); },
     [](auto &r) { r.BldgVolume = 5e6; }, "numedPrimerApplicationRate", "0.1",
     "A primer application rate of 0.1 gallons/hour per painter needs"},
    {"StandardBox", [](lumo::TLumoState *s) { return new TdlgStandardCube(nullptr, s); },
     // The whole box painted once chosen: 4,000 × 40 × 10 ft.
     [](auto &r) { r.BldgArea = lumo::BldgArea::EntireBldg; }, "numedLength", "4000",
     "A Standard Box of 1,600,000 ft³ needs"},
};

class ScheduleRefusal : public ::testing::TestWithParam<Case> {};

TEST_P(ScheduleRefusal, OkKeepsTheDialogOpenAndGivesTheFieldBack) {
  MessageRecorder messages;
  auto state = DefaultState();
  GetParam().setup(state->ScenarioRecord);
  state->SetPaintDurationGrid();
  std::unique_ptr<QDialog> dlg(GetParam().make(state.get()));
  ASSERT_TRUE(ShowActive(*dlg));
  auto *field = Find<TNumEdit>(dlg.get(), GetParam().field);
  Type(field, GetParam().typed);
  ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();

  Click(dlg.get(), "OKBtn");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "Painting Limits exceeded");
  EXPECT_TRUE(messages.LastText().startsWith(GetParam().says)) << messages.LastText().toStdString();
  EXPECT_TRUE(messages.LastText().contains("at most 800 days"));
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), field) << "the field is given back for correction";

  // Pressed again, it says so again.
  Click(dlg.get(), "OKBtn");
  EXPECT_EQ(messages.Count(), 2);
  EXPECT_TRUE(dlg->isVisible());
}

INSTANTIATE_TEST_SUITE_P(FeedingTheSchedule, ScheduleRefusal, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(StandardBox, ABoxLargerThanTheLargestBuildingIsRefused) {
  MessageRecorder messages;
  auto state = DefaultState();
  const Snapshot before(*state);
  TdlgStandardCube dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  for (const char *side : {"numedLength", "numedWidth", "numedHeight"})
    Type(Find<TNumEdit>(&dlg, side), "1001");
  Click(&dlg, "OKBtn");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(),
            "A box of 1,001 × 1,001 × 1,001 ft holds 1,003,003,001 ft³; the building volume can "
            "be at most 1,000,000,000 ft³. Use shorter sides.");
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(before.SameAs(*state)) << "nothing stored";
}

}  // namespace
