// The building, area and airflow dialogs driven through their fields.
#include <QLabel>

#include "airflow_dlg.h"
#include "bldg_vol_dlg.h"
#include "dialog_test_support.h"
#include "dlg_standard_cube.h"
#include "percent_painted_dlg.h"
#include "real_edit.h"
#include "srf_area.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;

namespace {

class BuildingDialogs : public ::testing::Test {
 protected:
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
  lumo::ScenarioRecord &r = state->ScenarioRecord;
  MessageRecorder messages;
};

TEST_F(BuildingDialogs, VolumeInCubicMetresIsStoredInCubicFeetWithItsAirflow) {
  TBldgVolDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Type(Find<TNumEdit>(&dlg, "numedBldgVolume2"), "1000");
  EXPECT_NEAR(r.BldgVolume, 35314.67, 0.01);
  EXPECT_NEAR(Find<TNumEdit>(&dlg, "numedBldgVolume")->Value(), 35314.67, 0.01);
  EXPECT_NEAR(r.InterzonalAirflow, (0.39 * 0.45 + 0.046) * 35314.67, 0.01);
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(BuildingDialogs, AVolumeTheModelCannotUseIsCorrectedWithAMessage) {
  TBldgVolDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Type(Find<TNumEdit>(&dlg, "numedBldgVolume"), "-50");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "A Small Correction");
  EXPECT_TRUE(messages.LastText().contains("at least 1")) << messages.LastText().toStdString();
  EXPECT_EQ(r.BldgVolume, 1);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numedBldgVolume")->Value(), 1);
}

TEST_F(BuildingDialogs, PercentPaintedRefusesOneHundredAndShowsThePaintedVolume) {
  TPercentPaintedDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPaintedVolume")->text(), "Painted Volume = 1558 ft³");
  auto *field = Find<TNumEdit>(&dlg, "numeditPercentPainted");
  Type(field, "100");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(messages.LastText(), "Percent must be less than 100%");
  EXPECT_TRUE(dlg.isVisible());
  Click(&dlg, "OKBtn");  // asked again
  EXPECT_EQ(messages.Count(), 2);
  EXPECT_TRUE(dlg.isVisible());

  Type(field, "99.99");
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPaintedVolume")->text(), "Painted Volume = 15581 ft³");
  Click(&dlg, "OKBtn");
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(r.PercentPainted, 99.99);
}

TEST_F(BuildingDialogs, PercentPaintedOfZeroIsRefusedAtTheFieldAndOkWaits) {
  TPercentPaintedDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *field = Find<TNumEdit>(&dlg, "numeditPercentPainted");
  field->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  TypeIntoFocus("0");
  Click(&dlg, "OKBtn");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Value must be between 0.01 and 100");
  EXPECT_TRUE(dlg.isVisible()) << "a refused value keeps the dialog open";
  EXPECT_EQ(r.PercentPainted, 10);
  EXPECT_EQ(QApplication::focusWidget(), field) << "back for correction";

  // Enter in the field presses OK the same way.
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  TypeIntoFocus("25");
  QTest::keyClick(field, Qt::Key_Return);
  QTRY_VERIFY(!dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(r.PercentPainted, 25);
  EXPECT_EQ(messages.Count(), 1);
}

TEST_F(BuildingDialogs, ChangingTheAirExchangeReplacesATypedInterzonalAirflow) {
  TAirflowDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *flow = Find<TRealEdit>(&dlg, "numeditInterzonalAirExchange");
  auto *flow2 = Find<TRealEdit>(&dlg, "numeditInterzonalAirExchange2");
  EXPECT_EQ(flow->text().trimmed(), "3451.63");
  Type(flow, "1234");
  EXPECT_EQ(r.InterzonalAirflow, 1234);
  EXPECT_NEAR(flow2->Value(), 1234 * 0.02831685, 0.005);
  Type(flow2, "100");
  EXPECT_NEAR(r.InterzonalAirflow, 100 / 0.02831685, 0.01);

  auto *air = Find<TRealEdit>(&dlg, "numeditAirExchanges");
  air->setFocus(Qt::TabFocusReason);
  QTest::keyClick(air, Qt::Key_End);
  QTest::keyClick(air, Qt::Key_Backspace);  // "0.45" becomes "0.4"
  EXPECT_EQ(r.AirExchangeRate, 0.4);
  EXPECT_NEAR(r.InterzonalAirflow, (0.39 * 0.4 + 0.046) * 15583, 1e-6);
  TypeIntoFocus("8");  // 0.48, recomputed at every key
  EXPECT_NEAR(r.InterzonalAirflow, (0.39 * 0.48 + 0.046) * 15583, 1e-6);
  EXPECT_NEAR(flow->Value(), r.InterzonalAirflow, 0.005);
}

TEST_F(BuildingDialogs, LoadingRatioConvertsAndRewritesTheLabels) {
  TSrfArea dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPaintedVolume")->text(),
            "Painted Volume = 1558.3 ft³     - or -  44.1 m³ ");
  Type(Find<TNumEdit>(&dlg, "numeditLoading2"), "1");
  EXPECT_DOUBLE_EQ(r.LoadingRatio, 0.3048);
  EXPECT_NEAR(Find<TNumEdit>(&dlg, "numeditLoading")->Value(), 0.3048, 1e-12);
  EXPECT_EQ(Find<QLabel>(&dlg, "lblCalculatedSurfaceArea")->text(),
            "Calculated Surface Area Painted = 475.0 ft²     - or -  44.1 m² ");
}

// A field that shows the value in another unit, passed through without
// typing, leaves the value typed in the first unit exact; converting the
// shown value back used to store its round trip through the other unit
// (for the airflows, the two decimals the field shows: 1234.5 became
// 1234.6). The values are ones whose round trip is off.
TEST_F(BuildingDialogs, FieldsInTheOtherUnitPassedThroughKeepTheTypedValue) {
  {
    TBldgVolDlg dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TNumEdit>(&dlg, "numedBldgVolume"), "20008.25");
    PassThrough(Find<TNumEdit>(&dlg, "numedBldgVolume2"));
    Click(&dlg, "OKBtn");
    EXPECT_EQ(r.BldgVolume, 20008.25);
    EXPECT_EQ(r.InterzonalAirflow, state->CalcInterZonalAirFlow());
  }
  {
    TSrfArea dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TNumEdit>(&dlg, "numeditLoading"), "0.5");
    PassThrough(Find<TNumEdit>(&dlg, "numeditLoading2"));
    Click(&dlg, "OKBtn");
    EXPECT_EQ(r.LoadingRatio, 0.5);
  }
  {
    TAirflowDlg dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TRealEdit>(&dlg, "numeditInterzonalAirExchange"), "1234.5");
    PassThrough(Find<TRealEdit>(&dlg, "numeditInterzonalAirExchange2"));
    EXPECT_EQ(r.InterzonalAirflow, 1234.5);
    Type(Find<TRealEdit>(&dlg, "numeditAirExchanges"), "2.5");
    PassThrough(Find<TRealEdit>(&dlg, "numeditInterzonalAirExchange"));
    PassThrough(Find<TRealEdit>(&dlg, "numeditInterzonalAirExchange2"));
    Click(&dlg, "OKBtn");
    EXPECT_EQ(r.AirExchangeRate, 2.5);
    EXPECT_EQ(r.InterzonalAirflow, state->CalcInterZonalAirFlow()) << "not rounded to 2 decimals";
  }
  {
    TdlgStandardCube dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TNumEdit>(&dlg, "numedLength"), "13.25");
    PassThrough(Find<TNumEdit>(&dlg, "numedLength2"));
    Click(&dlg, "OKBtn");
    EXPECT_EQ(r.BoxLength, 13.25);
  }
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(BuildingDialogs, StandardCubeStoresOnlyOnOk) {
  const Snapshot before(*state);
  {
    TdlgStandardCube dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TNumEdit>(&dlg, "numedLength2"), "3.048");
    EXPECT_NEAR(Find<TNumEdit>(&dlg, "numedLength")->Value(), 10, 1e-9);
    Type(Find<TNumEdit>(&dlg, "numedHeight"), "0");
    EXPECT_EQ(messages.Messages().last().caption, "A Small Correction");
    EXPECT_EQ(Find<TNumEdit>(&dlg, "numedHeight")->Value(), 1);
    Click(&dlg, "CancelBtn");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
  }
  EXPECT_TRUE(before.SameAs(*state)) << "Cancel keeps box, volume and building type";

  TdlgStandardCube dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Type(Find<TNumEdit>(&dlg, "numedWidth"), "20");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(r.BoxWidth, 20);
  EXPECT_EQ(r.BldgVolume, 40 * 20 * 10);
}

}  // namespace
