// What the concentration plot says beside its curves, so that it is never
// read as more than it is: the file holds the concentrations at each
// reporting interval only (a peak between two of them, such as the run's
// Cpeak, which is taken at every 30-second step, can be higher than the
// highest point drawn), and a file that ends before the run's length holds a
// run that was stopped or failed.
#pragma once

#include <QString>

#include "concentration_csv.h"

namespace lumo::report {

struct PlotNotes {
  QString reported;  // about the reporting interval; always present
  QString partial;   // empty unless the series ends before the run's length
};

// `runLengthDays` is the length of the run the file belongs to (0 when not
// known: nothing is said about a partial series then).
PlotNotes NotesFor(const ConcentrationTable &table, double runLengthDays);

}  // namespace lumo::report
