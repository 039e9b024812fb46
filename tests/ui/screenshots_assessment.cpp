// Saves PNGs of the probabilistic assessment window for review by eye: the
// inputs page with a varied input selected, the settings page, the results
// page with each plot, a stopped run, and the report's Probabilistic page.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "frm_assessment.h"
#include "frm_print.h"
#include "main_window.h"
#include "message_recorder.h"

namespace {

void Shoot(QWidget &w, const QString &dir, const QString &name) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

const char *const kDistributionFile = R"({
  "iterations": 2000, "seed": 20261207,
  "inputs": {
    "BodyWeight": {"distribution": "lognormal", "gm": 79.8, "gsd": 1.18, "min": 40, "max": 150},
    "AirExchangeRate": {"distribution": "lognormal", "gm": 0.3, "gsd": 2.13, "min": 0.05},
    "PaintWeightFraction": {"distribution": "triangular", "min": 0.005, "mode": 0.01, "max": 0.03},
    "LifeTime": {"distribution": "normal", "mean": 75, "sd": 6, "min": 50}
  },
  "reference": {"C8hour": 5.0, "LADD": 0.2},
  "sensitivity": {"spearman": true, "one-at-a-time": true}
})";

void SelectInput(QWidget &w, const QString &name) {
  auto *tree = w.findChild<QTreeWidget *>(QStringLiteral("treeInputs"));
  const auto items = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  if (!items.isEmpty()) tree->setCurrentItem(items[0]);
}

bool WaitForRun(TfrmAssessment &w, int ms) {
  QElapsedTimer timer;
  timer.start();
  while (w.Running() && timer.elapsed() < ms) QApplication::processEvents();
  return !w.Running();
}

}  // namespace

int main(int argc, char **argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("LUMO"));
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(out);
  QTemporaryDir program;
  const QDir bin(QCoreApplication::applicationDirPath());
  for (const char *name : {"liblumo32.so", "Chems.dat"})
    QFile::copy(bin.filePath(QLatin1String(name)), program.filePath(QLatin1String(name)));
  QFile file(program.filePath("lumo.mc.json"));
  file.open(QIODevice::WriteOnly);
  file.write(kDistributionFile);
  file.close();

  lumo::controls::MessageRecorder messages;
  TfrmMain window(program.path().toStdString());
  window.resize(1060, 720);
  window.show();
  window.ProbabilisticAssessmentClick();
  TfrmAssessment &w = *window.AssessmentWindow();
  w.OpenFile(program.filePath("lumo.mc.json"));
  auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabsAssessment"));
  SelectInput(w, QStringLiteral("BodyWeight"));
  Shoot(w, out, QStringLiteral("ui_assessment_1_inputs"));
  SelectInput(w, QStringLiteral("PaintWeightFraction"));
  Shoot(w, out, QStringLiteral("ui_assessment_2_inputs_triangular"));
  tabs->setCurrentIndex(1);
  Shoot(w, out, QStringLiteral("ui_assessment_3_settings"));

  w.RunClick();
  if (!WaitForRun(w, 300000)) return 1;
  auto *plots = w.findChild<QTabWidget *>(QStringLiteral("tabsPlots"));
  const char *const names[] = {"histogram", "cdf", "convergence", "tornado", "sensitivity"};
  for (int k = 0; k < plots->count(); ++k) {
    plots->setCurrentIndex(k);
    Shoot(w, out, QStringLiteral("ui_assessment_%1_results_%2").arg(4 + k).arg(names[k]));
  }

  TfrmPrint report(&window, &window.State());
  report.SetProbabilistic(w.Report());
  report.show();
  report.ShowProbabilisticPage();
  Shoot(report, out, QStringLiteral("ui_assessment_9_report_page"));
  report.close();

  // A run stopped part way: partial results.
  w.RunClick();
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 400) QApplication::processEvents();
  if (w.Running()) w.RunClick();
  if (!WaitForRun(w, 60000)) return 1;
  plots->setCurrentIndex(0);
  Shoot(w, out, QStringLiteral("ui_assessment_10_stopped"));
  for (const auto &m : messages.Messages()) qWarning("message: %s", qPrintable(m.text));
  return 0;
}
