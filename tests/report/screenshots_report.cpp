// Pictures of the report window (both pages) and the concentration plot
// after a run of the startup scenario, and the PDF of that report, written
// into the folder given as the only argument.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>

#include "frm_concentration_plot.h"
#include "frm_print.h"
#include "report_test_support.h"

namespace {

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
  TfrmPrint report(nullptr, scenario.get());
  report.show();
  ok &= Save(report, out, "report_page1.png");
  report.ShowPage2();
  ok &= Save(report, out, "report_page2.png");
  const QString pdf = out.filePath(QStringLiteral("report_default_run.pdf"));
  ok &= report.SavePdfTo(pdf);
  if (ok) std::printf("%s\n", qPrintable(pdf));

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
