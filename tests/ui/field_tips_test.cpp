// Hover texts: every input of the main window says what it is (and in what
// unit), every result abbreviation is spelled out, in the window and in the
// report's results grid.
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

#include "main_window_fixture.h"
#include "num_edit.h"
#include "radio_group.h"

namespace lumo::test {
namespace {

using FieldTips = MainWindowTest;

TEST_F(FieldTips, EveryInputAndResultSaysWhatItIs) {
  QList<QWidget *> fields;
  for (auto *w : window->findChildren<TNumEdit *>()) fields << w;
  for (auto *w : window->findChildren<QComboBox *>()) fields << w;
  for (auto *w : window->findChildren<QSpinBox *>()) fields << w;
  for (auto *w : window->findChildren<TRadioGroup *>()) fields << w;
  for (auto *w : window->findChildren<QLineEdit *>())
    if (w->objectName().startsWith("ed")) fields << w;
  ASSERT_GT(fields.size(), 30);
  for (QWidget *w : fields) EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();

  EXPECT_EQ(Find<QWidget>("edLADD")->toolTip(), "LADD: Lifetime average daily dose (mg/kg/day)");
  EXPECT_EQ(Find<QWidget>("edCPeakPPM")->toolTip(), "Cpeak: Peak concentration (ppm)");
  EXPECT_EQ(Find<QWidget>("numedBldgVolume")->toolTip(), "Building volume (ft³)");
  int captions = 0;
  for (auto *label : Find<QWidget>("gbResults")->findChildren<QLabel *>()) {
    if (label->text() == "APDR Time") {
      EXPECT_EQ(label->toolTip(), "APDRtime: Time of the APDR (days)");
    }
    if (!label->toolTip().isEmpty()) ++captions;
  }
  EXPECT_EQ(captions, 10);

  // The report's results grid.
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  QStringList tips;
  onDialog = [&](QDialog &d) {
    auto *grid = d.findChild<QTableWidget *>("gridLUMOResults");
    for (int r = 0; grid && r < 5; ++r)
      for (int c = 0; c < 4; ++c) tips << grid->item(r, c)->toolTip();
    return int(QDialog::Rejected);
  };
  Click("btnPrintReport");
  ASSERT_EQ(tips.size(), 20);
  EXPECT_EQ(tips[0], "LADD: Lifetime average daily dose (mg/kg/day)");
  EXPECT_EQ(tips[1], "LADC: Lifetime average daily concentration (mg/m³)");
  EXPECT_EQ(tips[3], "LADC: Lifetime average daily concentration (ppm)");
  EXPECT_EQ(tips[16], "SingleEventDose: Single event dose (mg)");
  EXPECT_EQ(tips[19], "C8hour: Peak 8-hour concentration (ppm)");
}

}  // namespace
}  // namespace lumo::test
