// Hover texts of the results: an abbreviation spelled out with its unit,
// for the main window's result fields and the report's results grid.
#pragma once

#include <QString>

class QTableWidget;

namespace lumo::report {

// "LADD: Lifetime average daily dose (mg/kg/day)"; empty for a name that is
// not one of the ten results. `ppm` for the ppm figure of a concentration.
QString ResultTip(const QString &resultName, bool ppm = false);

// The engine's name of the result a caption names ("LADD", "APDR Time",
// "C15-min", "C 8-hr", "Single Event Dose", ...); empty for none.
QString ResultNameOfCaption(const QString &caption);

// Gives each cell of the report's results grid that shows a result the hover
// text of that result.
void SetResultGridTips(QTableWidget *grid);

}  // namespace lumo::report
