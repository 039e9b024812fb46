// Saves PNGs of the Compare and Sweep windows for review by eye: two of the
// shipped default scenarios and the start-up scenario compared (results,
// the inputs that differ, the plot), and a sweep of the air exchange rate
// with one value the field refuses.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include "compare_window.h"
#include "main_window.h"
#include "message_recorder.h"
#include "sweep_window.h"

namespace {

void Shoot(QWidget &w, const QString &dir, const QString &name) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

void WaitFor(const std::function<bool()> &done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 120000) QApplication::processEvents();
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
  const QStringList scenarios = {QStringLiteral("House - Entire Building"),
                                 QStringLiteral("Apartment - One Bedroom")};
  QStringList files{QStringLiteral("liblumo32.so"), QStringLiteral("Chems.dat")};
  for (const QString &s : scenarios)
    files << s + QStringLiteral(".vkx") << s + QStringLiteral(".vk1");
  for (const QString &name : files) QFile::copy(bin.filePath(name), program.filePath(name));

  lumo::controls::MessageRecorder messages;
  TfrmMain window(program.path().toStdString());
  window.show();

  window.CompareScenariosClick();
  auto *compare = window.findChild<CompareWindow *>(QStringLiteral("CompareWindow"));
  QStringList paths;
  for (const QString &s : scenarios) paths << program.filePath(s + QStringLiteral(".vkx"));
  compare->AddFiles(paths);
  compare->Compare();
  WaitFor([&] { return compare->Result().has_value() && !compare->Busy(); });
  Shoot(*compare, out, QStringLiteral("ui_compare_0_results"));
  compare->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(1);
  Shoot(*compare, out, QStringLiteral("ui_compare_1_inputs"));

  window.SweepInputClick();
  auto *sweep = window.findChild<SweepWindow *>(QStringLiteral("SweepWindow"));
  sweep->findChild<QRadioButton *>(QStringLiteral("listRadio"))->click();
  sweep->findChild<QLineEdit *>(QStringLiteral("valuesEdit"))
      ->setText(QStringLiteral("0.1, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 5, 10"));
  sweep->Run();
  WaitFor([&] { return !sweep->Busy() && !sweep->Points().empty(); });
  Shoot(*sweep, out, QStringLiteral("ui_sweep_0_air_exchange"));
  sweep->findChild<QComboBox *>(QStringLiteral("resultCombo"))->setCurrentIndex(9);
  Shoot(*sweep, out, QStringLiteral("ui_sweep_1_c8hour"));

  // Percent painted with a value the field refuses: its row says why.
  auto *input = sweep->findChild<QComboBox *>(QStringLiteral("inputCombo"));
  input->setCurrentIndex(input->findData(QStringLiteral("PercentPainted")));
  sweep->findChild<QLineEdit *>(QStringLiteral("valuesEdit"))
      ->setText(QStringLiteral("5, 10, 20, 40, 80, 150"));
  sweep->Run();
  WaitFor([&] { return !sweep->Busy(); });
  Shoot(*sweep, out, QStringLiteral("ui_sweep_2_refused_value"));
  for (const auto &m : messages.Messages()) qWarning("message: %s", qPrintable(m.text));
  return 0;
}
