#include "desktop_layout.h"

#include <QDir>
#include <QStandardPaths>

namespace lumo::ui {

platform::ProgramLayout DesktopLayout() {
  platform::ProgramLayout layout = platform::RunningProgramLayout();
  if (layout.userFolders) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty()) layout.scenarioDirectory = QDir::cleanPath(documents).toStdString();
  }
  return layout;
}

std::unique_ptr<QSettings> OpenSettings(const platform::ProgramLayout &layout) {
  return std::make_unique<QSettings>(QString::fromStdString(layout.SettingsFile()),
                                     QSettings::IniFormat);
}

QStringList LayoutLines(const platform::ProgramLayout &layout) {
  QStringList lines;
  for (const std::string &line : platform::DescribeLayout(layout))
    lines << QString::fromStdString(line);
  return lines;
}

}  // namespace lumo::ui
