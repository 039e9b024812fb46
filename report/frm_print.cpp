#include "frm_print.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "file_version_info.h"
#include "frm_concentration_plot.h"
#include "lumo_state.h"
#include "message_box.h"
#include "page_zoom.h"
#include "print_canvas.h"
#include "report_notes.h"
#include "report_printing.h"
#include "report_screen_pages.h"
#include "result_tips.h"

using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

TfrmPrint::TfrmPrint(QWidget *owner, lumo::TLumoState *state, const QDateTime &runTime)
    : TLumoForm(owner, state) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(tr("LUMO Model Report"));
  // Without a close button: the report is closed through its Exit command.
  // It may be resized; its pages follow the window's width.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowMaximizeButtonHint);

  csvFileName_ = QString::fromUtf8(state->GetCSVName());
  content_ = lumo::report::BuildReportContent(*state, lumo::report::ReportContextNow(csvFileName_));

  // Every printed sheet names the program's version and the run's time.
  QDateTime when = runTime;
  const QFileInfo csv(csvFileName_);
  if (!when.isValid() && content_.hasResults && csv.exists()) when = csv.lastModified();
  footer_ = lumo::report::FooterText(
      TFileVersionInfo().ProductVersion(),
      when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : QString());

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto *menu = new QMenuBar(this);
  menu->setObjectName(QStringLiteral("MainMenu1"));
  BuildMenu(menu);
  layout->setMenuBar(menu);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scrollPages"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  layout->addWidget(scroll_);

  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);

  // A comfortable reading size: half as large again as the pages were
  // designed, as far as the screen allows.
  double start = 1.5;
  if (const QScreen *screen = QGuiApplication::primaryScreen()) {
    const QRect room = screen->availableGeometry();
    start = std::min(
        start, (room.height() - 80.0 - menu->sizeHint().height()) / lumo::report::kPageHeight);
    start = std::min(start, (room.width() - 40.0) / lumo::report::kPageWidth);
  }
  zoom_ = std::max(start, 1.0);
  probabilistic_ = lumo::report::NoProbabilisticReport();
  BuildPages();
  resize(static_cast<int>(lumo::report::kPageWidth * zoom_) +
             scroll_->verticalScrollBar()->sizeHint().width() + 4,
         static_cast<int>(lumo::report::kPageHeight * zoom_) + menu->sizeHint().height() + 4);
}

void TfrmPrint::BuildPages() {
  auto *pages = new QWidget;
  pages->setObjectName(QStringLiteral("pnlPages"));
  auto *column = new QVBoxLayout(pages);
  column->setContentsMargins(0, 0, 0, 0);
  pnlPage1_ = lumo::report::MakeReportPage1(pages, content_);
  pnlPage2_ = lumo::report::MakeReportPage2(pages, content_);
  pnlNotes_ = lumo::report::MakeReportNotesPage(pages, content_);
  // The probabilistic page is laid out by Qt's layouts, in the window's own
  // font: at any zoom it takes the page's place and scrolls within it.
  pnlProbabilistic_ = lumo::report::MakeProbabilisticPage(pages, probabilistic_);
  pnlProbabilistic_->setFixedSize(static_cast<int>(lumo::report::kPageWidth * zoom_),
                                  static_cast<int>(lumo::report::kPageHeight * zoom_));
  if (auto *results = pnlPage2_->findChild<QTableWidget *>(QStringLiteral("gridLUMOResults")))
    lumo::report::SetResultGridTips(results);
  for (QWidget *page : {pnlPage1_, pnlPage2_, pnlNotes_}) {
    lumo::report::ZoomPage(page, zoom_);
    column->addWidget(page, 0, Qt::AlignHCenter);
  }
  column->addWidget(pnlProbabilistic_, 0, Qt::AlignHCenter);
  pages_ = pages;
  ShowOnly(shown_);
  scroll_->setWidget(pages);  // deletes the pages shown before
}

void TfrmPrint::ShowOnly(int page) {
  shown_ = page;
  pnlPage1_->setVisible(page == 1);
  pnlPage2_->setVisible(page == 2);
  pnlNotes_->setVisible(page == 3);
  pnlProbabilistic_->setVisible(page == 4);
  // The holder as large as the page shown, from its top.
  pages_->adjustSize();
  if (scroll_) scroll_->verticalScrollBar()->setValue(0);
}

void TfrmPrint::SetZoom(double factor) {
  fitWidth_ = false;
  factor = std::clamp(factor, 0.5, 4.0);
  if (std::abs(factor - zoom_) < 1e-3) return;
  zoom_ = factor;
  BuildPages();
}

void TfrmPrint::FitToWidth() {
  fitWidth_ = true;
  const int room = scroll_->viewport()->width();
  const double factor = std::clamp(double(room) / lumo::report::kPageWidth, 0.5, 4.0);
  // Small changes keep the pages (no rebuild at every pixel of a drag).
  if (std::abs(factor - zoom_) < 0.02) return;
  zoom_ = factor;
  BuildPages();
}

