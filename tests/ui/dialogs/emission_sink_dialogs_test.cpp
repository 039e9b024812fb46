// The emission-model and sink dialogs, including the dialogs they open.
#include <QLabel>
#include <QRadioButton>

#include "dialog_test_support.h"
#include "emission_dlg.h"
#include "emp_model_dlg.h"
#include "lumoutil.h"
#include "num_error_dlg.h"
#include "semi_empirical_dlg.h"
#include "semi_empirical_rate.h"
#include "sink_dlg.h"
#include "sink_grid.h"
#include "sink_grid_dlg.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;

namespace {

class EmissionDialogs : public ::testing::Test {
 protected:
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
  lumo::ScenarioRecord &r = state->ScenarioRecord;
  MessageRecorder messages;
};

TEST_F(EmissionDialogs, SemiEmpiricalIsOnlyForAlkyd) {
  r.PaintEmissionsModel = lumo::EmissionsModelType::SemiEmpirical;
  {
    TEmissionDlg latex(nullptr, state.get(), false);
    EXPECT_FALSE(Find<QRadioButton>(&latex, "rbSemiEmpiricalModel")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(&latex, "rbEmpiricalModel")->isChecked());
  }
  r.PaintType = lumo::PaintType::Alkyd;
  TEmissionDlg alkyd(nullptr, state.get(), false);
  EXPECT_TRUE(Find<QRadioButton>(&alkyd, "rbSemiEmpiricalModel")->isChecked());
  TEmissionDlg primer(nullptr, state.get(), true);
  EXPECT_TRUE(Find<QRadioButton>(&primer, "rbEmpiricalModel")->isChecked());
}

TEST_F(EmissionDialogs, SemiEmpiricalReplacesATypedRateConstantByTheComputedOne) {
  r.PaintType = lumo::PaintType::Alkyd;
  r.PaintFirstOrderRateConstant = 42;
  const double k =
      *lumo::SemiEmpiricalRateConstant(150, 1, lumo::CoveragetoWetFilm(400), 0.26, 4600);
  TSemiEmpiricalDlg dlg(nullptr, state.get(), false);
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_DOUBLE_EQ(r.PaintFirstOrderRateConstant, k);
  EXPECT_EQ(r.PrimerFirstOrderRateConstant, 0) << "the primer is not touched";

  auto *rate = Find<TNumEdit>(&dlg, "edFirstOrderRateConst");
  Type(rate, "7");
  EXPECT_EQ(r.PaintFirstOrderRateConstant, 7);
  Type(Find<TNumEdit>(&dlg, "edVOCWtFraction"), "0.52");
  EXPECT_EQ(r.PaintVOCWeightFraction, 0.52);
  EXPECT_NEAR(r.PaintFirstOrderRateConstant, k / 2, 1e-12);
  Type(Find<TNumEdit>(&dlg, "edVOCWtFraction"), "0");
  EXPECT_EQ(messages.Messages().last().caption, "A Small Correction");
  EXPECT_EQ(r.PaintVOCWeightFraction, 0.0001);
  EXPECT_NEAR(r.PaintFirstOrderRateConstant, k * 2600, 1e-6);

  Type(Find<TNumEdit>(&dlg, "ednumTotalMass"), "3.5");
  EXPECT_EQ(r.PaintChemicalMass, 3.5);
  EXPECT_NE(r.PrimerChemicalMass, 3.5);
}

TEST_F(EmissionDialogs, SemiEmpiricalForThePrimerEditsThePrimer) {
  const double paintMass = r.PaintChemicalMass;
  TSemiEmpiricalDlg dlg(nullptr, state.get(), true);
  ASSERT_TRUE(ShowActive(dlg));
  Type(Find<TNumEdit>(&dlg, "ednumTotalMass"), "12");
  EXPECT_EQ(r.PrimerChemicalMass, 12);
  EXPECT_EQ(r.PaintChemicalMass, paintMass);
  EXPECT_GT(r.PrimerFirstOrderRateConstant, 0);
}

TEST_F(EmissionDialogs, EmpiricalModelStoresAllFourOfItsSide) {
  TEmpModelDlg dlg(nullptr, state.get(), true);
  ASSERT_TRUE(ShowActive(dlg));
  EXPECT_NEAR(Find<TNumEdit>(&dlg, "ednumTotalMass")->Value(), 25.985, 0.001);
  Type(Find<TNumEdit>(&dlg, "ednum2ndExpRateConst"), "0.5");
  EXPECT_EQ(r.PrimerRateConstant2, 0.5);
  EXPECT_EQ(r.PrimerRateConstant1, 233.25);
  EXPECT_NE(r.PaintRateConstant2, 0.5);
}

TEST_F(EmissionDialogs, ModelChoiceOpensTheModelDialogWhoseCancelUndoesItsEdits) {
  r.PaintType = lumo::PaintType::Alkyd;
  const lumo::ScenarioRecord before = r;
  TEmissionDlg dlg(nullptr, state.get(), true);
  ASSERT_TRUE(ShowActive(dlg));
  Choose(&dlg, "rbSemiEmpiricalModel");
  bool opened = false;
  WhenModalOpens(&dlg, [&](QWidget *model) {
    opened = model->windowTitle() == "Semi-Empirical Model";
    Type(Find<TNumEdit>(model, "ednumTotalMass"), "99");
    EXPECT_EQ(r.PrimerChemicalMass, 99);
    Click(model, "CancelBtn");
  });
  Click(&dlg, "OKBtn");
  QTRY_VERIFY(!dlg.isVisible());
  EXPECT_TRUE(opened);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(r.PrimerEmissionsModel, lumo::EmissionsModelType::SemiEmpirical);
  lumo::ScenarioRecord expected = before;
  expected.PrimerEmissionsModel = lumo::EmissionsModelType::SemiEmpirical;
  EXPECT_EQ(0, std::memcmp(&expected, &r, sizeof r)) << "only the model choice remains";
}

TEST_F(EmissionDialogs, ModelDialogOkKeepsItsValues) {
  TEmissionDlg dlg(nullptr, state.get(), false);
  ASSERT_TRUE(ShowActive(dlg));
  WhenModalOpens(&dlg, [&](QWidget *model) {
    EXPECT_EQ(model->windowTitle(), "Empirical Model");
    Type(Find<TNumEdit>(model, "edPercent1stExpMass"), "25");
    Click(model, "OKBtn");
  });
  Click(&dlg, "OKBtn");
  QTRY_VERIFY(!dlg.isVisible());
  EXPECT_EQ(r.PaintPercentFirstExp, 25);
  EXPECT_EQ(r.PaintEmissionsModel, lumo::EmissionsModelType::Empirical);
}

class SinkDialogs : public EmissionDialogs {
 protected:
  // Replaces the text of a sink cell as a user would.
  static void TypeCell(TLUMOSinkGrid *grid, int col, int row, const QString &text) {
    grid->setCurrentCell(row, col);
    grid->setFocus();
    TypeIntoFocus(text);
    grid->EndEditing();
  }
};

TEST_F(SinkDialogs, NoSinkClosesWithoutTheGrid) {
  r.Sinks.SinkModel = lumo::SinkModelType::OneWay;
  const lumo::SinkBlock before = r.Sinks;
  TSinkDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Choose(&dlg, "rgSinkModel_0");
  EXPECT_EQ(r.Sinks.SinkModel, lumo::SinkModelType::None);
  Click(&dlg, "OKBtn");
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(0, std::memcmp(&before.SinkArea, &r.Sinks.SinkArea, sizeof before.SinkArea));
}

TEST_F(SinkDialogs, SinkModelOpensTheGridOfItsKind) {
  TSinkDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  Choose(&dlg, "rgSinkModel_2");
  QString title;
  WhenModalOpens(&dlg, [&](QWidget *grid) {
    title = grid->windowTitle();
    Click(grid, "OKBtn");
  });
  Click(&dlg, "OKBtn");
  QTRY_VERIFY(!dlg.isVisible());
  EXPECT_EQ(title, "Reversible Sink Values");
  EXPECT_EQ(r.Sinks.SinkModel, lumo::SinkModelType::Reversible);
}

TEST_F(SinkDialogs, ReversibleGridStoresEighteenValuesOneWayTwelve) {
  for (auto model : {lumo::SinkModelType::Reversible, lumo::SinkModelType::OneWay}) {
    r.Sinks.SinkModel = model;
    for (int i = 0; i < 6; ++i) {
      r.Sinks.SinkArea[i] = r.Sinks.AdsorptionRate[i] = r.Sinks.DesorptionRate[i] = -7;
    }
    TSinkGridDlg dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    auto *grid = Find<TLUMOSinkGrid>(&dlg, "gridSink");
    EXPECT_EQ(grid->Cells(2, 2), "  -7.00");
    for (int row = 2; row < 8; ++row) {
      for (int col = 2; col < 5; ++col) grid->SetCells(col, row, QString::number(row * 10 + col));
    }
    Click(&dlg, "OKBtn");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 0);
    int stored = 0;
    for (int i = 0; i < 6; ++i) {
      stored += r.Sinks.SinkArea[i] == (i + 2) * 10 + 2;
      stored += r.Sinks.AdsorptionRate[i] == (i + 2) * 10 + 3;
      stored += r.Sinks.DesorptionRate[i] == (i + 2) * 10 + 4;
      if (model == lumo::SinkModelType::OneWay) {
        EXPECT_EQ(r.Sinks.DesorptionRate[i], -7);
      }
    }
    EXPECT_EQ(stored, model == lumo::SinkModelType::Reversible ? 18 : 12);
  }
}

