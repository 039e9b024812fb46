// The two screen pages of the results report, built as panels from the
// report's content. Every label and grid carries the name its text is kept
// under in the content; the grids are read-only and show no selection.
#pragma once

class QWidget;

namespace lumo::report {

struct ReportContent;

// The size of either page, in pixels.
inline constexpr int kPageWidth = 545;
inline constexpr int kPageHeight = 538;

// pnlPage1: the building, paint, chemical and sinks.
QWidget *MakeReportPage1(QWidget *parent, const ReportContent &content);
// pnlPage2: the person, the activity patterns (five lines each), the
// results and the glossary.
QWidget *MakeReportPage2(QWidget *parent, const ReportContent &content);

}  // namespace lumo::report
