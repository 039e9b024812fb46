// TfrmPrint, "LUMO Model Report": the two-page report of a scenario's inputs
// and its last run's exposure results. The main window creates it with the
// scenario after a run, shows it with exec() and destroys it afterwards:
//
//   TfrmPrint report(this, state);
//   report.exec();
//
// All text is made once, at construction, by BuildReportContent
// (report_content.h); the window only shows it, and the printout and the
// PDF are drawn from the same content (report_printing.h). The report reads
// the scenario and never changes it.
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "lumo_form.h"
#include "probabilistic_report.h"
#include "report_content.h"
#include "report_document.h"

class QAction;
class QMenuBar;
class QScrollArea;
class QWidget;

namespace lumo::controls {
class PrintCanvas;
}

class TfrmPrint : public TLumoForm {
  Q_OBJECT

 public:
  // `runTime`: when the run of the scenario's results ended, when the
  // caller knows it (otherwise the concentration file's time, when the file
  // is that run's).
  TfrmPrint(QWidget *owner, lumo::TLumoState *state, const QDateTime &runTime = {});
  ~TfrmPrint() override;

  // What the window shows and prints.
  const lumo::report::ReportContent &Content() const { return content_; }

  // The menu commands, public so that tests and the menu run the same code.
  void PrintPg1Click();
  void PrintPg2Click();
  void PrintBothPagesClick();
  // Every sheet in one job: inputs, results and notes, the plot.
  void PrintAllPagesClick();
  void PrintPlotPageClick();
  void PrintSetupClick();
  // Asks for a file name, then writes both pages to that PDF file.
  void SavePdfClick();
  // Writes both pages to `path`; shows a message and returns false when the
  // file cannot be written.
  bool SavePdfTo(const QString &path);
  void ShowPage1();
  void ShowPage2();
  void ShowNotes();
  // The pages' size: a factor of their designed size, or as wide as the
  // window (the default).
  void SetZoom(double factor);
  void FitToWidth();
  double Zoom() const { return zoom_; }
  // The printed document (report_document.h), with its plot made now.
  lumo::report::PrintedReport Document();
  // Opens the concentration plot of the scenario's results file.
  void PlotClick();
  // The probabilistic assessment's page (on screen, after the others when
  // printed and in the PDF); without results it says there is none.
  void SetProbabilistic(lumo::report::ProbabilisticReport report);
  const lumo::report::ProbabilisticReport &Probabilistic() const { return probabilistic_; }
  void ShowProbabilisticPage();
  void PrintProbabilisticClick();

 private:
  // The printer the print commands use: chosen once (through the printing
  // seam's chooser, the system print dialog) and kept, as the system's
  // current printer is, until Print Setup chooses another. Null when the
  // user cancelled the choice.
  lumo::controls::PrintCanvas *CurrentPrinter();
  bool PrintOnePage(lumo::controls::PrintCanvas &canvas, int page);
  void BuildMenu(QMenuBar *menu);
  // Builds the screen pages at the current zoom, keeping the one shown.
  void BuildPages();
  // Shows page 1, 2, 3 (the notes) or 4 (probabilistic) and hides the others.
  void ShowOnly(int page);
  // Prints those of `parts` the document has; `missing` is said when it has
  // none of them.
  bool PrintParts(const QList<lumo::report::ReportPart> &parts, const QString &what,
                  const QString &missing);
  void resizeEvent(QResizeEvent *event) override;

  lumo::report::ReportContent content_;
  QString csvFileName_;
  std::unique_ptr<lumo::controls::PrintCanvas> printer_;
  QWidget *pnlPage1_ = nullptr;
  QWidget *pnlPage2_ = nullptr;
  QWidget *pnlNotes_ = nullptr;
  QWidget *pnlProbabilistic_ = nullptr;
  lumo::report::ProbabilisticReport probabilistic_;
  QWidget *pages_ = nullptr;  // holds the pages, inside the scroll area
  QScrollArea *scroll_ = nullptr;
  double zoom_ = 1.0;
  bool fitWidth_ = true;
  int shown_ = 1;  // 1, 2, 3 for the notes, 4 for the probabilistic page
  QString footer_;
};
