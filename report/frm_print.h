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

#include <QString>
#include <memory>

#include "lumo_form.h"
#include "probabilistic_report.h"
#include "report_content.h"

class QAction;
class QMenuBar;
class QWidget;

namespace lumo::controls {
class PrintCanvas;
}

class TfrmPrint : public TLumoForm {
  Q_OBJECT

 public:
  TfrmPrint(QWidget *owner, lumo::TLumoState *state);
  ~TfrmPrint() override;

  // What the window shows and prints.
  const lumo::report::ReportContent &Content() const { return content_; }

  // The menu commands, public so that tests and the menu run the same code.
  void PrintPg1Click();
  void PrintPg2Click();
  void PrintBothPagesClick();
  void PrintSetupClick();
  // Asks for a file name, then writes both pages to that PDF file.
  void SavePdfClick();
  // Writes both pages to `path`; shows a message and returns false when the
  // file cannot be written.
  bool SavePdfTo(const QString &path);
  void ShowPage1();
  void ShowPage2();
  // Opens the concentration plot of the scenario's results file.
  void PlotClick();
  // The Probabilistic page: the last probabilistic assessment's report (by
  // default, a page saying there is none). Shown, printed and in the PDF.
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

  lumo::report::ReportContent content_;
  QString csvFileName_;
  std::unique_ptr<lumo::controls::PrintCanvas> printer_;
  QWidget *pnlPage1_ = nullptr;
  QWidget *pnlPage2_ = nullptr;
  lumo::report::ProbabilisticReport probabilistic_;
  QWidget *pnlProbabilistic_ = nullptr;
};
