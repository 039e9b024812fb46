// The program `lumo`: the main window and the message loop. A scenario file
// named on the command line is opened at start; --help, --version and
// --paths answer without opening a window.
#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "desktop_layout.h"
#include "main_window.h"

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "unknown"
#endif

namespace {

const char *const kUsage =
    "Usage: lumo [OPTION]... [SCENARIO.vkx]\n"
    "Estimates how much of a chemical emitted from freshly painted interior walls a\n"
    "person inhales: the desktop program. Opens SCENARIO.vkx, a scenario file saved\n"
    "by the program, when it is given.\n"
    "\n"
    "  -h, --help     show this text and exit\n"
    "      --version  show the program's version and exit\n"
    "      --paths    show where the program's files are (the engine, the help\n"
    "                 documents, the chemical list, the start-up scenario, the\n"
    "                 diagnostic files, the settings) and exit\n"
    "\n"
    "Installed, the program never writes into its installation: the chemical list\n"
    "you edit is your copy in ~/.local/share/lumo, the diagnostic files go to\n"
    "~/.local/state/lumo, the start-up scenario and the file dialogs start in your\n"
    "documents folder, and the settings are kept in ~/.config/lumo (the XDG_*_HOME\n"
    "variables are followed). Run from its build folder it keeps everything in its\n"
    "own folder while it can write there.\n"
    "\n"
    "lumo-run runs saved scenarios without a window (see lumo-run --help).\n";

bool Has(int argc, char **argv, const char *option) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

const QString kGeometryKey = QStringLiteral("window/geometry");

}  // namespace

int main(int argc, char **argv) {
  if (Has(argc, argv, "--help") || Has(argc, argv, "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (Has(argc, argv, "--version")) {
    std::printf("lumo %s\n", LUMO_PROGRAM_VERSION);
    return 0;
  }
  if (Has(argc, argv, "--paths")) {
    QCoreApplication core(argc, argv);
    for (const QString &line : lumo::ui::LayoutLines(lumo::ui::DesktopLayout()))
      std::printf("%s\n", line.toLocal8Bit().constData());
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("LUMO"));
  QApplication::setApplicationVersion(QStringLiteral(LUMO_PROGRAM_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("lumo"));
  // Qt has taken its own options (-platform, -style, ...) out by now.
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("SCENARIO.vkx"), QStringLiteral("A scenario file."));
  if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
    const QString why = parser.errorText().isEmpty()
                            ? QStringLiteral("only one scenario file can be opened")
                            : parser.errorText();
    std::fprintf(stderr, "lumo: %s (see lumo --help)\n", why.toLocal8Bit().constData());
    return 2;
  }

  TfrmMain window;
  if (!window.restoreGeometry(window.Settings().value(kGeometryKey).toByteArray()))
    window.resize(1060, 720);
  window.show();
  if (!parser.positionalArguments().isEmpty()) {
    const QString file = parser.positionalArguments().front();
    QTimer::singleShot(0, &window, [&window, file] { window.OpenScenarioFile(file); });
  }
  const int status = app.exec();
  window.Settings().setValue(kGeometryKey, window.saveGeometry());
  return status;
}