void TfrmPrint::resizeEvent(QResizeEvent *event) {
  TLumoForm::resizeEvent(event);
  if (fitWidth_ && scroll_ && isVisible()) FitToWidth();
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::BuildMenu(QMenuBar *menu) {
  auto named = [](QAction *action, const char *name) {
    action->setObjectName(QLatin1String(name));
    return action;
  };
  QMenu *printer = menu->addMenu(tr("&Printer"));
  printer->setObjectName(QStringLiteral("Print1"));
  printer->menuAction()->setObjectName(QStringLiteral("Print1Action"));
  connect(named(printer->addAction(tr("Print Page &1")), "Print2"), &QAction::triggered, this,
          &TfrmPrint::PrintPg1Click);
  connect(named(printer->addAction(tr("Print Page &2")), "PrintPage21"), &QAction::triggered, this,
          &TfrmPrint::PrintPg2Click);
  connect(named(printer->addAction(tr("Print &Both Pages")), "PrintBothPages1"),
          &QAction::triggered, this, &TfrmPrint::PrintBothPagesClick);
  connect(named(printer->addAction(tr("Print the P&lot Page")), "PrintPlotPage1"),
          &QAction::triggered, this, &TfrmPrint::PrintPlotPageClick);
  auto *all = named(printer->addAction(tr("Print &All Pages")), "PrintAllPages1");
  all->setShortcut(QKeySequence::Print);
  connect(all, &QAction::triggered, this, &TfrmPrint::PrintAllPagesClick);
  connect(named(printer->addAction(tr("Print P&robabilistic Pages")), "PrintProbabilistic1"),
          &QAction::triggered, this, &TfrmPrint::PrintProbabilisticClick);
  connect(named(printer->addAction(tr("Print &Setup")), "PrintSetup1"), &QAction::triggered, this,
          &TfrmPrint::PrintSetupClick);
  printer->addSeparator();
  connect(named(printer->addAction(tr("Save as &PDF...")), "SaveAsPdf1"), &QAction::triggered, this,
          &TfrmPrint::SavePdfClick);
  connect(named(menu->addAction(tr("Page &1")), "Page11"), &QAction::triggered, this,
          &TfrmPrint::ShowPage1);
  connect(named(menu->addAction(tr("Page &2")), "Page21"), &QAction::triggered, this,
          &TfrmPrint::ShowPage2);
  connect(named(menu->addAction(tr("&Notes")), "Notes1"), &QAction::triggered, this,
          &TfrmPrint::ShowNotes);
  connect(named(menu->addAction(tr("P&robabilistic")), "PageProbabilistic1"), &QAction::triggered,
          this, &TfrmPrint::ShowProbabilisticPage);
  QMenu *view = menu->addMenu(tr("&View"));
  view->setObjectName(QStringLiteral("View1"));
  auto *zoomIn = named(view->addAction(tr("Zoom &In")), "ZoomIn1");
  zoomIn->setShortcut(QKeySequence::ZoomIn);
  connect(zoomIn, &QAction::triggered, this, [this] { SetZoom(zoom_ * 1.25); });
  auto *zoomOut = named(view->addAction(tr("Zoom &Out")), "ZoomOut1");
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  connect(zoomOut, &QAction::triggered, this, [this] { SetZoom(zoom_ / 1.25); });
  connect(named(view->addAction(tr("&Actual Size")), "ActualSize1"), &QAction::triggered, this,
          [this] { SetZoom(1.0); });
  connect(named(view->addAction(tr("&Fit to Width")), "FitToWidth1"), &QAction::triggered, this,
          &TfrmPrint::FitToWidth);
  connect(named(menu->addAction(tr("&Concentration Plot")), "ConcentrationPlot1"),
          &QAction::triggered, this, &TfrmPrint::PlotClick);
  connect(named(menu->addAction(tr("E&xit")), "Exit1"), &QAction::triggered, this,
          &TfrmPrint::close);
}

void TfrmPrint::ShowPage1() {
  ShowOnly(1);
}

void TfrmPrint::ShowPage2() {
  ShowOnly(2);
}

void TfrmPrint::ShowNotes() {
  ShowOnly(3);
}

void TfrmPrint::ShowProbabilisticPage() {
  ShowOnly(4);
}

void TfrmPrint::SetProbabilistic(lumo::report::ProbabilisticReport report) {
  probabilistic_ = std::move(report);
  BuildPages();
}

void TfrmPrint::PrintProbabilisticClick() {
  PrintParts({lumo::report::ReportPart::Probabilistic}, tr("the probabilistic pages"),
             tr("There is no probabilistic assessment to print: run one in the Probabilistic "
                "Assessment window first."));
}

lumo::report::PrintedReport TfrmPrint::Document() {
  lumo::report::PrintedReport report;
  report.content = &content_;
  report.footer = footer_;
  report.plotTitle = tr("LUMO MODEL CONCENTRATIONS");
  report.probabilistic = &probabilistic_;
  const auto &r = State()->ScenarioRecord;
  TfrmConcentrationPlot plot(nullptr, csvFileName_, r.MolecularWeight, r.RunLength,
                             content_.hasResults ? QString()
                                                 : tr("The scenario has no results for its "
                                                      "current inputs: these concentrations "
                                                      "are those of the last run made."));
  if (plot.HasData()) report.plot = plot.ChartImage(QSize(900, 620));
  return report;
}

bool TfrmPrint::PrintParts(const QList<lumo::report::ReportPart> &parts, const QString &what,
                           const QString &missing) {
  auto *canvas = CurrentPrinter();
  if (!canvas) return false;
  const auto document = Document();
  QList<lumo::report::ReportPart> wanted;
  for (auto part : parts)
    if (document.Parts().contains(part)) wanted << part;
  if (wanted.isEmpty()) {
    ShowMessage(this, tr("A Small Problem..."), missing, MsgIcon::Warning);
    return false;
  }
  if (lumo::report::PrintReportParts(*canvas, document, wanted,
                                     tr("LUMO Model Report, %1").arg(what)))
    return true;
  printer_.reset();
  ShowMessage(this, tr("A Small Problem..."),
              tr("The printer could not be started, so %1 was not printed. Check that "
                 "the printer is set up and switched on, or choose another with Print Setup.")
                  .arg(what),
              MsgIcon::Warning);
  return false;
}

void TfrmPrint::PrintAllPagesClick() {
  PrintParts({lumo::report::ReportPart::Inputs, lumo::report::ReportPart::Results,
              lumo::report::ReportPart::Plot, lumo::report::ReportPart::Probabilistic},
             tr("all pages"), QString());
}

void TfrmPrint::PrintPlotPageClick() {
  PrintParts({lumo::report::ReportPart::Plot}, tr("the plot page"),
             tr("There is no concentration plot to print: the concentration file \"%1\" "
                "could not be read. Run the scenario first.")
                 .arg(csvFileName_));
}

lumo::controls::PrintCanvas *TfrmPrint::CurrentPrinter() {
  if (!printer_) {
    printer_ = lumo::controls::OpenPrintCanvas(this);
    if (printer_) lumo::report::PrepareNewPrinter(*printer_);
  }
  return printer_.get();
}

bool TfrmPrint::PrintOnePage(lumo::controls::PrintCanvas &canvas, int page) {
  const QString title = tr("LUMO Model Report, page %1").arg(page);
  const auto part =
      page == 1 ? lumo::report::ReportPart::Inputs : lumo::report::ReportPart::Results;
  // The page numbers count the whole document, the plot's sheet included.
  if (lumo::report::PrintReportParts(canvas, Document(), {part}, title)) return true;
  // Let the next print command offer the choice of printer again.
  printer_.reset();
  ShowMessage(this, tr("A Small Problem..."),
              tr("The printer could not be started, so page %1 was not printed. Check that "
                 "the printer is set up and switched on, or choose another with Print Setup.")
                  .arg(page),
              MsgIcon::Warning);
  return false;
}

void TfrmPrint::PrintPg1Click() {
  if (auto *canvas = CurrentPrinter()) PrintOnePage(*canvas, 1);
}

void TfrmPrint::PrintPg2Click() {
  if (auto *canvas = CurrentPrinter()) PrintOnePage(*canvas, 2);
}

void TfrmPrint::PrintBothPagesClick() {
  auto *canvas = CurrentPrinter();
  if (!canvas) return;
  // Two print jobs, page 1 first.
  if (PrintOnePage(*canvas, 1)) PrintOnePage(*printer_, 2);
}

void TfrmPrint::PrintSetupClick() {
  if (auto chosen = lumo::controls::OpenPrintCanvas(this)) {
    lumo::report::PrepareNewPrinter(*chosen);
    printer_ = std::move(chosen);
  }
}

void TfrmPrint::SavePdfClick() {
  const QFileInfo scenario(csvFileName_);
  const QString suggested =
      QDir(scenario.absolutePath()).filePath(scenario.completeBaseName() + QStringLiteral(".pdf"));
  QString path = QFileDialog::getSaveFileName(this, tr("Save the Report as PDF"), suggested,
                                              tr("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  SavePdfTo(path);
}

bool TfrmPrint::SavePdfTo(const QString &path) {
  const QString problem = lumo::report::WriteReportDocumentPdf(Document(), path);
  if (problem.isEmpty()) return true;
  ShowMessage(this, tr("A Small Error"), problem, MsgIcon::Error);
  return false;
}

void TfrmPrint::PlotClick() {
  const auto &r = State()->ScenarioRecord;
  const QString caveat =
      content_.hasResults
          ? QString()
          : tr("The scenario has no results for its current inputs: these concentrations are "
               "those of the last run made, which may belong to other inputs.");
  auto *plot =
      new TfrmConcentrationPlot(this, csvFileName_, r.MolecularWeight, r.RunLength, caveat);
  plot->setAttribute(Qt::WA_DeleteOnClose);
  plot->show();
}
