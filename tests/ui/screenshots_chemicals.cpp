// Saves PNGs of the chemical list editor for review by eye: browsing the
// shipped list, and in the middle of adding a chemical.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "chemicals_form.h"

namespace {

void Shoot(QWidget &w, const QString &dir, const QString &name) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char **argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(out);
  // A copy of the shipped list, so that nothing the editor does reaches it.
  QTemporaryDir dir;
  const QString chems = dir.filePath(QStringLiteral("Chems.dat"));
  QFile::copy(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Chems.dat")),
              chems);
  TfrmChemicals form(chems);
  form.show();
  Shoot(form, out, QStringLiteral("ui_chemicals_browsing"));
  form.findChild<QPushButton *>(QStringLiteral("btnAdd"))->click();
  form.findChild<QLineEdit *>(QStringLiteral("edName"))->setText(QStringLiteral("Ethylene glycol"));
  Shoot(form, out, QStringLiteral("ui_chemicals_adding"));
  return 0;
}
