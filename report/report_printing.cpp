#include "report_printing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "report_content.h"

namespace lumo::report {
namespace {

class PrintingText {
  Q_DECLARE_TR_FUNCTIONS(PrintingText)
 public:
  static QString CannotWrite(const QString &path) {
    return tr("The PDF file \"%1\" could not be written. Check that the folder exists and "
              "that you may write there.")
        .arg(path);
  }
  static QString Empty(const QString &path) {
    return tr("The PDF file \"%1\" came out empty; the report was not saved.").arg(path);
  }
};

}  // namespace

controls::PrintFont StyleFont(PrintStyle style) {
  controls::PrintFont font;
  font.bold = true;
  switch (style) {
    case PrintStyle::Heading:
      font.face = QStringLiteral("Arial");
      font.pointSize = 12;
      break;
    case PrintStyle::Body:
      font.face = QStringLiteral("Arial");
      font.pointSize = 7;
      break;
    case PrintStyle::PatternTitle:
      font.face = QStringLiteral("MS Sans Serif");
      font.pointSize = 8;
      break;
  }
  return font;
}

controls::PrintFont DefaultPrinterFont() {
  controls::PrintFont font;
  font.face = QStringLiteral("MS Sans Serif");
  font.pointSize = 8;
  return font;
}

void PrepareNewPrinter(controls::PrintCanvas &canvas) {
  canvas.SetFont(DefaultPrinterFont());
}

int LineUnit(const controls::PrintFont &font, int dpi) {
  return 2 * controls::PixelHeight(font.pointSize, dpi);
}

void DrawReportItems(controls::PrintCanvas &canvas, const QList<PrintItem> &items,
                     const PageFrame &frame) {
  // The line unit comes from the font the canvas has before this page sets
  // any of its own.
  const int dpi = canvas.VerticalDpi();
  const int lineUnit = LineUnit(canvas.Font(), dpi);
  const int width = canvas.PageWidth();
  const int height = canvas.PageHeight() - frame.reservedBottom;

  QList<PrintItem> ordered = items;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const PrintItem &a, const PrintItem &b) { return a.line < b.line; });

  int firstLine = 0;  // lines printed on earlier pages
  bool haveFont = false;
  PrintStyle style = PrintStyle::Body;
  for (const PrintItem &item : ordered) {
    if (!haveFont || item.style != style) {
      style = item.style;
      haveFont = true;
      canvas.SetFont(StyleFont(style));
    }
    int line = item.line - firstLine;
    const int textHeight = controls::PixelHeight(canvas.Font().pointSize, dpi);
    if (line > 1 && line * lineUnit + textHeight > height) {
      // Below the page bottom: carry on from the top of a new page.
      if (frame.endOfPage) {
        frame.endOfPage();
        canvas.SetFont(StyleFont(style));
      }
      canvas.NewPage();
      firstLine = item.line - 1;
      line = 1;
    }
    canvas.TextOut(item.x.At(width), line * lineUnit, item.text);
  }
}

bool PrintReportPage(controls::PrintCanvas &canvas, const QList<PrintItem> &items,
                     const QString &jobTitle) {
  if (!canvas.BeginDoc(jobTitle)) return false;
  DrawReportItems(canvas, items);
  canvas.EndDoc();
  return true;
}

bool PrintReportBothPagesOneJob(controls::PrintCanvas &canvas, const ReportContent &content,
                                const QString &jobTitle, const MorePages &more) {
  if (!canvas.BeginDoc(jobTitle)) return false;
  DrawReportItems(canvas, content.page1);
  canvas.NewPage();
  DrawReportItems(canvas, content.page2);
  if (more) more(canvas);
  canvas.EndDoc();
  return true;
}

QString WriteReportPdf(const ReportContent &content, const QString &path, const MorePages &more) {
  auto canvas = controls::MakePdfCanvas(path);
  PrepareNewPrinter(*canvas);
  if (!PrintReportBothPagesOneJob(*canvas, content, QStringLiteral("LUMO Model Report"), more))
    return PrintingText::CannotWrite(path);
  canvas.reset();  // closes the file
  const QFileInfo written(path);
  if (!written.exists()) return PrintingText::CannotWrite(path);
  if (written.size() == 0) return PrintingText::Empty(path);
  return QString();
}

}  // namespace lumo::report
