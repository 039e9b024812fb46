// The PrintCanvas on a QPrinter: the system printer chosen in the print
// dialog, or a PDF file.
#pragma once

#include <QPainter>
#include <memory>

#include "print_canvas.h"

class QPrinter;

namespace lumo::controls {

class QPrinterCanvas : public PrintCanvas {
 public:
  explicit QPrinterCanvas(std::unique_ptr<QPrinter> printer);
  ~QPrinterCanvas() override;

  bool BeginDoc(const QString &title) override;
  void EndDoc() override;
  int PageWidth() const override;
  int PageHeight() const override;
  int VerticalDpi() const override;
  void SetFont(const PrintFont &font) override;
  PrintFont Font() const override { return font_; }
  void TextOut(int x, int y, const QString &text) override;
  int TextWidth(const QString &text) const override;
  void Line(int x1, int y1, int x2, int y2) override;
  void NewPage() override;
  void Image(const QRect &target, const QImage &image) override;

 private:
  QFont QtFont() const;

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  PrintFont font_;
};

}  // namespace lumo::controls
