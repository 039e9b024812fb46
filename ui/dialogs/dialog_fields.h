// Building blocks of the parameter dialogs' forms: numeric fields with the
// dialogs' display masks, right-aligned unit rows, and the two-unit rows
// ("- or -" between the units).
#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QTableWidget;
class QWidget;
class TNumEdit;

// A TNumEdit named `name` showing `decimals` decimals ("#,##0.00" for 2).
TNumEdit *MakeNumEdit(QWidget *parent, const QString &name, int decimals);

// A label named `name` (objectName) for calculated values.
QLabel *MakeValueLabel(QWidget *parent, const QString &name, const QString &text = QString());

// Adds a row to `grid`: caption, field, unit, and when `second` is given,
// "- or -", the second field and its unit.
void AddFieldRow(QGridLayout *grid, int row, const QString &caption, QWidget *field,
                 const QString &unit, QWidget *second = nullptr,
                 const QString &secondUnit = QString(), const QString &between = QString());

// True when `field`, which shows another field's value in its own unit,
// still holds the value the dialog put there: the user left it as shown.
// Converting that value back would store the round trip through the other
// unit (off in the last digits) instead of the value the user typed, so a
// field left as shown stores nothing.
bool LeftAsShown(const TNumEdit *field, double shown);

// Sizes `grid` to show all its columns and up to `rows` rows without empty
// space (a scroll bar shows the rest).
void FitGrid(QTableWidget *grid, int rows);
