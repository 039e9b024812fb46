// The order of names in the chemical lists: as a person sorts them, letters
// before case (the user's language decides how accented letters sort) and
// the numbers within names by value ("C9" before "C10"), rather than by
// character code, which puts every lower-case name after "Z".
#pragma once

#include <QStringList>

namespace lumo::ui {

// `names` in that order; names the order cannot tell apart keep a fixed
// order (by character code).
QStringList SortedNames(QStringList names);

}  // namespace lumo::ui
