// Every dialog field with a limit in the table corrects a value above it to
// the limit, says so ("A Small Correction"), and stores the limit: the
// scenario never holds a value the check before a run would refuse.
#include "airflow_dlg.h"
#include "bldg_vol_dlg.h"
#include "dialog_test_support.h"
#include "dlg_standard_cube.h"
#include "emp_model_dlg.h"
#include "exposure_dlg.h"
#include "life_span_dlg.h"
#include "paint_duration_dlg.h"
#include "semi_empirical_dlg.h"
#include "sink_grid.h"
#include "sink_grid_dlg.h"
#include "srf_area.h"
#include "weight_dlg.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;

namespace {

struct Case {
  const char *name;
  std::function<QDialog *(lumo::TLumoState *)> make;
  const char *field;
  const char *typed;
  std::function<double(const lumo::ScenarioRecord &)> stored;
  double limit;
};

void PrintTo(const Case &c, std::ostream *out) {
  *out << c.name;
}

const Case kCases[] = {
    {"BuildingVolume", [](lumo::TLumoState *s) { return new TBldgVolDlg(nullptr, s); },
     "numedBldgVolume", "2000000000", [](const auto &r) { return r.BldgVolume; }, 1e9},
    {"AirExchange", [](lumo::TLumoState *s) { return new TAirflowDlg(nullptr, s); },
     "numeditAirExchanges", "5000", [](const auto &r) { return r.AirExchangeRate; }, 1000},
    {"LoadingRatio", [](lumo::TLumoState *s) { return new TSrfArea(nullptr, s); }, "numeditLoading",
     "20", [](const auto &r) { return r.LoadingRatio; }, 10},
    {"ApplicationRate", [](lumo::TLumoState *s) { return new TPaintDurationDlg(nullptr, s); },
     "numedPaintApplicationRate", "5000", [](const auto &r) { return r.PaintApplicationRate; },
     1000},
    {"RateConstant", [](lumo::TLumoState *s) { return new TEmpModelDlg(nullptr, s, true); },
     "ednum1stExpRateConst", "20000000", [](const auto &r) { return r.PrimerRateConstant1; }, 1e7},
    {"SemiEmpiricalRate",
     [](lumo::TLumoState *s) { return new TSemiEmpiricalDlg(nullptr, s, false); },
     "edFirstOrderRateConst", "20000000",
     [](const auto &r) { return r.PaintFirstOrderRateConstant; }, 1e7},
    {"YearsOfExposure", [](lumo::TLumoState *s) { return new TExposureDlg(nullptr, s); },
     "numedYears", "500", [](const auto &r) { return double(r.YearsofExposure); }, 150},
    {"Lifetime", [](lumo::TLumoState *s) { return new TLifeSpanDlg(nullptr, s); }, "numedYears",
     "200", [](const auto &r) { return r.LifeTime; }, 150},
    {"BodyWeight", [](lumo::TLumoState *s) { return new TWeightDlg(nullptr, s); }, "numedWtKg",
     "5000", [](const auto &r) { return r.BodyWeight; }, 1000},
};

class UpperLimit : public ::testing::TestWithParam<Case> {};

TEST_P(UpperLimit, AValueAboveItIsCorrectedToItWithAMessage) {
  MessageRecorder messages;
  auto state = DefaultState();
  std::unique_ptr<QDialog> dlg(GetParam().make(state.get()));
  ASSERT_TRUE(ShowActive(*dlg));
  messages.Clear();
  auto *field = Find<QLineEdit>(dlg.get(), GetParam().field);
  Type(field, GetParam().typed);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "A Small Correction");
  EXPECT_TRUE(messages.LastText().contains("must be at most")) << messages.LastText().toStdString();
  EXPECT_EQ(GetParam().stored(state->ScenarioRecord), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Fields, UpperLimit, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(UpperLimit, TheStandardBoxSidesAndTheSinkValuesToo) {
  MessageRecorder messages;
  auto state = DefaultState();
  {
    TdlgStandardCube dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    Type(Find<TNumEdit>(&dlg, "numedHeight"), "20000");
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(Find<TNumEdit>(&dlg, "numedHeight")->Value(), 10000);
  }

  auto &r = state->ScenarioRecord;
  r.Sinks.SinkModel = lumo::SinkModelType::Reversible;
  TSinkGridDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOSinkGrid>(&dlg, "gridSink");
  grid->SetCells(2, 2, "2e9");
  grid->SetCells(3, 3, "20000");
  grid->SetCells(4, 7, "1e5");
  messages.Clear();
  Click(&dlg, "OKBtn");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  ASSERT_EQ(messages.Count(), 3);
  EXPECT_TRUE(messages.Messages()[0].text.startsWith("Sink 1: the area must be at most"));
  EXPECT_EQ(r.Sinks.SinkArea[0], 1e9);
  EXPECT_EQ(r.Sinks.AdsorptionRate[1], 10000);
  EXPECT_EQ(r.Sinks.DesorptionRate[5], 10000);
}

}  // namespace
