#include "recording_canvas.h"

namespace lumo::controls {

RecordingCanvas::RecordingCanvas(int pageWidth, int pageHeight, int dpi, int charWidth)
    : width_(pageWidth), height_(pageHeight), dpi_(dpi), charWidth_(charWidth) {}

bool RecordingCanvas::BeginDoc(const QString &title) {
  if (!canStart_) return false;
  PrintOp op(PrintOp::Begin, page_);
  op.text = title;
  ops_.append(op);
  return true;
}

void RecordingCanvas::EndDoc() {
  ended_ = true;
  ops_.append(PrintOp(PrintOp::End, page_));
}

void RecordingCanvas::SetFont(const PrintFont &font) {
  font_ = font;
  PrintOp op(PrintOp::Font, page_);
  op.font = font;
  ops_.append(op);
}

void RecordingCanvas::TextOut(int x, int y, const QString &text) {
  PrintOp op(PrintOp::Text, page_, x, y);
  op.text = text;
  op.font = font_;
  ops_.append(op);
}

int RecordingCanvas::TextWidth(const QString &text) const {
  return static_cast<int>(text.size()) * charWidth_;
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
  ops_.append(PrintOp(PrintOp::Line, page_, x1, y1, x2, y2));
}

void RecordingCanvas::Image(const QRect &target, const QImage &) {
  ops_.append(
      PrintOp(PrintOp::Image, page_, target.left(), target.top(), target.right(), target.bottom()));
}

void RecordingCanvas::NewPage() {
  ++page_;
  ops_.append(PrintOp(PrintOp::NewPage, page_));
}

QList<PrintOp> RecordingCanvas::Texts() const {
  QList<PrintOp> texts;
  for (const PrintOp &op : ops_) {
    if (op.kind == PrintOp::Text) texts.append(op);
  }
  return texts;
}

}  // namespace lumo::controls
