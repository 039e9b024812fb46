// The notes of a report: whether the run was long enough for the long-term
// measures (run_length_adequacy.h), given only beside results of the
// current inputs, and the inputs far outside their typical ranges.
#pragma once

#include <QString>
#include <QStringList>

namespace lumo {
class TLumoState;
}

namespace lumo::report {

// Each note one sentence or two; `csvFileName` is the run's concentration
// file.
QStringList ReportNotes(const TLumoState &state, const QString &csvFileName);

}  // namespace lumo::report

class QWidget;

namespace lumo::report {

struct ReportContent;

// pnlNotes: the report's notes on a screen page of the report's size (one
// saying there are none when there are none).
QWidget *MakeReportNotesPage(QWidget *parent, const ReportContent &content);

}  // namespace lumo::report
