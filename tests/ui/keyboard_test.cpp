// The keyboard: the standard shortcuts reach the File commands, F5 runs,
// F1 opens the help of the focused control, the reporting interval takes
// typed minutes, and read-only fields look read-only.
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

#include "main_window_fixture.h"

namespace lumo::test {
namespace {

using Keyboard = MainWindowTest;

TEST_F(Keyboard, SaveRunAndQuitFromTheKeyboard) {
  TypeInto("edTitle", "By keys");
  chosenFile = dir->filePath("keys.vkx");
  QTest::keySequence(window.get(), QKeySequence::Save);
  EXPECT_EQ(fileDialogTitles, QStringList{"Save LUMO File"});
  EXPECT_TRUE(QFile::exists(chosenFile));
  EXPECT_FALSE(window->windowTitle().startsWith('*'));

  // F5 runs what the fields hold, the field being edited included.
  auto *weight = Find<QLineEdit>("numedPaintWeightFraction");
  weight->setFocus();
  weight->selectAll();
  QTest::keyClicks(weight, "0.02");
  QTest::keyClick(window.get(), Qt::Key_F5);
  EXPECT_EQ(Record().PaintWeightFraction, 0.02);
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  EXPECT_GT(Record().LADD, 0.0);
  EXPECT_TRUE(window->windowTitle().startsWith('*'));  // the results are not saved

  QTest::keySequence(window.get(), QKeySequence::Save);
  messages.Clear();
  QTest::keySequence(window.get(), window->findChild<QAction *>("Exit1")->shortcut());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(Keyboard, F1OpensTheHelpOfTheFocusedControl) {
  Find<QTabWidget>("mainTabs")->setCurrentIndex(2);
  QStringList headings;
  onDialog = [&](QDialog &d) {
    for (auto *label : d.findChildren<QLabel *>()) headings << label->text();
    return int(QDialog::Rejected);
  };
  Find<QWidget>("numedPaintWeightFraction")->setFocus();
  QTest::keyClick(window.get(), Qt::Key_F1);
  ASSERT_EQ(opened, QStringList{"TRTFFormTips"});
  EXPECT_TRUE(headings.contains("Help on the Weight Fraction")) << headings.join('|').toStdString();

  // Without a "?" of its own nearby: the first help of the page shown.
  opened.clear();
  Find<QTabWidget>("mainTabs")->setCurrentIndex(4);
  Find<QWidget>("edLADD")->setFocus();
  QTest::keyClick(window.get(), Qt::Key_F1);
  EXPECT_EQ(opened, QStringList{"TRTFFormTips"});
}

TEST_F(Keyboard, TheReportingIntervalTakesTypedMinutes) {
  auto *interval = Find<QSpinBox>("speditReportInterval");
  interval->setFocus();
  interval->selectAll();
  QTest::keyClicks(interval, "45");
  QTest::keyClick(interval, Qt::Key_Return);
  EXPECT_EQ(Record().ReportInterval, 45);
}

TEST_F(Keyboard, ReadOnlyFieldsLookReadOnly) {
  auto base = [&](const char *name) {
    return Find<QLineEdit>(name)->palette().color(QPalette::Base);
  };
  const QColor window = Find<QLineEdit>("edLADD")->palette().color(QPalette::Window);
  EXPECT_EQ(base("edLADD"), window);
  EXPECT_EQ(base("numedBldgVolume"), window);
  EXPECT_NE(base("numedPaintWeightFraction"), window);
}

}  // namespace
}  // namespace lumo::test
