// How the main window's numeric fields show their values: a plain number
// with a fixed count of decimals (thousands grouped unless told otherwise),
// and no range check of their own (the window's rules keep values in range).
#pragma once

class TNumEdit;

namespace lumo::ui {

void SetFieldFormat(TNumEdit *field, int decimals, bool grouping = true);

}  // namespace lumo::ui
