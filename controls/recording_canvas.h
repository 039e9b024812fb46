// A PrintCanvas that draws nothing and records every call, for tests of
// printed layouts. The page size and resolution are chosen by the test;
// text is measured as a fixed width per character.
#pragma once

#include <QList>

#include "print_canvas.h"

namespace lumo::controls {

struct PrintOp {
  enum Kind { Begin, End, Font, Text, Line, NewPage, Image };
  PrintOp(Kind k, int pg, int x1 = 0, int y1 = 0, int xEnd = 0, int yEnd = 0)
      : kind(k), page(pg), x(x1), y(y1), x2(xEnd), y2(yEnd) {}
  Kind kind;
  int page = 1;  // the page the operation landed on
  int x = 0, y = 0, x2 = 0, y2 = 0;
  QString text;  // Text: the text; Begin: the job title
  PrintFont font;
};

class RecordingCanvas : public PrintCanvas {
 public:
  RecordingCanvas(int pageWidth = 2400, int pageHeight = 3200, int dpi = 300, int charWidth = 20);

  // When false, BeginDoc fails (a printer that cannot be opened).
  void SetCanStart(bool canStart) { canStart_ = canStart; }

  bool BeginDoc(const QString &title) override;
  void EndDoc() override;
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  int VerticalDpi() const override { return dpi_; }
  void SetFont(const PrintFont &font) override;
  PrintFont Font() const override { return font_; }
  void TextOut(int x, int y, const QString &text) override;
  int TextWidth(const QString &text) const override;
  void Line(int x1, int y1, int x2, int y2) override;
  void NewPage() override;
  // Records the target rectangle (x, y, x2, y2 its corners).
  void Image(const QRect &target, const QImage &image) override;

  const QList<PrintOp> &Ops() const { return ops_; }
  // Only the text operations, in order.
  QList<PrintOp> Texts() const;
  int Pages() const { return page_; }
  bool Ended() const { return ended_; }

 private:
  int width_, height_, dpi_, charWidth_;
  bool canStart_ = true;
  bool ended_ = false;
  int page_ = 1;
  PrintFont font_;
  QList<PrintOp> ops_;
};

}  // namespace lumo::controls
