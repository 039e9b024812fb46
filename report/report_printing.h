// Drawing the printed report on a PrintCanvas. A page is one print job:
// the line unit L is measured from the font the canvas has when the job is
// about to start (twice its pixel height at the canvas's vertical
// resolution), then every item is drawn at its line and x position in the
// font of its style. Text that would reach below the page bottom starts a
// new page, where the lines carry on from the top.
#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "print_canvas.h"
#include "report_print_layout.h"

namespace lumo::report {

struct ReportContent;

// The printing fonts of the three styles.
controls::PrintFont StyleFont(PrintStyle style);

// The font a printer's canvas has before anything is printed on it:
// MS Sans Serif 8 pt. The first page printed on a printer measures its line
// unit with it.
controls::PrintFont DefaultPrinterFont();
// Gives a canvas just opened on a printer (or a PDF file) that font.
void PrepareNewPrinter(controls::PrintCanvas &canvas);

// Twice the pixel height of `font` on a canvas of `dpi` dots per inch.
int LineUnit(const controls::PrintFont &font, int dpi);

// What a page keeps for itself: device pixels at its bottom that the items
// leave free (for a footer), and what is drawn on each page the items fill
// before the next one starts.
struct PageFrame {
  int reservedBottom = 0;
  std::function<void()> endOfPage;
};

// Draws `items` on the canvas already in a job, from its current page on.
void DrawReportItems(controls::PrintCanvas &canvas, const QList<PrintItem> &items,
                     const PageFrame &frame = {});

// One print job of one page; false (nothing printed) when the job cannot
// start.
bool PrintReportPage(controls::PrintCanvas &canvas, const QList<PrintItem> &items,
                     const QString &jobTitle);

// Both pages in one job, page 2 on a new page (for a PDF file); false when
// the job cannot start.
// `more` draws further pages (the probabilistic page) before the job ends.
using MorePages = std::function<void(controls::PrintCanvas &)>;
bool PrintReportBothPagesOneJob(controls::PrintCanvas &canvas, const ReportContent &content,
                                const QString &jobTitle, const MorePages &more = {});

// Writes both pages to a PDF file at `path`. Returns an empty string on
// success, otherwise what went wrong, for the user.
QString WriteReportPdf(const ReportContent &content, const QString &path,
                       const MorePages &more = {});

}  // namespace lumo::report
