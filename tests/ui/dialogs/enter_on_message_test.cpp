// A field that refuses its value when OK is pressed says so in a message
// box. Enter on that box closes the box only: the dialog behind it stays
// open with the entry, for correction. Real message boxes, real keys.
#include <QMessageBox>
#include <QWindow>

#include "dialog_test_support.h"
#include "exposure_dlg.h"
#include "paint_duration_dlg.h"
#include "percent_painted_dlg.h"
#include "paint_density_dlg.h"

using namespace dialog_test;

namespace {

struct Case {
  const char *name;
  std::function<QDialog *(lumo::TLumoState *)> make;
  const char *field;
  const char *typed;
};

void PrintTo(const Case &c, std::ostream *out) {
  *out << c.name;
}

const Case kCases[] = {
    {"PercentPainted", [](lumo::TLumoState *s) { return new TPercentPaintedDlg(nullptr, s); },
     "numeditPercentPainted", "250"},
    {"WorkHours", [](lumo::TLumoState *s) { return new TPaintDurationDlg(nullptr, s); },
     "numedPrimerWorkHours", "15"},
    {"EventsPerYear", [](lumo::TLumoState *s) { return new TExposureDlg(nullptr, s); },
     "numedExposure", "0"},
    {"Density", [](lumo::TLumoState *s) { return new TSpecificDensityDlg(nullptr, s); },
     "numeditPrimerGramsPerGallon", "200000000"},
};

class EnterOnAMessageBox : public ::testing::TestWithParam<Case> {};

TEST_P(EnterOnAMessageBox, ClosesTheBoxAndLeavesTheDialogOpenWithTheEntry) {
  auto state = DefaultState();
  const Snapshot before(*state);
  std::unique_ptr<QDialog> dlg(GetParam().make(state.get()));
  ASSERT_TRUE(ShowActive(*dlg));
  auto *field = Find<TNumEdit>(dlg.get(), GetParam().field);
  field->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  TypeIntoFocus(GetParam().typed);

  QString shown;
  WhenModalOpens(dlg.get(), [&](QWidget *box) {
    shown = static_cast<QMessageBox *>(box)->text();
    QTest::keyClick(box->windowHandle(), Qt::Key_Return);
  });
  // Enter in the field presses OK; leaving the field refuses the value.
  QTest::keyClick(dlg->windowHandle(), Qt::Key_Return);
  QTest::qWait(100);

  EXPECT_TRUE(shown.startsWith("Value must be between")) << shown.toStdString();
  EXPECT_TRUE(dlg->isVisible()) << "Enter on the box also closed the dialog";
  EXPECT_EQ(dlg->result(), 0);
  EXPECT_EQ(dlg->focusWidget(), field);
  EXPECT_EQ(field->text(), GetParam().typed);
  EXPECT_TRUE(before.SameAs(*state)) << "the refused value was stored";
}

INSTANTIATE_TEST_SUITE_P(RefusingFields, EnterOnAMessageBox, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
