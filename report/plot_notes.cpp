#include "plot_notes.h"

#include <QCoreApplication>
#include <cmath>

namespace lumo::report {

namespace {

class Texts {
  Q_DECLARE_TR_FUNCTIONS(PlotNotes)
 public:
  static QString Reported(int minutes) {
    if (minutes <= 0)
      return tr(
          "Concentrations as reported in the file; the run's peak (Cpeak) is taken at "
          "every 30-second step and can be higher than any point drawn.");
    const QString every = minutes == 1 ? tr("every minute") : tr("every %1 minutes").arg(minutes);
    return tr("Concentrations reported %1; the run's peak (Cpeak) is taken at every 30-second "
              "step and can be higher than any point drawn.")
        .arg(every);
  }
  static QString Partial(double reached, double length, int percent) {
    return tr("Partial series: the file ends at day %1 of a %2-day run (%3 %); the run that "
              "wrote it was stopped or failed.")
        .arg(reached, 0, 'f', 2)
        .arg(length, 0, 'g', 6)
        .arg(percent);
  }
};

}  // namespace

PlotNotes NotesFor(const ConcentrationTable &table, double runLengthDays) {
  PlotNotes notes;
  const int rows = table.Rows();
  const int minutes =
      rows >= 2 ? static_cast<int>(std::lround((table.days[1] - table.days[0]) * 1440.0)) : 0;
  notes.reported = Texts::Reported(minutes);
  if (rows >= 1 && runLengthDays > 0) {
    const double span = table.days.back() - table.days.front();
    // The file's times have six significant digits: a minute of slack.
    if (span < runLengthDays - 1.0 / 1440.0) {
      const int percent = static_cast<int>(std::floor(100.0 * span / runLengthDays));
      notes.partial = Texts::Partial(span, runLengthDays, percent);
    }
  }
  return notes;
}

}  // namespace lumo::report
