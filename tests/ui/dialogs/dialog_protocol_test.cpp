// Every dialog under the main window's protocol: whatever is typed into its
// fields, Cancel leaves the scenario (record and painting schedule) as it
// was, and it ends with Rejected.
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "airflow_dlg.h"
#include "bldg_vol_dlg.h"
#include "dialog_test_support.h"
#include "dlg_standard_cube.h"
#include "emission_dlg.h"
#include "emp_model_dlg.h"
#include "exposure_dlg.h"
#include "life_span_dlg.h"
#include "paint_dlg.h"
#include "paint_duration_dlg.h"
#include "paint_pattern_dlg.h"
#include "percent_painted_dlg.h"
#include "semi_empirical_dlg.h"
#include "sink_dlg.h"
#include "sink_grid_dlg.h"
#include "paint_density_dlg.h"
#include "srf_area.h"
#include "week_day_dlg.h"
#include "week_end_dlg.h"
#include "weight_dlg.h"

using namespace dialog_test;

namespace {

using Factory = std::function<QDialog *(lumo::TLumoState *)>;

struct Case {
  const char *name;
  Factory make;
  bool storesNothingBeforeOk;  // Cancel alone, without the restore, changes nothing
};

const Case kCases[] = {
    {"BldgVol", [](lumo::TLumoState *s) { return new TBldgVolDlg(nullptr, s); }, false},
    {"StandardCube", [](lumo::TLumoState *s) { return new TdlgStandardCube(nullptr, s); }, true},
    {"PercentPainted", [](lumo::TLumoState *s) { return new TPercentPaintedDlg(nullptr, s); },
     true},
    {"Airflow", [](lumo::TLumoState *s) { return new TAirflowDlg(nullptr, s); }, false},
    {"SrfArea", [](lumo::TLumoState *s) { return new TSrfArea(nullptr, s); }, false},
    {"Paint", [](lumo::TLumoState *s) { return new TPaintDlg(nullptr, s); }, false},
    {"PaintDuration", [](lumo::TLumoState *s) { return new TPaintDurationDlg(nullptr, s); }, false},
    {"SpecificDensity", [](lumo::TLumoState *s) { return new TSpecificDensityDlg(nullptr, s); },
     false},
    {"PaintPattern", [](lumo::TLumoState *s) { return new TPaintPatternDlg(nullptr, s); }, true},
    {"EmissionPrimer", [](lumo::TLumoState *s) { return new TEmissionDlg(nullptr, s, true); },
     true},
    {"EmissionPaint", [](lumo::TLumoState *s) { return new TEmissionDlg(nullptr, s, false); },
     true},
    {"EmpModel", [](lumo::TLumoState *s) { return new TEmpModelDlg(nullptr, s, false); }, false},
    {"SemiEmpirical", [](lumo::TLumoState *s) { return new TSemiEmpiricalDlg(nullptr, s, true); },
     false},
    {"Sink", [](lumo::TLumoState *s) { return new TSinkDlg(nullptr, s); }, false},
    {"SinkGrid", [](lumo::TLumoState *s) { return new TSinkGridDlg(nullptr, s); }, true},
    {"Exposure", [](lumo::TLumoState *s) { return new TExposureDlg(nullptr, s); }, false},
    {"LifeSpan", [](lumo::TLumoState *s) { return new TLifeSpanDlg(nullptr, s); }, false},
    {"Weight", [](lumo::TLumoState *s) { return new TWeightDlg(nullptr, s); }, false},
    {"WeekDay", [](lumo::TLumoState *s) { return new TWeekDayDlg(nullptr, s); }, true},
    {"WeekEnd", [](lumo::TLumoState *s) { return new TWeekEndDlg(nullptr, s); }, true},
};

class CancelProtocol : public ::testing::TestWithParam<Case> {};

TEST_P(CancelProtocol, CancelLeavesTheScenarioUnchanged) {
  lumo::controls::MessageRecorder messages;
  auto state = DefaultState();
  state->ScenarioRecord.Sinks.SinkModel = lumo::SinkModelType::Reversible;
  state->ScenarioRecord.PaintType = lumo::PaintType::Alkyd;
  const Snapshot before(*state);
  lumo::ScenarioRecord left{};
  bool edited = false;
  const int result = ExecLikeMainWindow(
      *state, GetParam().make,
      [&](QDialog *dialog) {
        for (QLineEdit *field : dialog->findChildren<QLineEdit *>()) {
          if (!field->isEnabled() || field->isReadOnly() || !field->isVisible()) continue;
          Type(field, "7");
          edited = true;
        }
        const auto radios = dialog->findChildren<QRadioButton *>();
        for (auto it = radios.rbegin(); it != radios.rend(); ++it) {
          if (!(*it)->isEnabled() || (*it)->isChecked()) continue;
          QTest::mouseClick(*it, Qt::LeftButton, Qt::NoModifier, QPoint(6, (*it)->height() / 2));
          edited = true;
          break;
        }
        if (auto *grid = dialog->findChild<QTableWidget *>()) {
          grid->setFocus();
          TypeIntoFocus("5");
          edited = true;
        }
        Click(dialog, "CancelBtn");
      },
      &left);
  EXPECT_TRUE(edited);
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_TRUE(before.SameAs(*state));
  if (GetParam().storesNothingBeforeOk) {
    EXPECT_EQ(0, std::memcmp(&left, &before.record, sizeof left)) << "changed before OK";
  }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, CancelProtocol, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
