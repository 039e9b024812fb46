// The paint amount, duration, density and painting-pattern dialogs.
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "dialog_test_support.h"
#include "grid_override.h"
#include "paint_dlg.h"
#include "paint_duration_dlg.h"
#include "paint_pattern_dlg.h"
#include "paint_density_dlg.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;

namespace {

class PaintDialogs : public ::testing::Test {
 protected:
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
  lumo::ScenarioRecord &r = state->ScenarioRecord;
  MessageRecorder messages;
};

TEST_F(PaintDialogs, AmountsFollowTheCoverageInAnyUnit) {
  TPaintDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  // 1558.3 ft³ × 0.29 = 451.9 ft² painted; one coat at 200 and 400 ft²/gallon.
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPrimer")->text(),
            "Calculated Amount of Primer =       2.26 gallons");
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPaintedSurfaceArea")->text(),
            "Painted Surface Area =        452 ft²     - or -         42 m²");
  Type(Find<TNumEdit>(&dlg, "numedPaintCoverage2"), "6.0");
  EXPECT_NEAR(r.PaintCoverage, 64.58, 0.005);
  EXPECT_NEAR(Find<TNumEdit>(&dlg, "numedPaintCoverage")->Value(), 64.58, 0.005);
  EXPECT_NEAR(Find<TNumEdit>(&dlg, "numedPaintWetFilmThickness")->Value(), 1604 / 64.5830, 1e-3);
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPaint")->text(),
            "Calculated Amount of Paint =       7.00 gallons");

  Type(Find<TNumEdit>(&dlg, "numedPrimerWetFilmThickness"), "4.01");
  EXPECT_NEAR(r.PrimerCoverage, 400, 1e-9);
  EXPECT_EQ(r.PaintCoverage, Find<TNumEdit>(&dlg, "numedPaintCoverage")->Value());
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(PaintDialogs, ZeroCoverageIsCorrectedInTheUnitTyped) {
  TPaintDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Type(Find<TNumEdit>(&dlg, "numedPrimerCoverage"), "0");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "A Small Correction");
  EXPECT_TRUE(messages.LastText().startsWith("The primer coverage must be at least 1 ft²/gallon"));
  EXPECT_EQ(r.PrimerCoverage, 1);
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPrimer")->text(),
            "Calculated Amount of Primer =     451.91 gallons");

  Type(Find<TNumEdit>(&dlg, "numedPaintWetFilmThickness"), "0");
  EXPECT_TRUE(messages.LastText().startsWith("The paint wet film thickness must be at least"));
  EXPECT_NEAR(r.PaintCoverage, 100000, 1e-6);
  Type(Find<TNumEdit>(&dlg, "numedPaintCoverage2"), "0");
  EXPECT_NEAR(r.PaintCoverage, 1, 1e-9);
  EXPECT_EQ(messages.Count(), 3);
}

TEST_F(PaintDialogs, PaintersAreKeptWithinOneToAThousand) {
  TPaintDurationDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *painters = Find<TNumEdit>(&dlg, "numedpainters");
  Type(painters, "0");
  EXPECT_EQ(r.NumberOfPainters, 1);
  EXPECT_EQ(painters->text(), "1");
  EXPECT_EQ(messages.Messages().last().caption, "A Small Correction");
  Type(painters, "2000");
  EXPECT_EQ(r.NumberOfPainters, 1000);
  EXPECT_EQ(painters->text(), "1,000");
  Type(painters, "2");
  EXPECT_EQ(r.NumberOfPainters, 2);
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPrimerHours")->text(), "      3.42 hours for primer");
  EXPECT_EQ(messages.Count(), 2);
}

TEST_F(PaintDialogs, DurationLabelsRatesAndWorkHours) {
  TPaintDurationDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_EQ(Find<QLabel>(&dlg, "lblGallons")->text(),
            "      2.26 Gallons Primer and       1.13 Gallons Paint to be Used");
  EXPECT_EQ(Find<QLabel>(&dlg, "lblTotalHours")->text(), "     10.27 hours total");
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPrimerDays")->text(),
            "Calculated Days to Apply Primer = 1 days");

  Type(Find<TNumEdit>(&dlg, "numedPrimerApplicationRate"), "0");
  EXPECT_EQ(r.PrimerApplicationRate, 0.01);
  EXPECT_TRUE(messages.LastText().contains("primer application rate"));
  Type(Find<TNumEdit>(&dlg, "numedPrimerWorkHours"), "4");
  EXPECT_EQ(r.PrimerWorkHours, 4);
  EXPECT_EQ(Find<QLabel>(&dlg, "lblPrimerDays")->text(),
            "Calculated Days to Apply Primer = 57 days");  // 226 hours at 4 a day

  auto *wait = Find<QSpinBox>(&dlg, "spedHourstillPaint");
  EXPECT_TRUE(wait->isEnabled());
  Choose(&dlg, "rgPaintInterval_2");
  EXPECT_EQ(r.PaintInterval, lumo::PaintInterval::PAINTSECONDDAY);
  EXPECT_FALSE(wait->isEnabled());
  Choose(&dlg, "rgPaintInterval_0");
  EXPECT_TRUE(wait->isEnabled());
  Choose(&dlg, "rgStartDay_4");
  EXPECT_EQ(r.StartDay, lumo::Days::Fri);
}

