// Pictures of the report window (both pages and the notes) and the
// concentration plot after a run of the startup scenario, every printed
// sheet of that report, and its PDF, written into the folder given as the
// only argument.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "frm_concentration_plot.h"
#include "frm_print.h"
#include "report_document.h"
#include "report_printing.h"
#include "report_test_support.h"

namespace {

// A canvas that draws each sheet into a picture: A4 at 100 dots per inch.
class SheetPictures : public lumo::controls::PrintCanvas {
 public:
  bool BeginDoc(const QString &) override {
    NewPage();
    return true;
  }
  void EndDoc() override { painter_.end(); }
  int PageWidth() const override { return 827; }
  int PageHeight() const override { return 1169; }
  int VerticalDpi() const override { return 100; }
  void SetFont(const lumo::controls::PrintFont &font) override {
    font_ = font;
    if (painter_.isActive()) painter_.setFont(QtFont());
  }
  lumo::controls::PrintFont Font() const override { return font_; }
  void TextOut(int x, int y, const QString &text) override {
    painter_.drawText(x, y + QFontMetrics(QtFont(), &sheets_.last()).ascent(), text);
  }
  int TextWidth(const QString &text) const override {
    return QFontMetrics(QtFont(), &sheets_.last()).horizontalAdvance(text);
  }
  void Line(int x1, int y1, int x2, int y2) override { painter_.drawLine(x1, y1, x2, y2); }
  void Image(const QRect &target, const QImage &image) override {
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(target, image);
  }
  void NewPage() override {
    if (painter_.isActive()) painter_.end();
    QImage sheet(PageWidth(), PageHeight(), QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3937);  // 100 dots per inch
    sheet.setDotsPerMeterY(3937);
    sheet.fill(Qt::white);
    sheets_.append(sheet);
    painter_.begin(&sheets_.last());
    painter_.setFont(QtFont());
  }
  const QList<QImage> &Sheets() const { return sheets_; }

 private:
  QFont QtFont() const {
    QFont f(font_.face);
    f.setPointSizeF(font_.pointSize);
    f.setBold(font_.bold);
    return f;
  }
  QList<QImage> sheets_;
  QPainter painter_;
  lumo::controls::PrintFont font_;
};

bool Save(QWidget &w, const QDir &out, const char *name) {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const QString path = out.filePath(QLatin1String(name));
  if (w.grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
    return true;
  }
  std::fprintf(stderr, "could not write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char **argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) return 1;

  QTemporaryDir runDir;
  std::string error;
  auto scenario =
      lumo::report::test::StartupScenario(runDir.filePath(QStringLiteral("lumo.vkx")), &error);
  if (!scenario || !lumo::report::test::RunToEnd(*scenario, &error)) {
    std::fprintf(stderr, "the run failed: %s\n", error.c_str());
    return 1;
  }

  bool ok = true;
  TfrmPrint report(nullptr, scenario.get(), QDateTime(QDate(2026, 12, 7), QTime(16, 5)));
  report.show();
  report.resize(900, 920);  // a window of a usual size; the pages fit its width
  ok &= Save(report, out, "report_page1.png");
  report.ShowPage2();
  ok &= Save(report, out, "report_page2.png");
  report.ShowNotes();
  ok &= Save(report, out, "report_notes.png");
  report.SetZoom(1.0);
  report.ShowPage1();
  ok &= Save(report, out, "report_page1_actual_size.png");
  const QString pdf = out.filePath(QStringLiteral("report_default_run.pdf"));
  ok &= report.SavePdfTo(pdf);
  if (ok) std::printf("%s\n", qPrintable(pdf));

  // Every printed sheet, as a picture.
  SheetPictures sheets;
  lumo::report::PrepareNewPrinter(sheets);
  const auto document = report.Document();
  lumo::report::PrintReportParts(sheets, document, document.Parts(), QStringLiteral("report"));
  for (int i = 0; i < sheets.Sheets().size(); ++i) {
    const QString path = out.filePath(QStringLiteral("report_printed_sheet%1.png").arg(i + 1));
    if (sheets.Sheets()[i].save(path))
      std::printf("%s\n", qPrintable(path));
    else
      ok = false;
  }

  // The same report with reversible sinks, to see the sink grid filled.
  lumo::TLumoState withSinks;
  withSinks.ScenarioRecord = scenario->ScenarioRecord;
  withSinks.PaintDurationGrid() = scenario->PaintDurationGrid();
  withSinks.ScenarioRecord.Sinks.SinkModel = lumo::SinkModelType::Reversible;
  for (int i = 0; i < lumo::SinkBlock::kSinks; ++i) {
    withSinks.ScenarioRecord.Sinks.AdsorptionRate[i] = 0.36;
    withSinks.ScenarioRecord.Sinks.DesorptionRate[i] = 0.0102;
  }
  TfrmPrint sinkReport(nullptr, &withSinks);
  sinkReport.show();
  ok &= Save(sinkReport, out, "report_page1_reversible_sinks.png");
  // Its inputs are not those of the run: its page 2 has no results.
  sinkReport.ShowPage2();
  ok &= Save(sinkReport, out, "report_page2_no_results.png");

  // The concentration file the plot reads, kept beside the pictures.
  const QString csv = QString::fromUtf8(scenario->GetCSVName());
  QFile::remove(out.filePath(QStringLiteral("default_run.CSV")));
  QFile::copy(csv, out.filePath(QStringLiteral("default_run.CSV")));
  TfrmConcentrationPlot plot(nullptr, csv, scenario->ScenarioRecord.MolecularWeight,
                             scenario->ScenarioRecord.RunLength);
  plot.resize(900, 600);
  plot.show();
  ok &= Save(plot, out, "concentration_plot.png");
  plot.SetLogScale(true);
  plot.SetPpm(true);
  ok &= Save(plot, out, "concentration_plot_log_ppm.png");
  return ok ? 0 : 1;
}
