// File, Open Recent, the last folder used, and opening a file by name.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "main_window.h"
#include "recent_files.h"
#include "ui_main_window.h"

using namespace lumo;

namespace {

const QString kRecentKey = QStringLiteral("files/recent");
const QString kLastFolderKey = QStringLiteral("files/lastFolder");

std::vector<std::string> ToList(const QStringList &files) {
  std::vector<std::string> list;
  for (const QString &f : files) list.push_back(f.toStdString());
  return list;
}

QStringList FromList(const std::vector<std::string> &list) {
  QStringList files;
  for (const std::string &f : list) files << QString::fromStdString(f);
  return files;
}

}  // namespace

void TfrmMain::ConnectRecent() {
  recentMenu_ = new QMenu(tr("Open &Recent"), this);
  recentMenu_->setObjectName(QStringLiteral("mnuOpenRecent"));
  ui_->mnuFile->insertMenu(ui_->Save1, recentMenu_);
  RebuildRecentMenu();
}

QStringList TfrmMain::RecentFiles() const {
  return FromList(WithoutRecentFile(ToList(settings_->value(kRecentKey).toStringList()), {}));
}

void TfrmMain::RebuildRecentMenu() {
  recentMenu_->clear();
  const QStringList files = RecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    QAction *action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
    connect(action, &QAction::triggered, this, [this, path] {
      // A file that has gone is said once (OpenFrom names it) and leaves the list.
      if (!OpenScenarioFile(path) && !QFileInfo::exists(path)) {
        settings_->setValue(kRecentKey,
                            FromList(WithoutRecentFile(ToList(RecentFiles()), path.toStdString())));
        RebuildRecentMenu();
      }
    });
  }
  if (files.isEmpty()) {
    recentMenu_->addAction(tr("(no recent files)"))->setEnabled(false);
    return;
  }
  recentMenu_->addSeparator();
  connect(recentMenu_->addAction(tr("&Clear the List")), &QAction::triggered, this, [this] {
    settings_->remove(kRecentKey);
    RebuildRecentMenu();
  });
}

void TfrmMain::RememberFile(const QString &path) {
  const QFileInfo info(path);
  const QString full = info.absoluteFilePath();
  settings_->setValue(kRecentKey,
                      FromList(WithRecentFile(ToList(RecentFiles()), full.toStdString())));
  settings_->setValue(kLastFolderKey, info.absolutePath());
  settings_->sync();
  if (recentMenu_) RebuildRecentMenu();
}

QString TfrmMain::StartFolder() const {
  const std::string current = State_->ScenarioRecord.ScenarioFileName.Text();
  const QFileInfo file(QString::fromStdString(current));
  if (current != State_->StartupScenarioName() && file.isAbsolute()) return file.absolutePath();
  const QString last = settings_->value(kLastFolderKey).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return QString::fromStdString(layout_.scenarioDirectory);
}

bool TfrmMain::OpenScenarioFile(const QString &path) {
  fileLoading_ = true;
  const bool opened = OpenFrom(QFileInfo(path).absoluteFilePath());
  fileLoading_ = false;
  return opened;
}
