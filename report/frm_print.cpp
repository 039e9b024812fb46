#include "frm_print.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "frm_concentration_plot.h"
#include "lumo_state.h"
#include "message_box.h"
#include "print_canvas.h"
#include "report_printing.h"
#include "report_screen_pages.h"

using lumo::controls::MsgIcon;
using lumo::controls::ShowMessage;

TfrmPrint::TfrmPrint(QWidget *owner, lumo::TLumoState *state) : TLumoForm(owner, state) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(tr("LUMO Model Report"));
  // A fixed frame without title-bar buttons: the report is closed through
  // its Exit command.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::MSWindowsFixedSizeDialogHint);

  csvFileName_ = QString::fromUtf8(state->GetCSVName());
  content_ = lumo::report::BuildReportContent(*state, lumo::report::ReportContextNow(csvFileName_));

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto *menu = new QMenuBar(this);
  menu->setObjectName(QStringLiteral("MainMenu1"));
  BuildMenu(menu);
  layout->setMenuBar(menu);
  pnlPage1_ = lumo::report::MakeReportPage1(this, content_);
  pnlPage2_ = lumo::report::MakeReportPage2(this, content_);
  layout->addWidget(pnlPage1_);
  layout->addWidget(pnlPage2_);
  SetProbabilistic(lumo::report::NoProbabilisticReport());
  ShowPage1();

  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  setFixedSize(lumo::report::kPageWidth, lumo::report::kPageHeight + menu->sizeHint().height());
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
  connect(named(printer->addAction(tr("Print &Setup")), "PrintSetup1"), &QAction::triggered, this,
          &TfrmPrint::PrintSetupClick);
  connect(named(printer->addAction(tr("Print P&robabilistic Pages")), "PrintProbabilistic1"),
          &QAction::triggered, this, &TfrmPrint::PrintProbabilisticClick);
  printer->addSeparator();
  connect(named(printer->addAction(tr("Save as &PDF...")), "SaveAsPdf1"), &QAction::triggered, this,
          &TfrmPrint::SavePdfClick);
  connect(named(menu->addAction(tr("Page &1")), "Page11"), &QAction::triggered, this,
          &TfrmPrint::ShowPage1);
  connect(named(menu->addAction(tr("Page &2")), "Page21"), &QAction::triggered, this,
          &TfrmPrint::ShowPage2);
  connect(named(menu->addAction(tr("P&robabilistic")), "PageProbabilistic1"), &QAction::triggered,
          this, &TfrmPrint::ShowProbabilisticPage);
  connect(named(menu->addAction(tr("&Concentration Plot")), "ConcentrationPlot1"),
          &QAction::triggered, this, &TfrmPrint::PlotClick);
  connect(named(menu->addAction(tr("E&xit")), "Exit1"), &QAction::triggered, this,
          &TfrmPrint::close);
}

void TfrmPrint::ShowPage1() {
  pnlProbabilistic_->hide();
  pnlPage2_->hide();
  pnlPage1_->show();
}

void TfrmPrint::ShowPage2() {
  pnlProbabilistic_->hide();
  pnlPage1_->hide();
  pnlPage2_->show();
}

lumo::controls::PrintCanvas *TfrmPrint::CurrentPrinter() {
  if (!printer_) {
    printer_ = lumo::controls::OpenPrintCanvas(this);
    if (printer_) lumo::report::PrepareNewPrinter(*printer_);
  }
  return printer_.get();
}

bool TfrmPrint::PrintOnePage(lumo::controls::PrintCanvas &canvas, int page) {
  const auto &items = page == 1 ? content_.page1 : content_.page2;
  const QString title = tr("LUMO Model Report, page %1").arg(page);
  if (lumo::report::PrintReportPage(canvas, items, title)) return true;
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
  // The probabilistic pages follow when an assessment has results.
  lumo::report::MorePages more;
  if (probabilistic_.present)
    more = [this](lumo::controls::PrintCanvas &canvas) {
      lumo::report::DrawProbabilisticPages(canvas, probabilistic_);
    };
  const QString problem = lumo::report::WriteReportPdf(content_, path, more);
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

void TfrmPrint::SetProbabilistic(lumo::report::ProbabilisticReport report) {
  probabilistic_ = std::move(report);
  const bool shown = pnlProbabilistic_ && pnlProbabilistic_->isVisible();
  if (pnlProbabilistic_) {
    layout()->removeWidget(pnlProbabilistic_);
    delete pnlProbabilistic_;
  }
  pnlProbabilistic_ = lumo::report::MakeProbabilisticPage(this, probabilistic_);
  pnlProbabilistic_->setFixedSize(lumo::report::kPageWidth, lumo::report::kPageHeight);
  layout()->addWidget(pnlProbabilistic_);
  pnlProbabilistic_->setVisible(shown);
}

void TfrmPrint::ShowProbabilisticPage() {
  pnlPage1_->hide();
  pnlPage2_->hide();
  pnlProbabilistic_->show();
}

void TfrmPrint::PrintProbabilisticClick() {
  auto *canvas = CurrentPrinter();
  if (!canvas) return;
  if (!canvas->BeginDoc(tr("LUMO Model Report, probabilistic assessment"))) {
    printer_.reset();
    ShowMessage(this, tr("A Small Problem..."),
                tr("The printer could not be started, so the probabilistic pages were not "
                   "printed. Check that the printer is set up and switched on, or choose another "
                   "with Print Setup."),
                MsgIcon::Warning);
    return;
  }
  lumo::report::DrawProbabilisticPages(*canvas, probabilistic_, false);
  canvas->EndDoc();
}