TEST_F(SinkDialogs, ABadCellIsCorrectedInTheErrorDialogOrKeptOnCancel) {
  r.Sinks.SinkModel = lumo::SinkModelType::OneWay;
  r.Sinks.SinkArea[0] = 5;
  r.Sinks.AdsorptionRate[1] = 0.25;
  TSinkGridDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOSinkGrid>(&dlg, "gridSink");
  TypeCell(grid, 2, 2, "abc");
  TypeCell(grid, 2, 3, "12.5");
  TypeCell(grid, 3, 3, "-1");
  QStringList shown;
  std::function<void(QWidget *)> answer;
  int corrections = 0;
  answer = [&](QWidget *error) {
    shown << Find<QLabel>(error, "errLabel")->text();
    if (++corrections == 1) {
      Click(error, "CancelBtn");  // keep the stored area of zone 1 carpet
      WhenModalOpens(&dlg, answer);
    } else {
      Type(Find<TNumEdit>(error, "numedNewValue"), "0.75");
      Click(error, "OKBtn");
    }
  };
  WhenModalOpens(&dlg, answer);
  Click(&dlg, "OKBtn");
  QTRY_VERIFY(!dlg.isVisible());
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[0], "Improper Numeric Format or Number Out-Of-Bounds: abc");
  EXPECT_EQ(shown[1], "Improper Numeric Format or Number Out-Of-Bounds: -1");
  EXPECT_EQ(r.Sinks.SinkArea[0], 5);
  EXPECT_EQ(r.Sinks.SinkArea[1], 12.5);
  EXPECT_EQ(r.Sinks.AdsorptionRate[1], 0.75);
  EXPECT_EQ(grid->Cells(2, 2), "abc") << "the grid itself is not corrected";
}

