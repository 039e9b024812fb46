// The parameter dialogs the main window opens, by kind, so that the window
// runs every one of them through the same protocol (record copied aside,
// dialog shown, copy put back unless OK).
#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace lumo {
class TLumoState;
}

namespace lumo::ui {

enum class ParameterDialog {
  BuildingVolume,    // TBldgVolDlg
  StandardCube,      // TdlgStandardCube
  PercentPainted,    // TPercentPaintedDlg
  Airflows,          // TAirflowDlg
  SurfaceArea,       // TSrfArea
  AmountOfPaint,     // TPaintDlg
  PaintingDuration,  // TPaintDurationDlg
  SpecificDensity,   // TSpecificDensityDlg
  PrimerEmissions,   // TEmissionDlg for the primer
  PaintEmissions,    // TEmissionDlg for the paint
  Sinks,             // TSinkDlg
  ExposureEvents,    // TExposureDlg
  Lifetime,          // TLifeSpanDlg
  BodyWeight,        // TWeightDlg
  WeekdayPattern,    // TWeekDayDlg
  WeekendPattern,    // TWeekEndDlg
  PaintingPattern,   // TPaintPatternDlg
};

// A new dialog of that kind, owned by `owner`'s caller, editing `state`.
std::unique_ptr<QDialog> CreateParameterDialog(ParameterDialog kind, QWidget *owner,
                                               TLumoState *state);

}  // namespace lumo::ui
