#include "probabilistic_report.h"

#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "assessment_draft.h"
#include "number_format.h"
#include "report_printing.h"
#include "result_curves.h"
#include "result_text.h"
#include "variable_inputs.h"

namespace lumo::report {

namespace {

QString Number(double x) {
  return QString::fromStdString(prob::FormatNumber(x));
}

QString Result(double x) {
  return std::isfinite(x) ? QString::fromStdString(FormatResult(x)) : QStringLiteral("–");
}

QString Percent(double share) {
  return std::isfinite(share) ? QString::number(100 * share, 'g', 3) + " %" : QStringLiteral("–");
}

QString Tr(const char *text) {
  return QObject::tr(text);
}

const QSize kPlotSize(900, 520);

}  // namespace

TextTable AssessmentResultsTable(const prob::Assessment &assessment, const prob::AssessmentRun &run,
                                 const prob::AssessmentSummary &summary) {
  TextTable table;
  table.rows << Tr("Iterations with results") << Tr("Without results") << Tr("Mean") << Tr("SD");
  for (double p : assessment.percentiles) {
    table.rows << Tr("P%1").arg(Number(p)) << Tr("P%1 95 % interval").arg(Number(p));
  }
  table.rows << Tr("Scenario's value") << Tr("its percentile") << Tr("Reference value")
             << Tr("P(exceeds reference)") << Tr("95 % interval");
  for (int row = 0; row < table.rows.size(); ++row) table.cells << QStringList();
  for (std::size_t r = 0; r < summary.results.size(); ++r) {
    const prob::ResultSummary &result = summary.results[r];
    const prob::ResultStatistics &s = result.statistics;
    table.columns << QString("%1\n%2").arg(QString::fromStdString(result.name),
                                           kResultFields[r].unit);
    int row = 0;
    auto put = [&](const QString &text) { table.cells[row++] << text; };
    put(QString::number(s.count));
    put(QString::number(s.excluded));
    put(Result(s.mean));
    put(Result(s.sd));
    for (const prob::PercentileEstimate &p : s.percentiles) {
      put(Result(p.value));
      put(QString("%1 – %2").arg(p.low ? Result(*p.low) : Tr("open"),
                                 p.high ? Result(*p.high) : Tr("open")));
    }
    put(Result(result.deterministic));
    const double rank = prob::PercentileRankOf(prob::ResultValues(run, r), result.deterministic);
    put(std::isfinite(rank) ? QString::number(rank, 'f', 1) : QStringLiteral("–"));
    if (s.exceedance) {
      put(Result(s.exceedance->reference));
      put(Percent(s.exceedance->probability));
      put(Percent(s.exceedance->low) + " – " + Percent(s.exceedance->high));
    } else {
      put(Tr("none"));
      put(QStringLiteral("–"));
      put(QStringLiteral("–"));
    }
  }
  return table;
}

ProbabilisticReport NoProbabilisticReport() {
  ProbabilisticReport report;
  report.note =
      Tr("No probabilistic assessment has results in this session. Open the Probabilistic "
         "Assessment window from the Execution page, run an assessment, then open the report.");
  return report;
}

ProbabilisticReport BuildProbabilisticReport(const prob::Assessment &assessment,
                                             const prob::AssessmentRun &run,
                                             const prob::AssessmentSummary &summary,
                                             const ProbabilisticHeading &heading,
                                             const PlotChoice &plots) {
  ProbabilisticReport report;
  report.present = true;
  QStringList notes;
  if (run.partial)
    notes << Tr("PARTIAL RESULTS: the run was stopped after %1 of %2 iterations.")
                 .arg(summary.iterationsRun)
                 .arg(assessment.iterations);
  if (run.casesFailed > 0)
    notes << Tr("%1 of %2 cases have no results and are left out of the statistics.")
                 .arg(run.casesFailed)
                 .arg(run.casesRun);
  if (heading.inputsChanged)
    notes << Tr(
        "The scenario's inputs have changed since this assessment ran: these results "
        "belong to the inputs it ran with.");
  report.note = notes.join(' ');

  const char *sampling =
      assessment.sampling == prob::Sampling::Random ? "simple random" : "Latin hypercube";
  QStringList percentiles, references, analyses;
  for (double p : assessment.percentiles) percentiles << Number(p);
  for (const auto &r : assessment.reference)
    references << QString("%1 %2").arg(QString::fromStdString(r.result), Number(r.value));
  if (assessment.sensitivity.spearman) analyses << Tr("Spearman rank correlations");
  if (assessment.sensitivity.oneAtATime) analyses << Tr("one at a time (P5 and P95)");
  if (assessment.sensitivity.sobol)
    analyses << Tr("Sobol indices (%1 base samples, %2 bootstrap replicates)")
                    .arg(assessment.sensitivity.sobol->baseSamples)
                    .arg(assessment.sensitivity.sobol->bootstrap);
  report.settings
      << Tr("Scenario: %1").arg(heading.scenario)
      << Tr("Distribution file: %1")
             .arg(heading.distributionFile.isEmpty() ? Tr("not saved") : heading.distributionFile)
      << Tr("Iterations: %1 (%2 run)").arg(assessment.iterations).arg(summary.iterationsRun)
      << Tr("Seed: %1").arg(run.seed) << Tr("Sampling: %1").arg(Tr(sampling))
      << Tr("Percentiles: %1").arg(percentiles.join(", "))
      << Tr("Reference values: %1").arg(references.isEmpty() ? Tr("none") : references.join(", "))
      << Tr("Sensitivity: %1").arg(analyses.isEmpty() ? Tr("none") : analyses.join("; "))
      << Tr("Program: LUMO %1").arg(heading.version);

  report.distributions.columns << Tr("Input") << Tr("Distribution") << Tr("Parameters")
                               << Tr("Bounds") << Tr("Unit");
  const prob::AssessmentDraft draft = prob::DraftFromAssessment(assessment);
  for (const prob::InputDraft &in : draft.inputs) {
    if (!in.varied) continue;
    QStringList parameters;
    for (const std::string &name : prob::ParameterNames(in)) {
      const auto values = in.parameters.find(name);
      if (values == in.parameters.end()) continue;
      QStringList numbers;
      for (double x : values->second) numbers << Number(x);
      parameters << QString::fromStdString(name) + " " + numbers.join(", ");
    }
    QString bounds = Tr("none");
    if (in.lower && in.upper)
      bounds = Tr("%1 to %2").arg(Number(*in.lower), Number(*in.upper));
    else if (in.lower)
      bounds = Tr("%1 and above").arg(Number(*in.lower));
    else if (in.upper)
      bounds = Tr("up to %1").arg(Number(*in.upper));
    const VariableInput *entry = FindVariableInput(in.name);
    report.distributions.rows << QString::fromStdString(in.name);
    report.distributions.cells << QStringList{
        QString::fromStdString(in.name), QString::fromStdString(in.family), parameters.join("; "),
        bounds, entry ? QString::fromStdString(entry->unit) : ""};
  }
  for (const auto &c : assessment.correlations)
    report.correlations << Tr("%1 and %2: rank correlation %3")
                               .arg(QString::fromStdString(c.first),
                                    QString::fromStdString(c.second), Number(c.rank));

  report.results = AssessmentResultsTable(assessment, run, summary);
  const std::size_t r = std::min<std::size_t>(plots.result, summary.results.size() - 1);
  report.plotCaption = Tr("Plots of %1 (%2)").arg(kResultFields[r].name, kResultFields[r].label);
  for (QChart *chart :
       ResultCharts(assessment, run, summary, r, plots.logarithmic, plots.measure, run.partial))
    report.plots << ChartImage(chart, kPlotSize);
  return report;
}

// ---- The screen page ----------------------------------------------------------------

namespace {

QTableWidget *MakeTable(const TextTable &text, const char *name, bool rowCaptions) {
  auto *table =
      new QTableWidget(static_cast<int>(text.cells.size()), static_cast<int>(text.columns.size()));
  table->setObjectName(name);
  table->setHorizontalHeaderLabels(text.columns);
  if (rowCaptions)
    table->setVerticalHeaderLabels(text.rows);
  else
    table->verticalHeader()->hide();
  for (int row = 0; row < text.cells.size(); ++row)
    for (int column = 0; column < text.cells[row].size(); ++column)
      table->setItem(row, column, new QTableWidgetItem(text.cells[row][column]));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
  int height = table->horizontalHeader()->sizeHint().height() +
               table->horizontalScrollBar()->sizeHint().height() + 6;
  for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
  table->setFixedHeight(height);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return table;
}

QLabel *Heading(const QString &text) {
  auto *label = new QLabel(text);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  label->setFont(font);
  return label;
}

}  // namespace

QWidget *MakeProbabilisticPage(QWidget *parent, const ProbabilisticReport &report) {
  auto *scroll = new QScrollArea(parent);
  scroll->setObjectName("pnlProbabilistic");
  scroll->setWidgetResizable(true);
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  layout->addWidget(Heading(QObject::tr("Probabilistic Assessment")));
  if (!report.note.isEmpty()) {
    auto *note = new QLabel(report.note);
    note->setObjectName("lblProbabilisticNote");
    note->setWordWrap(true);
    note->setStyleSheet("color: #a04000; font-weight: bold;");
    layout->addWidget(note);
  }
  if (report.present) {
    auto *settings = new QLabel(report.settings.join('\n'));
    settings->setObjectName("lblProbabilisticSettings");
    settings->setWordWrap(true);
    settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(settings);
    layout->addWidget(Heading(QObject::tr("Distributions")));
    layout->addWidget(MakeTable(report.distributions, "tblProbabilisticInputs", false));
    if (!report.correlations.isEmpty()) {
      auto *correlations = new QLabel(report.correlations.join('\n'));
      correlations->setObjectName("lblProbabilisticCorrelations");
      layout->addWidget(correlations);
    }
    layout->addWidget(Heading(QObject::tr("Results")));
    layout->addWidget(MakeTable(report.results, "tblProbabilisticResults", true));
    layout->addWidget(Heading(report.plotCaption));
    for (int k = 0; k < report.plots.size(); ++k) {
      auto *plot = new QLabel;
      plot->setObjectName(QStringLiteral("lblProbabilisticPlot%1").arg(k + 1));
      plot->setPixmap(
          QPixmap::fromImage(report.plots[k].scaledToWidth(500, Qt::SmoothTransformation)));
      layout->addWidget(plot);
    }
  }
  layout->addStretch();
  scroll->setWidget(page);
  return scroll;
}

// ---- Printing ---------------------------------------------------------------------------

QList<PrintItem> ProbabilisticPrintItems(const ProbabilisticReport &report) {
  QList<PrintItem> items;
  int line = 1;
  auto text = [&](XPos x, const QString &t, PrintStyle style = PrintStyle::Body) {
    items.append({line, x, style, t});
  };
  text(XPos::Margin(), QObject::tr("Probabilistic Assessment"), PrintStyle::Heading);
  line += 2;
  if (!report.note.isEmpty()) {
    text(XPos::Margin(), report.note);
    line += 2;
  }
  if (!report.present) return items;
  for (const QString &s : report.settings) {
    text(XPos::Margin(), s);
    ++line;
  }
  line += 1;
  text(XPos::Margin(), QObject::tr("Distributions"), PrintStyle::Heading);
  line += 2;
  const XPos inputColumns[] = {XPos::Margin(), XPos::Fraction(50), XPos::Fraction(80),
                               XPos::Fraction(160), XPos::Fraction(190)};
  for (int c = 0; c < report.distributions.columns.size(); ++c)
    text(inputColumns[c], report.distributions.columns[c]);
  ++line;
  for (const QStringList &row : report.distributions.cells) {
    for (int c = 0; c < row.size() && c < 5; ++c) text(inputColumns[c], row[c]);
    ++line;
  }
  for (const QString &c : report.correlations) {
    text(XPos::Margin(), c);
    ++line;
  }
  line += 1;
  text(XPos::Margin(), QObject::tr("Results"), PrintStyle::Heading);
  line += 2;
  auto column = [](int c) { return c == 0 ? XPos::Margin() : XPos::Fraction(45 + 17 * (c - 1)); };
  for (int c = 0; c < report.results.columns.size(); ++c) {
    const QStringList parts = report.results.columns[c].split('\n');
    text(column(c + 1), parts.value(0));
    items.append({line + 1, column(c + 1), PrintStyle::Body, parts.value(1)});
  }
  line += 2;
  for (int row = 0; row < report.results.cells.size(); ++row) {
    text(column(0), report.results.rows.value(row));
    // An interval takes two lines: its low end, then its high end.
    bool twoLines = false;
    for (int c = 0; c < report.results.cells[row].size(); ++c) {
      const QStringList ends = report.results.cells[row][c].split(QStringLiteral(" – "));
      text(column(c + 1), ends.value(0));
      if (ends.size() > 1) {
        items.append({line + 1, column(c + 1), PrintStyle::Body, "– " + ends.value(1)});
        twoLines = true;
      }
    }
    line += twoLines ? 2 : 1;
  }
  return items;
}

void DrawProbabilisticPages(controls::PrintCanvas &canvas, const ProbabilisticReport &report,
                            bool newPage, const PageFrame &frame) {
  if (newPage) canvas.NewPage();
  canvas.SetFont(DefaultPrinterFont());
  DrawReportItems(canvas, ProbabilisticPrintItems(report), frame);
  // The plots two to a page, each the page's width.
  const int margin = 10;
  const int width = canvas.PageWidth() - 2 * margin;
  const int height = width * kPlotSize.height() / kPlotSize.width();
  for (int k = 0; k < report.plots.size(); ++k) {
    if (k % 2 == 0) {
      if (frame.endOfPage) frame.endOfPage();
      canvas.NewPage();
    }
    const int y = k % 2 == 0 ? margin : std::max(canvas.PageHeight() / 2, height + 2 * margin);
    canvas.Image(QRect(margin, y, width, height), report.plots[k]);
  }
}

}  // namespace lumo::report
