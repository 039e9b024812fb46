// The program `lumo`: the main window and the message loop.
#include <QApplication>

#include "main_window.h"

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("LUMO"));
  TfrmMain window;
  window.resize(1060, 720);
  window.show();
  return app.exec();
}
