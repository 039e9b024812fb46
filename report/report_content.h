// Everything the results report shows and prints, made from the scenario in
// one go: the captions of the screen labels and the cells of the screen
// grids, keyed by the names of the controls that show them, and the two
// printed pages as positioned texts. The window and the printout only draw
// this; nothing in them formats a number.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "report_print_layout.h"

namespace lumo {
class TLumoState;
}

namespace lumo::report {

// A screen grid's cells, row by row.
struct GridText {
  int columns = 0;
  QList<QStringList> rows;  // each row holds `columns` cells

  int RowCount() const { return static_cast<int>(rows.size()); }
  // Empty outside the grid.
  QString Cell(int column, int row) const;
};

struct ReportContext {
  QString date;         // today, in the user's short date format
  QString csvFileName;  // the run's concentration file
  QString decimalMark = QStringLiteral(".");
};

struct ReportContent {
  QMap<QString, QString> labels;  // label name -> caption
  QMap<QString, GridText> grids;  // grid name -> cells
  QList<PrintItem> page1;
  QList<PrintItem> page2;
  // Whether the run was long enough, inputs outside their typical ranges
  // (report_notes.h); printed after the glossary.
  QStringList notes;
  QString decimalMark = QStringLiteral(".");  // used by every number
  // False when the stored results do not belong to the inputs shown (out of
  // date, of unknown inputs, or none): the results grid then holds, in its
  // first column, the sentences that say so instead of numbers.
  bool hasResults = true;

  // Empty for a name that is not there.
  QString Label(const QString &name) const { return labels.value(name); }
  GridText Grid(const QString &name) const { return grids.value(name); }
};

// The screen grids show at most this many lines of each activity pattern;
// the printout shows them all.
inline constexpr int kScreenPatternLines = 5;

// The glossary under the results, in screen (and print) order.
QStringList GlossaryLines();

// `text` broken at blanks into lines of at most `width` characters.
QStringList WrapReportText(const QString &text, int width);

ReportContent BuildReportContent(const TLumoState &state, const ReportContext &context);

// The context of a report opened now: today's date in the user's short date
// format, the locale's decimal mark, and `csvFileName`.
ReportContext ReportContextNow(const QString &csvFileName);

}  // namespace lumo::report
