#include "parameter_dialogs.h"

#include "airflow_dlg.h"
#include "bldg_vol_dlg.h"
#include "dlg_standard_cube.h"
#include "emission_dlg.h"
#include "exposure_dlg.h"
#include "life_span_dlg.h"
#include "paint_dlg.h"
#include "paint_duration_dlg.h"
#include "paint_pattern_dlg.h"
#include "percent_painted_dlg.h"
#include "sink_dlg.h"
#include "paint_density_dlg.h"
#include "srf_area.h"
#include "week_day_dlg.h"
#include "week_end_dlg.h"
#include "weight_dlg.h"

namespace lumo::ui {

std::unique_ptr<QDialog> CreateParameterDialog(ParameterDialog kind, QWidget *owner,
                                               TLumoState *state) {
  switch (kind) {
    case ParameterDialog::BuildingVolume:
      return std::make_unique<TBldgVolDlg>(owner, state);
    case ParameterDialog::StandardCube:
      return std::make_unique<TdlgStandardCube>(owner, state);
    case ParameterDialog::PercentPainted:
      return std::make_unique<TPercentPaintedDlg>(owner, state);
    case ParameterDialog::Airflows:
      return std::make_unique<TAirflowDlg>(owner, state);
    case ParameterDialog::SurfaceArea:
      return std::make_unique<TSrfArea>(owner, state);
    case ParameterDialog::AmountOfPaint:
      return std::make_unique<TPaintDlg>(owner, state);
    case ParameterDialog::PaintingDuration:
      return std::make_unique<TPaintDurationDlg>(owner, state);
    case ParameterDialog::SpecificDensity:
      return std::make_unique<TSpecificDensityDlg>(owner, state);
    case ParameterDialog::PrimerEmissions:
      return std::make_unique<TEmissionDlg>(owner, state, true);
    case ParameterDialog::PaintEmissions:
      return std::make_unique<TEmissionDlg>(owner, state, false);
    case ParameterDialog::Sinks:
      return std::make_unique<TSinkDlg>(owner, state);
    case ParameterDialog::ExposureEvents:
      return std::make_unique<TExposureDlg>(owner, state);
    case ParameterDialog::Lifetime:
      return std::make_unique<TLifeSpanDlg>(owner, state);
    case ParameterDialog::BodyWeight:
      return std::make_unique<TWeightDlg>(owner, state);
    case ParameterDialog::WeekdayPattern:
      return std::make_unique<TWeekDayDlg>(owner, state);
    case ParameterDialog::WeekendPattern:
      return std::make_unique<TWeekEndDlg>(owner, state);
    case ParameterDialog::PaintingPattern:
      return std::make_unique<TPaintPatternDlg>(owner, state);
  }
  return nullptr;
}

}  // namespace lumo::ui