TEST_F(PaintDialogs, ProfessionalDefaultsSetBothRatesButOpeningKeepsStoredRates) {
  {
    TPaintDurationDlg dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Choose(&dlg, "rgPaintDurationDefaults_1");
    EXPECT_EQ(r.PaintDurationDefaults, 1);
    EXPECT_EQ(r.PrimerApplicationRate, 0.85);
    EXPECT_EQ(r.PaintApplicationRate, 0.85);
    EXPECT_EQ(Find<TNumEdit>(&dlg, "numedPaintApplicationRate")->Value(), 0.85);
    Click(&dlg, "OKBtn");
  }
  r.PrimerApplicationRate = 0.5;
  TPaintDurationDlg dlg(nullptr, state.get());
  EXPECT_TRUE(Find<QRadioButton>(&dlg, "rgPaintDurationDefaults_1")->isChecked());
  EXPECT_EQ(r.PrimerApplicationRate, 0.5);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numedPrimerApplicationRate")->Value(), 0.5);
}

TEST_F(PaintDialogs, DensityInPoundsPerGallon) {
  TSpecificDensityDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numeditPaintGramsPerCmCubed")->text(), "1.215");
  Type(Find<TNumEdit>(&dlg, "numedPrimerPoundsperGallon"), "10");
  EXPECT_DOUBLE_EQ(r.PrimerDensity, 4536);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numeditPrimerGramsPerGallon")->Value(), 4536);
  EXPECT_EQ(Find<TNumEdit>(&dlg, "numeditPrimerGramsPerCmCubed")->text(), "1.198");
  EXPECT_EQ(r.PaintDensity, 4600) << "the paint's fields were left as shown";

  Type(Find<TNumEdit>(&dlg, "numeditPaintGramsPerCmCubed"), "1");
  EXPECT_NEAR(r.PaintDensity, 1000 / 0.26417, 1e-9);
  EXPECT_NEAR(Find<TNumEdit>(&dlg, "numedPaintPoundsPerGallon")->Value(), 1000 / 0.26417 / 453.6,
              1e-9);
}

// Fields in another unit passed through without typing leave the value
// typed in the first unit exact, not its round trip through their unit.
TEST_F(PaintDialogs, FieldsInTheOtherUnitPassedThroughKeepTheTypedValue) {
  {
    TSpecificDensityDlg dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TNumEdit>(&dlg, "numeditPrimerGramsPerGallon"), "3785.75");
    PassThrough(Find<TNumEdit>(&dlg, "numedPrimerPoundsperGallon"));
    PassThrough(Find<TNumEdit>(&dlg, "numeditPrimerGramsPerCmCubed"));
    Click(&dlg, "OKBtn");
    EXPECT_EQ(r.PrimerDensity, 3785.75);
  }
  TPaintDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Type(Find<TNumEdit>(&dlg, "numedPaintCoverage"), "350.5");
  PassThrough(Find<TNumEdit>(&dlg, "numedPaintCoverage2"));
  PassThrough(Find<TNumEdit>(&dlg, "numedPaintWetFilmThickness"));
  Click(&dlg, "OKBtn");
  EXPECT_EQ(r.PaintCoverage, 350.5);
  EXPECT_EQ(messages.Count(), 0);
}

class PaintPattern : public PaintDialogs {
 protected:
  lumo::PaintDurationGrid &schedule = state->PaintDurationGrid();
};

TEST_F(PaintPattern, OnlyBreathingRatesCanBeSelectedAndOkStoresThem) {
  ASSERT_EQ(schedule.Rows(), 3);
  TPaintPatternDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOGridOverride>(&dlg, "gridOverride");
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->Cells(0, 4), "3");
  EXPECT_EQ(grid->Cells(3, 2), " 9") << "the schedule's cells, as text";
  EXPECT_EQ(grid->Cells(7, 2), "51");
  EXPECT_EQ(grid->currentRow(), 2);
  EXPECT_EQ(grid->currentColumn(), 8);
  for (int c = 0; c < 8; ++c)
    EXPECT_FALSE(grid->item(3, c) && (grid->item(3, c)->flags() & Qt::ItemIsSelectable)) << c;
  QTest::keyClick(grid, Qt::Key_Left);
  EXPECT_EQ(grid->currentColumn(), 8);
  const int rows = grid->RowCount();
  QTest::keyClick(grid, Qt::Key_Insert);
  grid->setCurrentCell(4, 8);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(grid->RowCount(), rows) << "the schedule's rows come from the painting inputs";

  grid->setCurrentCell(3, 8);
  grid->setFocus();
  TypeIntoFocus("30.5");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(schedule.Cell(7, 1), "30.5");
  EXPECT_EQ(schedule.Cell(7, 0), "27.50");
  EXPECT_EQ(schedule.Rows(), 3);
}

TEST_F(PaintPattern, CancelAfterTabbingFromOkKeepsTheSchedule) {
  const Snapshot before(*state);
  TPaintPatternDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOGridOverride>(&dlg, "gridOverride");
  grid->setFocus();
  TypeIntoFocus("99");
  Find<QPushButton>(&dlg, "OKBtn")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>(&dlg, "CancelBtn"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  Settle();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_TRUE(before.SameAs(*state));
}

TEST_F(PaintPattern, ABreathingRateThatIsNotANumberIsRefused) {
  const Snapshot before(*state);
  TPaintPatternDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOGridOverride>(&dlg, "gridOverride");
  grid->setCurrentCell(4, 8);
  grid->setFocus();
  TypeIntoFocus("fast");
  Click(&dlg, "OKBtn");
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(messages.Messages().last().caption, "A Small Error");
  EXPECT_TRUE(messages.LastText().startsWith("Line 3: the breathing rate \"fast\""));
  EXPECT_TRUE(before.SameAs(*state));
}

}  // namespace
