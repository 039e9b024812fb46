// The hover texts of the main window: every input says its full name and
// unit, every result its abbreviation spelled out with its unit.
#pragma once

#include <QString>

class QWidget;

namespace lumo::ui {

// Sets the hover texts of the inputs and results found under `window`.
void SetFieldTips(QWidget *window);

}  // namespace lumo::ui