// The grid shows areas to 2 and rate constants to 5 decimals; OK after
// editing one cell keeps the others as they were stored, not as rounded
// for showing (a small rate constant used to become 0).
TEST_F(SinkDialogs, CellsLeftAsShownKeepTheirStoredValues) {
  r.Sinks.SinkModel = lumo::SinkModelType::Reversible;
  r.Sinks.SinkArea[0] = 1.23456789;
  r.Sinks.AdsorptionRate[0] = 3.4e-6;
  r.Sinks.DesorptionRate[5] = 0.1234567;
  r.Sinks.SinkArea[4] = 2e9;  // outside the limits: still corrected
  TSinkGridDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOSinkGrid>(&dlg, "gridSink");
  EXPECT_EQ(grid->Cells(3, 2), "   0.00000");
  TypeCell(grid, 2, 3, "7.5");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(r.Sinks.SinkArea[1], 7.5);
  EXPECT_EQ(r.Sinks.SinkArea[0], 1.23456789);
  EXPECT_EQ(r.Sinks.AdsorptionRate[0], 3.4e-6);
  EXPECT_EQ(r.Sinks.DesorptionRate[5], 0.1234567);
  EXPECT_EQ(r.Sinks.SinkArea[4], lumo::kSinkAreaLimits.Max);
  EXPECT_EQ(messages.Messages().last().caption, "A Small Correction");
}

TEST_F(SinkDialogs, CorrectionValueIsRangeChecked) {
  TNumErrorDlg dlg(nullptr, "Improper Numeric Format or Number Out-Of-Bounds: x");
  ASSERT_TRUE(ShowActive(dlg));
  auto *value = Find<TNumEdit>(&dlg, "numedNewValue");
  value->setFocus(Qt::TabFocusReason);
  TypeIntoFocus("2500");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(messages.LastText(), "Value must be between 0 and 2000");
  EXPECT_TRUE(dlg.isVisible());
  QTest::keyClick(value, Qt::Key_A, Qt::ControlModifier);
  TypeIntoFocus("2000");
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.NewValue(), 2000);
}

}  // namespace
