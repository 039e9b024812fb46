// The report's Probabilistic page: what another assessor needs to repeat a
// probabilistic assessment and read its results. Every varied input with
// its distribution, parameters, bounds and unit; the correlations; seed,
// iterations, sampling, percentiles, reference values, analyses and the
// program's version; the results table; and the plots of the result chosen
// in the assessment window. Built once from the assessment's outcome, then
// shown on screen (MakeProbabilisticPage) and printed on pages of their own
// (PrintProbabilisticPages), from the same content.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "assessment.h"
#include "assessment_charts.h"
#include "assessment_run.h"
#include "assessment_summary.h"
#include "print_canvas.h"
#include "report_printing.h"
#include "report_print_layout.h"

class QWidget;

namespace lumo::report {

// A table as text: column captions, row captions, cells by row.
struct TextTable {
  QStringList columns;
  QStringList rows;
  QList<QStringList> cells;
};

struct ProbabilisticReport {
  bool present = false;  // false: no assessment has results; `note` says so
  QString note;          // a partial run, cases without results, inputs changed since
  QStringList settings;  // "Seed: 20261207", ...
  TextTable distributions;
  QStringList correlations;
  TextTable results;
  QList<QImage> plots;
  QString plotCaption;  // which result the plots show
};

// What the report says about where the run came from.
struct ProbabilisticHeading {
  QString scenario;
  QString distributionFile;  // empty when never saved
  QString version;
  bool inputsChanged = false;  // the scenario's inputs changed since the run
};

// The plots drawn for the report.
struct PlotChoice {
  std::size_t result = 0;
  bool logarithmic = false;
  SensitivityMeasure measure = SensitivityMeasure::Spearman;
};

// The results table: one column per result, one row per statistic (count,
// mean, SD, each percentile and its 95 % interval, the scenario's value and
// its percentile, reference value, probability of exceeding it and its 95 %
// interval). Intervals as "low – high" in one cell.
TextTable AssessmentResultsTable(const prob::Assessment &assessment, const prob::AssessmentRun &run,
                                 const prob::AssessmentSummary &summary);

ProbabilisticReport BuildProbabilisticReport(const prob::Assessment &assessment,
                                             const prob::AssessmentRun &run,
                                             const prob::AssessmentSummary &summary,
                                             const ProbabilisticHeading &heading,
                                             const PlotChoice &plots);
// The page of a session without results.
ProbabilisticReport NoProbabilisticReport();

// The screen page (pnlProbabilistic), scrolling.
QWidget *MakeProbabilisticPage(QWidget *parent, const ProbabilisticReport &report);

// The text of the printed pages, line by line.
QList<PrintItem> ProbabilisticPrintItems(const ProbabilisticReport &report);
// Draws the pages on a canvas already in a job (from a new page on when
// `newPage`, after other pages): the text, then the plots two to a page.
// `frame` keeps room at each sheet's bottom and is told when a sheet ends
// (the document's footer), the last one excepted.
void DrawProbabilisticPages(controls::PrintCanvas &canvas, const ProbabilisticReport &report,
                            bool newPage = true, const PageFrame &frame = {});

}  // namespace lumo::report
