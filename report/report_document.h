// The printed report as one document: the inputs (page 1), the person and
// the results (page 2; each may run over several sheets), the
// concentration plot on a sheet of its own, and the probabilistic
// assessment's pages when there is one. Every sheet ends with a footer
// naming the program's version and the run's date and time, and "Page k of
// N" counted over the whole document, whichever sheets a job prints.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include "print_canvas.h"

namespace lumo::report {

struct ReportContent;
struct ProbabilisticReport;

enum class ReportPart { Inputs, Results, Plot, Probabilistic };

struct PrintedReport {
  const ReportContent *content = nullptr;
  QString footer;  // the version and the run's date and time
  QImage plot;     // the concentration plot; null: the document has no plot sheet
  QString plotTitle;
  // The probabilistic assessment's pages; null or without results: none.
  const ProbabilisticReport *probabilistic = nullptr;

  // The parts the document has, in order.
  QList<ReportPart> Parts() const;
};

// The footer's left part: "LUMO <version> · results of the run of <when>",
// or that the run's time is not known.
QString FooterText(const QString &version, const QString &runTime);

// The sheets each part takes on `canvas` (its page size, resolution and
// current font), in the order of Parts().
QList<int> SheetCounts(const controls::PrintCanvas &canvas, const PrintedReport &report);

// One print job of the chosen parts (in document order), each part from a
// new sheet; false when the job cannot start.
bool PrintReportParts(controls::PrintCanvas &canvas, const PrintedReport &report,
                      const QList<ReportPart> &parts, const QString &jobTitle);

// The whole document as a PDF file; an empty string on success, otherwise
// what went wrong, for the user.
QString WriteReportDocumentPdf(const PrintedReport &report, const QString &path);

}  // namespace lumo::report
