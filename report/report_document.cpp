#include "report_document.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "recording_canvas.h"
#include "probabilistic_report.h"
#include "report_content.h"
#include "report_printing.h"

namespace lumo::report {
namespace {

class DocumentText {
  Q_DECLARE_TR_FUNCTIONS(DocumentText)
 public:
  static QString Page(int page, int pages) { return tr("Page %1 of %2").arg(page).arg(pages); }
  static QString Footer(const QString &version, const QString &runTime) {
    const QString program = tr("LUMO %1").arg(version);
    if (runTime.isEmpty()) return program + tr(" · date and time of the run not recorded");
    return program + tr(" · results of the run of %1").arg(runTime);
  }
  static QString CannotWrite(const QString &path) {
    return tr("The PDF file \"%1\" could not be written. Check that the folder exists and "
              "that you may write there.")
        .arg(path);
  }
};

controls::PrintFont FooterFont() {
  controls::PrintFont font;
  font.face = QStringLiteral("Arial");
  font.pointSize = 7;
  return font;
}

// Room kept for the footer at each sheet's bottom: two of its lines.
int FooterRoom(const controls::PrintCanvas &canvas) {
  return 2 * controls::PixelHeight(FooterFont().pointSize, canvas.VerticalDpi());
}

const QList<PrintItem> &ItemsOf(const PrintedReport &report, ReportPart part) {
  return part == ReportPart::Inputs ? report.content->page1 : report.content->page2;
}

// Draws the sheets of the chosen parts, numbering them as the whole
// document numbers them.
class SheetWriter {
 public:
  SheetWriter(controls::PrintCanvas &canvas, const PrintedReport &report)
      : canvas_(canvas), report_(report) {
    const QList<int> counts = SheetCounts(canvas, report);
    for (int n : counts) total_ += n;
    int first = 1;
    const QList<ReportPart> parts = report.Parts();
    for (int i = 0; i < parts.size(); ++i) {
      firstSheet_.append({parts[i], first});
      first += counts[i];
    }
  }

  void Part(ReportPart part) {
    for (const auto &[p, first] : firstSheet_)
      if (p == part) sheet_ = first;
    const controls::PrintFont font = canvas_.Font();
    if (part == ReportPart::Plot) {
      Plot();
    } else if (part == ReportPart::Probabilistic) {
      PageFrame frame;
      frame.reservedBottom = FooterRoom(canvas_);
      frame.endOfPage = [this] { Footer(); };
      DrawProbabilisticPages(canvas_, *report_.probabilistic, false, frame);
    } else {
      PageFrame frame;
      frame.reservedBottom = FooterRoom(canvas_);
      frame.endOfPage = [this] { Footer(); };
      DrawReportItems(canvas_, ItemsOf(report_, part), frame);
    }
    Footer();
    // Each part measures its line unit from the font the job started with.
    canvas_.SetFont(font);
  }

 private:
  void Footer() {
    canvas_.SetFont(FooterFont());
    const int y =
        canvas_.PageHeight() - controls::PixelHeight(FooterFont().pointSize, canvas_.VerticalDpi());
    canvas_.TextOut(10, y, report_.footer);
    const QString page = DocumentText::Page(sheet_++, total_);
    canvas_.TextOut(canvas_.PageWidth() - 10 - canvas_.TextWidth(page), y, page);
  }

  void Plot() {
    controls::PrintFont title;
    title.face = QStringLiteral("Arial");
    title.pointSize = 12;
    title.bold = true;
    canvas_.SetFont(title);
    const int titleHeight = 2 * controls::PixelHeight(title.pointSize, canvas_.VerticalDpi());
    canvas_.TextOut(10, titleHeight / 2, report_.plotTitle);
    // The picture as wide as the sheet, keeping its proportions.
    const int width = canvas_.PageWidth() - 20;
    const int room = canvas_.PageHeight() - FooterRoom(canvas_) - 2 * titleHeight;
    const QImage &image = report_.plot;
    int height = image.width() > 0 ? width * image.height() / image.width() : room;
    int drawnWidth = width;
    if (height > room) {
      drawnWidth = width * room / height;
      height = room;
    }
    canvas_.Image(QRect(10, 2 * titleHeight, drawnWidth, height), image);
  }

  controls::PrintCanvas &canvas_;
  const PrintedReport &report_;
  QList<std::pair<ReportPart, int>> firstSheet_;
  int total_ = 0;
  int sheet_ = 1;
};

}  // namespace

QList<ReportPart> PrintedReport::Parts() const {
  QList<ReportPart> parts{ReportPart::Inputs, ReportPart::Results};
  if (!plot.isNull()) parts.append(ReportPart::Plot);
  if (probabilistic && probabilistic->present) parts.append(ReportPart::Probabilistic);
  return parts;
}

QString FooterText(const QString &version, const QString &runTime) {
  return DocumentText::Footer(version, runTime);
}

QList<int> SheetCounts(const controls::PrintCanvas &canvas, const PrintedReport &report) {
  QList<int> counts;
  for (ReportPart part : report.Parts()) {
    if (part == ReportPart::Plot) {
      counts.append(1);
      continue;
    }
    // The same layout on a canvas that only counts.
    controls::RecordingCanvas counter(canvas.PageWidth(), canvas.PageHeight(),
                                      canvas.VerticalDpi());
    counter.SetFont(canvas.Font());
    PageFrame frame;
    frame.reservedBottom = FooterRoom(canvas);
    if (part == ReportPart::Probabilistic)
      DrawProbabilisticPages(counter, *report.probabilistic, false, frame);
    else
      DrawReportItems(counter, ItemsOf(report, part), frame);
    counts.append(counter.Pages());
  }
  return counts;
}

bool PrintReportParts(controls::PrintCanvas &canvas, const PrintedReport &report,
                      const QList<ReportPart> &parts, const QString &jobTitle) {
  if (!canvas.BeginDoc(jobTitle)) return false;
  SheetWriter writer(canvas, report);
  bool first = true;
  for (ReportPart part : report.Parts()) {
    if (!parts.contains(part)) continue;
    if (!first) canvas.NewPage();
    first = false;
    writer.Part(part);
  }
  canvas.EndDoc();
  return true;
}

QString WriteReportDocumentPdf(const PrintedReport &report, const QString &path) {
  auto canvas = controls::MakePdfCanvas(path);
  PrepareNewPrinter(*canvas);
  if (!PrintReportParts(*canvas, report, report.Parts(), QStringLiteral("LUMO Model Report")))
    return DocumentText::CannotWrite(path);
  canvas.reset();  // closes the file
  const QFileInfo written(path);
  if (!written.exists() || written.size() == 0) return DocumentText::CannotWrite(path);
  return QString();
}

}  // namespace lumo::report
