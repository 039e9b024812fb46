// Run-length adequacy in the results area: the 5-day run of the slowly
// emitting default scenario is warned about, with the run length that emits
// 99 % by the closed form of emission; a run that long is not.
#include <QLabel>
#include <QRegularExpression>

#include "assemble_engine_inputs.h"
#include "main_window_fixture.h"
#include "run_length_adequacy.h"

namespace lumo::test {
namespace {

class RunLengthWindow : public MainWindowTest {
 protected:
  QLabel *Note() { return Find<QLabel>("lblRunLength"); }
  void Run() {
    Click("btnExecute");
    ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
    ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
  }
  // The smallest whole number of days whose run emits 99 %, straight from
  // the closed form.
  int DaysFor99() {
    auto inputs = AssembleEngineInputs(Record(), window->State().PaintDurationGrid());
    const std::span<const EmissionRateIncrementalRecord> e(inputs.emissions);
    const double start = inputs.record.StartTime, applied = AppliedMass(e);
    int days = 1;
    while (EmittedMass(e, start + days) < 0.99 * applied) ++days;
    return days;
  }
};

TEST_F(RunLengthWindow, AShortRunOfASlowPaintIsWarnedAboutAndALongOneIsNot) {
  ASSERT_EQ(Record().RunLength, 5);
  EXPECT_TRUE(Note()->isHidden());
  Run();
  const int days = DaysFor99();
  ASSERT_GT(days, 5);
  const QString warned = Note()->text();
  EXPECT_FALSE(Note()->isHidden());
  EXPECT_TRUE(warned.startsWith("By the end of the 5-day run, ")) << warned.toStdString();
  EXPECT_TRUE(warned.contains("is still airborne")) << warned.toStdString();
  EXPECT_TRUE(warned.contains("the long-term measures (LADD, ADD, LADC, ADC) are underestimated"));
  EXPECT_TRUE(warned.contains(QStringLiteral("A run of %1 days would emit 99 %").arg(days)))
      << warned.toStdString() << " " << days;

  // Another input: the note goes with the results it was about.
  TypeInto("numedPaintWeightFraction", "0.02");
  EXPECT_TRUE(Note()->isHidden());
  TypeInto("numedPaintWeightFraction", "0.01");
  EXPECT_FALSE(Note()->isHidden());

  TypeInto("numedRun", QString::number(days));
  Run();
  const QString enough = Note()->text();
  EXPECT_TRUE(enough.startsWith(QStringLiteral("By the end of the %1-day run, ").arg(days)))
      << enough.toStdString();
  EXPECT_FALSE(enough.contains("underestimated")) << enough.toStdString();
  // At least 99 % emitted, as the run length was chosen for.
  const auto share = QRegularExpression("run, ([0-9.]+) %").match(enough).captured(1).toDouble();
  EXPECT_GE(share, 99.0);
}

}  // namespace
}  // namespace lumo::test
