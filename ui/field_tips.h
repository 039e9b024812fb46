// The hover texts of the main window: every input says its full name and
// unit, every result its abbreviation spelled out with its unit.
#pragma once

#include <QString>

class QWidget;

namespace lumo::ui {

// "LADD: Lifetime average daily dose (mg/kg/day)"; empty for a name that is
// not one of the ten results. `ppm` for the ppm figure of a concentration.
QString ResultTip(const QString &resultName, bool ppm = false);

// Sets the hover texts of the inputs and results found under `window`.
void SetFieldTips(QWidget *window);

}  // namespace lumo::ui
