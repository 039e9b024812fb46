#include "qprinter_canvas.h"

#include <QFontMetrics>
#include <QPrinter>

namespace lumo::controls {

QPrinterCanvas::QPrinterCanvas(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QPrinterCanvas::~QPrinterCanvas() {
  if (painter_.isActive()) painter_.end();
}

bool QPrinterCanvas::BeginDoc(const QString &title) {
  printer_->setDocName(title);
  if (!painter_.begin(printer_.get())) return false;
  painter_.setFont(QtFont());
  return true;
}

void QPrinterCanvas::EndDoc() {
  if (painter_.isActive()) painter_.end();
}

int QPrinterCanvas::PageWidth() const {
  return printer_->width();
}
int QPrinterCanvas::PageHeight() const {
  return printer_->height();
}
int QPrinterCanvas::VerticalDpi() const {
  return printer_->logicalDpiY();
}

QFont QPrinterCanvas::QtFont() const {
  QFont f(font_.face);
  f.setPointSizeF(font_.pointSize);
  f.setBold(font_.bold);
  f.setItalic(font_.italic);
  f.setUnderline(font_.underline);
  return f;
}

void QPrinterCanvas::SetFont(const PrintFont &font) {
  font_ = font;
  if (painter_.isActive()) painter_.setFont(QtFont());
}

void QPrinterCanvas::TextOut(int x, int y, const QString &text) {
  if (!painter_.isActive()) return;
  const QFontMetrics metrics(painter_.font(), printer_.get());
  painter_.drawText(x, y + metrics.ascent(), text);
}

int QPrinterCanvas::TextWidth(const QString &text) const {
  const QFontMetrics metrics(QtFont(), printer_.get());
  return metrics.horizontalAdvance(text);
}

void QPrinterCanvas::Line(int x1, int y1, int x2, int y2) {
  if (painter_.isActive()) painter_.drawLine(x1, y1, x2, y2);
}

void QPrinterCanvas::Image(const QRect &target, const QImage &image) {
  if (!painter_.isActive()) return;
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  painter_.drawImage(target, image);
}

void QPrinterCanvas::NewPage() {
  if (painter_.isActive()) printer_->newPage();
}

}  // namespace lumo::controls
