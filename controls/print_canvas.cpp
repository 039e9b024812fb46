#include "print_canvas.h"

#include <QPrintDialog>
#include <QPrinter>
#include <cmath>

#include "qprinter_canvas.h"

namespace lumo::controls {
namespace {

std::unique_ptr<PrintCanvas> ChooseWithDialog(QWidget *parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<QPrinterCanvas>(std::move(printer));
}

PrinterChooser &Chooser() {
  static PrinterChooser chooser = ChooseWithDialog;
  return chooser;
}

}  // namespace

PrintFont PrintFontOf(const QFont &font) {
  PrintFont f;
  f.face = font.family();
  f.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
  f.bold = font.bold();
  f.italic = font.italic();
  f.underline = font.underline();
  return f;
}

int PixelHeight(double pointSize, int dpi) {
  return static_cast<int>(std::lround(std::fabs(pointSize * dpi / 72.0)));
}

std::unique_ptr<PrintCanvas> OpenPrintCanvas(QWidget *parent) {
  return Chooser()(parent);
}

PrinterChooser SetPrinterChooser(PrinterChooser chooser) {
  PrinterChooser previous = Chooser();
  Chooser() = chooser ? std::move(chooser) : PrinterChooser(ChooseWithDialog);
  return previous;
}

std::unique_ptr<PrintCanvas> MakePdfCanvas(const QString &path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setResolution(300);
  printer->setPageSize(QPageSize(QPageSize::A4));
  return std::make_unique<QPrinterCanvas>(std::move(printer));
}

}  // namespace lumo::controls
