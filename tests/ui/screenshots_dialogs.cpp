// Saves a PNG of every parameter dialog on the factory-default scenario,
// for review by eye: `make screenshots` runs it with the output folder as
// its argument.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <functional>
#include <memory>

#include "airflow_dlg.h"
#include "bldg_vol_dlg.h"
#include "dlg_standard_cube.h"
#include "emission_dlg.h"
#include "emp_model_dlg.h"
#include "exposure_dlg.h"
#include "life_span_dlg.h"
#include "lumo_state.h"
#include "num_error_dlg.h"
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

namespace {

QString g_dir;

void Shoot(const QString &name, const std::function<QDialog *(lumo::TLumoState *)> &make,
           const std::function<void(lumo::TLumoState &)> &prepare = {}) {
  lumo::TLumoState state;
  state.SetPaintDurationGrid();
  state.CalcSinkAreas();
  if (prepare) prepare(state);
  std::unique_ptr<QDialog> dialog(make(&state));
  dialog->show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  dialog->grab().save(
      QDir(g_dir).filePath(QStringLiteral("dialog_") + name + QStringLiteral(".png")));
  dialog->hide();
}

}  // namespace

int main(int argc, char **argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(g_dir);
  using S = lumo::TLumoState;
  Shoot("BldgVol", [](S *s) { return new TBldgVolDlg(nullptr, s); });
  Shoot("StandardCube", [](S *s) { return new TdlgStandardCube(nullptr, s); });
  Shoot("PercentPainted", [](S *s) { return new TPercentPaintedDlg(nullptr, s); });
  Shoot("Airflow", [](S *s) { return new TAirflowDlg(nullptr, s); });
  Shoot("SrfArea", [](S *s) { return new TSrfArea(nullptr, s); });
  Shoot("Paint", [](S *s) { return new TPaintDlg(nullptr, s); });
  Shoot("PaintDuration", [](S *s) { return new TPaintDurationDlg(nullptr, s); });
  Shoot("SpecificDensity", [](S *s) { return new TSpecificDensityDlg(nullptr, s); });
  Shoot("PaintPattern", [](S *s) { return new TPaintPatternDlg(nullptr, s); });
  Shoot("Emission", [](S *s) { return new TEmissionDlg(nullptr, s, false); });
  Shoot("EmpModel", [](S *s) { return new TEmpModelDlg(nullptr, s, false); });
  Shoot("SemiEmpirical", [](S *s) { return new TSemiEmpiricalDlg(nullptr, s, false); });
  Shoot("Sink", [](S *s) { return new TSinkDlg(nullptr, s); });
  Shoot(
      "SinkGridOneWay", [](S *s) { return new TSinkGridDlg(nullptr, s); },
      [](S &s) { s.SetSink(lumo::SinkModelType::OneWay); });
  Shoot(
      "SinkGridReversible", [](S *s) { return new TSinkGridDlg(nullptr, s); },
      [](S &s) { s.SetSink(lumo::SinkModelType::Reversible); });
  Shoot("NumError", [](S *) {
    return new TNumErrorDlg(nullptr, QObject::tr("Improper Numeric Format or Number "
                                                 "Out-Of-Bounds: abc"));
  });
  Shoot("Exposure", [](S *s) { return new TExposureDlg(nullptr, s); });
  Shoot("LifeSpan", [](S *s) { return new TLifeSpanDlg(nullptr, s); });
  Shoot("Weight", [](S *s) { return new TWeightDlg(nullptr, s); });
  Shoot("WeekDay", [](S *s) { return new TWeekDayDlg(nullptr, s); });
  Shoot("WeekEnd", [](S *s) { return new TWeekEndDlg(nullptr, s); });
  return 0;
}
