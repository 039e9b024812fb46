// Saves PNGs of the main window for review by eye: each of the five pages
// with the factory defaults, and the Execution page after a finished run,
// with an input changed after it, and after a run stopped part way.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "main_window.h"
#include "message_recorder.h"

namespace {

void Shoot(QWidget &w, const QString &dir, const QString &name) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char **argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("LUMO"));
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(out);
  // The run's files go to a program directory of its own.
  QTemporaryDir program;
  const QDir bin(QCoreApplication::applicationDirPath());
  for (const char *name : {"liblumo32.so", "Chems.dat"})
    QFile::copy(bin.filePath(QLatin1String(name)), program.filePath(QLatin1String(name)));

  lumo::controls::MessageRecorder messages;
  TfrmMain window(program.path().toStdString());
  window.resize(1060, 720);
  window.show();
  auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("mainTabs"));
  const char *const names[] = {"introduction", "painting_scenario", "paint_chemical",
                               "occupancy_exposure", "execution"};
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    Shoot(window, out, QStringLiteral("ui_main_%1_%2").arg(i).arg(QLatin1String(names[i])));
  }

  window.findChild<QPushButton *>(QStringLiteral("btnExecute"))->click();
  QElapsedTimer timer;
  timer.start();
  while (window.Running() && timer.elapsed() < 120000) QApplication::processEvents();
  Shoot(window, out, QStringLiteral("ui_main_5_after_run"));

  // An input changed after the run: the results are marked out of date.
  auto &record = window.State().ScenarioRecord;
  record.PaintWeightFraction = 0.02;
  window.ShowState();
  Shoot(window, out, QStringLiteral("ui_main_6_out_of_date"));

  // A long run stopped part way.
  record.RunLength = 365;
  record.ReportInterval = 1;
  window.ShowState();
  auto *execute = window.findChild<QPushButton *>(QStringLiteral("btnExecute"));
  execute->click();
  timer.restart();
  while (window.Running() && timer.elapsed() < 300) QApplication::processEvents();
  if (window.Running()) execute->click();
  while (!window.State().Worker().Idle() && timer.elapsed() < 10000) QApplication::processEvents();
  Shoot(window, out, QStringLiteral("ui_main_7_stopped"));

  // Values far outside their typical ranges: flagged beside their fields.
  record.BldgVolume = 2000000;
  record.AirExchangeRate = 40;
  window.ShowState();
  tabs->setCurrentIndex(1);
  Shoot(window, out, QStringLiteral("ui_main_8_unusual_values"));
  for (const auto &m : messages.Messages()) qWarning("message: %s", qPrintable(m.text));
  return window.Running() ? 1 : 0;
}
