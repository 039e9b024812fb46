// The printing seam. Everything the program prints (the viewers' texts, the
// about box, the report) is drawn on a PrintCanvas: a page of known size in
// device pixels with a current font, text placed by its top-left corner,
// lines, and page breaks. QPrinterCanvas draws on a real printer or a PDF
// file; RecordingCanvas (recording_canvas.h) records the calls for tests.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace lumo::controls {

// A font as printing knows it: face, size in points and style.
struct PrintFont {
  QString face = QStringLiteral("Times New Roman");
  double pointSize = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const PrintFont &) const = default;
};

// The printing form of a widget's font; pixel sizes are read at 96 dots
// per inch, as the screen fonts of the windows are designed.
PrintFont PrintFontOf(const QFont &font);

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  // Starts the job; false when the printer or file cannot be opened.
  virtual bool BeginDoc(const QString &title) = 0;
  // Ends the job (sends it to the printer or closes the file).
  virtual void EndDoc() = 0;

  // The printable page, in device pixels, and the vertical resolution.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual int VerticalDpi() const = 0;

  virtual void SetFont(const PrintFont &font) = 0;
  virtual PrintFont Font() const = 0;

  // Writes `text` with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, const QString &text) = 0;
  // The width `text` takes in the current font, in device pixels.
  virtual int TextWidth(const QString &text) const = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void NewPage() = 0;
  // Draws `image` scaled into `target` (device pixels). A canvas that
  // cannot draw pictures draws a frame in its place.
  virtual void Image(const QRect &target, const QImage &image) {
    (void)image;
    const int x1 = target.left(), y1 = target.top(), x2 = target.right(), y2 = target.bottom();
    Line(x1, y1, x2, y1);
    Line(x2, y1, x2, y2);
    Line(x2, y2, x1, y2);
    Line(x1, y2, x1, y1);
  }
};

// The height in device pixels of one line of `pointSize` on a canvas of
// `dpi` dots per inch (|size x dpi / 72|, rounded).
int PixelHeight(double pointSize, int dpi);

// A print job on the printer chosen by the user, or null when the user
// cancelled. Goes through the installed chooser so tests can substitute a
// recording canvas.
std::unique_ptr<PrintCanvas> OpenPrintCanvas(QWidget *parent);

using PrinterChooser = std::function<std::unique_ptr<PrintCanvas>(QWidget *parent)>;
// Installs `chooser` (an empty function restores the print dialog); returns
// the one installed before.
PrinterChooser SetPrinterChooser(PrinterChooser chooser);

// A canvas that writes a PDF file at `path` (A4, 300 dots per inch).
std::unique_ptr<PrintCanvas> MakePdfCanvas(const QString &path);

}  // namespace lumo::controls
