// A value far outside its typical range is accepted, flagged beside its
// field (with the reason on hover) and listed in the report's notes.
#include <QAction>
#include <QLabel>

#include "main_window_fixture.h"

namespace lumo::test {
namespace {

using Plausibility = MainWindowTest;

TEST_F(Plausibility, AnUnusualValueIsKeptFlaggedAndReported) {
  auto flag = [&](const char *field) {
    return Find<QLineEdit>(field)->findChild<QAction *>("plausibilityFlag");
  };
  EXPECT_TRUE(!flag("numedPaintWeightFraction") || !flag("numedPaintWeightFraction")->isVisible());

  TypeInto("numedPaintWeightFraction", "0.5");
  EXPECT_EQ(Record().PaintWeightFraction, 0.5);
  EXPECT_EQ(messages.Count(), 0);  // accepted without a word
  ASSERT_TRUE(flag("numedPaintWeightFraction"));
  EXPECT_TRUE(flag("numedPaintWeightFraction")->isVisible());
  const QString why = flag("numedPaintWeightFraction")->toolTip();
  EXPECT_TRUE(
      why.startsWith("The weight fraction of the chemical in the paint, 0.5, is far "
                     "outside the typical range, 0 to 0.3"))
      << why.toStdString();

  QString notes;
  onDialog = [&](QDialog &d) {
    notes = d.findChild<QLabel *>("lblReportNotes")->text();
    return int(QDialog::Rejected);
  };
  Click("btnPrintReport");
  EXPECT_TRUE(notes.contains(why)) << notes.toStdString();

  TypeInto("numedPaintWeightFraction", "0.01");
  EXPECT_FALSE(flag("numedPaintWeightFraction")->isVisible());
}

}  // namespace
}  // namespace lumo::test
