// Whether a scenario's painting fits the 800 rows of its schedule, and the
// sentence that refuses it: the value, the days it needs, the limit and how
// far the value may go.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>

#include "lumo_state.h"
#include "schedule_fit.h"

namespace lumo {
namespace {

// The number after `marker` in `text`, read past its thousands commas.
double NumberAfter(const std::string &text, const std::string &marker) {
  const auto at = text.find(marker);
  if (at == std::string::npos) return -1;
  std::string digits;
  for (std::size_t i = at + marker.size(); i < text.size(); ++i) {
    const char c = text[i];
    if (c == ',') continue;
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.')) break;
    digits += c;
  }
  return std::stod(digits);
}

class ScheduleFit : public ::testing::Test {
 protected:
  TLumoState state;
  ScenarioRecord &r = state.ScenarioRecord;
  void SetUp() override { state.SetPaintDurationGrid(); }
  std::string Refusal(ScheduleInput input) { return ScheduleRefusal(r, input).value_or(""); }
  bool Fits() { return ScheduleFits(r); }
};

TEST_F(ScheduleFit, TheFactoryDefaultsFitAndTheSavedScheduleIsNeverTouched) {
  EXPECT_TRUE(Fits());
  EXPECT_EQ(Refusal(ScheduleInput::BuildingVolume), "");
  const auto saved = std::make_unique<PaintDurationGrid>(state.PaintDurationGrid());
  r.BldgVolume = 5e7;
  EXPECT_FALSE(Fits());
  EXPECT_NE(Refusal(ScheduleInput::BuildingVolume), "");
  EXPECT_EQ(std::memcmp(saved.get(), &state.PaintDurationGrid(), sizeof *saved), 0);
  EXPECT_EQ(ScheduleDaysNeeded(r), 4121);  // 2,747 days of priming, 1,374 of painting
}

TEST_F(ScheduleFit, AVolumeIsRefusedWithTheLargestThatFits) {
  r.BldgVolume = 5e7;
  const std::string text = Refusal(ScheduleInput::BuildingVolume);
  EXPECT_EQ(text.rfind("A building volume of 50,000,000 ft³ needs 4,121 days of priming and "
                       "painting; the painting schedule holds at most 800 days of work. With the "
                       "other inputs as they are, the building volume can be at most about ",
                       0),
            0u)
      << text;
  // The volume named fits, and a little more does not.
  const double largest = NumberAfter(text, "at most about ");
  r.BldgVolume = largest;
  EXPECT_TRUE(Fits()) << largest;
  r.BldgVolume = largest * 1.01;
  EXPECT_FALSE(Fits()) << largest;
  EXPECT_NE(text.find("Fewer coats, a larger coverage"), std::string::npos);
}

TEST_F(ScheduleFit, InputsThatShortenTheWorkAskForTheLeastThatFits) {
  r.BldgVolume = 1.5e7;  // 825 days of priming and 412 of painting
  std::string text = Refusal(ScheduleInput::Painters);
  EXPECT_EQ(text.rfind("1 painter needs ", 0), 0u) << text;
  EXPECT_NE(text.find("at least 2 painters are needed"), std::string::npos) << text;
  r.NumberOfPainters = 2;
  EXPECT_TRUE(Fits());

  r.NumberOfPainters = 1;
  text = Refusal(ScheduleInput::PaintCoverage);
  EXPECT_EQ(text.rfind("A paint coverage of 400 ft²/gallon needs ", 0), 0u) << text;
  EXPECT_NE(text.find("not even the largest paint coverage fits"), std::string::npos)
      << "the priming alone is too long: " << text;

  text = Refusal(ScheduleInput::PrimerApplicationRate);
  EXPECT_NE(text.find("the primer application rate must be at least about 0."), std::string::npos)
      << text;
}

TEST_F(ScheduleFit, CoatsAreCountedWhole) {
  r.BldgVolume = 155830;
  r.PrimerCoats = 100;
  const std::string text = Refusal(ScheduleInput::PrimerCoats);
  EXPECT_EQ(text.rfind("100 coats of primer need ", 0), 0u) << text;
  const int most = static_cast<int>(NumberAfter(text, "as they are, at most "));
  EXPECT_NE(text.find(std::to_string(most) + " coats of primer fit"), std::string::npos) << text;
  r.PrimerCoats = most;
  EXPECT_TRUE(Fits());
  r.PrimerCoats = most + 1;
  EXPECT_FALSE(Fits());
}

TEST_F(ScheduleFit, AChoiceNamesTheGallonsAndWhatToChange) {
  r.PrimerApplicationRate = r.PaintApplicationRate = 0.01;
  r.PercentPainted = 100;
  r.BldgVolume = 3 * 15583.0;
  EXPECT_EQ(
      Refusal(ScheduleInput::Choice),
      "The painting of this scenario (67.79 gallons of primer and 33.89 gallons of paint) "
      "needs 1,272 days of priming and painting; the painting schedule holds at most 800 days "
      "of work. Use a smaller painted volume (Edit Volume, Edit % Painted). Fewer coats, a "
      "larger coverage (Edit Amount of Paint), or more painters, higher application rates "
      "or more hours a day (Edit Painting Duration) also shorten the work.");
}

}  // namespace
}  // namespace lumo
