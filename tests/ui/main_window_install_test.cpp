// The main window of an installed program (engine and data apart, the
// user's folders for everything written), and the small things an installed
// program keeps between sessions: File, Open Recent and the last folder.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "about_form.h"
#include "dialogs/dialog_test_support.h"
#include "main_window_fixture.h"

namespace lumo::test {
namespace {

QByteArray Bytes(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A window on a copy of the installed tree (usr/bin, usr/lib/lumo,
// usr/share/lumo) with a home of its own.
class InstalledWindow : public MainWindowTest {
 public:
  void SetUp() override {
    root = std::make_unique<QTemporaryDir>();
    const QDir bin(QCoreApplication::applicationDirPath());
    QDir(root->path()).mkpath(QStringLiteral("usr/bin"));
    QDir(root->path()).mkpath(QStringLiteral("usr/lib/lumo"));
    QDir(root->path()).mkpath(QStringLiteral("usr/share/lumo"));
    ASSERT_TRUE(QFile::copy(bin.filePath(QStringLiteral("liblumo32.so")),
                            root->filePath(QStringLiteral("usr/lib/lumo/liblumo32.so"))));
    shipped = root->filePath(QStringLiteral("usr/share/lumo/Chems.dat"));
    ASSERT_TRUE(QFile::copy(bin.filePath(QStringLiteral("Chems.dat")), shipped));
    home = root->filePath(QStringLiteral("home"));
    Open();
  }

  void Open() {
    window.reset();
    const std::string homeText = home.toStdString();
    const platform::UserFolders user = platform::UserFoldersFromEnvironment(
        [&](const char *name) { return std::string(name) == "HOME" ? homeText.c_str() : nullptr; });
    layout = platform::LayoutFor(root->filePath(QStringLiteral("usr/bin")).toStdString(), user,
                                 {"../lib/lumo", "../share/lumo"});
    window = std::make_unique<TfrmMain>(layout);
    window->SetDialogRunner([this](QDialog &d) {
      opened << QString::fromLatin1(d.metaObject()->className());
      return onDialog ? onDialog(d) : int(QDialog::Rejected);
    });
    window->SetFileChooser([this](QFileDialog &d) {
      fileDialogFolders << d.directory().absolutePath();
      return chosenFile;
    });
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());
    messages.Clear();
  }

  QAction *MenuAction(QMenu *menu, const QString &text) {
    for (QAction *a : menu->actions())
      if (a->text().contains(text)) return a;
    return nullptr;
  }

  std::unique_ptr<QTemporaryDir> root;
  QString shipped, home;
  platform::ProgramLayout layout;
  QStringList fileDialogFolders;
};

TEST_F(InstalledWindow, TheChemicalEditorSavesTheUsersCopyAndTheShippedListStays) {
  const QString userList = home + QStringLiteral("/.local/share/lumo/Chems.dat");
  EXPECT_EQ(window->ChemicalListPath(), userList);
  const QByteArray before = Bytes(shipped);
  EXPECT_EQ(Bytes(userList), before);  // copied on first use

  // Add a chemical in the editor, with the keys and clicks a user makes.
  onDialog = [](QDialog &d) {
    QTimer::singleShot(0, &d, [&d] {
      QApplication::setActiveWindow(&d);
      EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
      QTest::mouseClick(dialog_test::Find<QPushButton>(&d, "btnAdd"), Qt::LeftButton);
      QTest::keyClicks(dialog_test::Find<QLineEdit>(&d, "edName"),
                       QStringLiteral("Test solvent 7"));
      QTest::mouseClick(dialog_test::Find<QPushButton>(&d, "btnSave"), Qt::LeftButton);
      QTest::mouseClick(dialog_test::Find<QPushButton>(&d, "btnOK"), Qt::LeftButton);
    });
    return d.exec();
  };
  Click("btnChemicalEditAdd");
  EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
  EXPECT_TRUE(Bytes(userList).contains("Test solvent 7"));
  EXPECT_EQ(Bytes(shipped), before);

  // The next start keeps the user's list.
  Open();
  EXPECT_TRUE(Bytes(userList).contains("Test solvent 7"));
}

TEST_F(InstalledWindow, TheStartUpScenarioAndTheFileDialogsAreInTheDocumentsFolder) {
  const QString documents = home + QStringLiteral("/Documents");
  EXPECT_EQ(QString::fromStdString(Record().ScenarioFileName.Text()),
            documents + QStringLiteral("/lumo.vkx"));
  window->Open1Click();
  EXPECT_EQ(fileDialogFolders, QStringList{documents});
  EXPECT_EQ(window->State().DumpFileName(),
            (home + QStringLiteral("/.local/state/lumo/xferlumo32.txt")).toStdString());
}

TEST_F(InstalledWindow, OpenRecentReopensAFileAndTheLastFolderIsRemembered) {
  // Save the scenario in a folder of the user's, then start again.
  const QString folder = home + QStringLiteral("/work");
  QDir().mkpath(folder);
  const QString saved = folder + QStringLiteral("/office.vkx");
  Record().RunLength = 7;
  chosenFile = saved;
  Click("btnSave");
  ASSERT_TRUE(QFile::exists(saved));
  Open();
  EXPECT_EQ(window->RecentFiles(), QStringList{saved});
  EXPECT_NE(Record().RunLength, 7);

  // File, Open starts in the last folder while the start-up scenario is shown.
  chosenFile.clear();
  fileDialogFolders.clear();
  window->Open1Click();
  EXPECT_EQ(fileDialogFolders, QStringList{folder});

  auto *recent = window->findChild<QMenu *>(QStringLiteral("mnuOpenRecent"));
  ASSERT_NE(recent, nullptr);
  QAction *entry = MenuAction(recent, saved);
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  EXPECT_EQ(Record().RunLength, 7);
  EXPECT_TRUE(window->windowTitle().contains(saved));

  // A file that has gone is said once and leaves the list.
  ASSERT_TRUE(QFile::remove(saved));
  MenuAction(recent, saved)->trigger();
  EXPECT_EQ(messages.Count(), 1);
  EXPECT_TRUE(window->RecentFiles().isEmpty());
  EXPECT_EQ(MenuAction(recent, saved), nullptr);
}

TEST_F(InstalledWindow, AFileNamedOnTheCommandLineIsOpenedByItsFullPath) {
  const QString folder = home + QStringLiteral("/work");
  QDir().mkpath(folder);
  Record().RunLength = 9;
  chosenFile = folder + QStringLiteral("/named.vkx");
  Click("btnSave");
  Open();
  // `lumo named.vkx` run in that folder.
  const QString before = QDir::currentPath();
  QDir::setCurrent(folder);
  const bool opened = window->OpenScenarioFile(QStringLiteral("named.vkx"));
  QDir::setCurrent(before);
  ASSERT_TRUE(opened);
  EXPECT_EQ(Record().RunLength, 9);
  // Its CSV and Save go beside it, wherever the program was started from.
  EXPECT_EQ(QString::fromStdString(Record().ScenarioFileName.Text()), chosenFile);
  EXPECT_EQ(window->RecentFiles(), QStringList{chosenFile});
}

TEST_F(InstalledWindow, TheAboutBoxSaysWhereEachFileIs) {
  QStringList lines;
  onDialog = [&lines](QDialog &d) {
    lines = static_cast<TfrmAbout &>(d).Lines();
    return int(QDialog::Accepted);
  };
  window->findChild<QAction *>(QStringLiteral("AboutLUMO1"))->trigger();
  const QString text = lines.join(u'\n');
  EXPECT_TRUE(text.contains(home + QStringLiteral("/.local/share/lumo/Chems.dat")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(home + QStringLiteral("/.local/state/lumo/emission.csv")));
  EXPECT_TRUE(text.contains(root->filePath(QStringLiteral("usr/share/lumo"))));
}

}  // namespace
}  // namespace lumo::test
