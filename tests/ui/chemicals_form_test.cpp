// The chemical list editor on a temporary "Chems.dat": browsing, adding,
// editing, deleting, the messages, and the value corrections, driven with
// real mouse clicks and key strokes.
#include "chemicals_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "chemical_file.h"
#include "message_recorder.h"
#include "num_edit.h"
#include "real_edit.h"

using lumo::controls::MessageRecorder;
using lumo::controls::MsgButton;

namespace {

class ChemicalsFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    path = dir.filePath("Chems.dat");
  }

  // A list file with chemicals in this order (not alphabetical).
  void WriteList() {
    lumo::TFileChemical file(path.toStdString());
    ASSERT_TRUE(file.AddChemical("Xylene", 106.17, 6.6));
    ASSERT_TRUE(file.AddChemical("Benzene", 78.11, 75.0));
    ASSERT_TRUE(file.AddChemical("TMPD-MIB", 216.32, 0.013));
  }

  void Open() {
    form = std::make_unique<TfrmChemicals>(path);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  template <typename T>
  T *Find(const char *name) {
    T *w = form->findChild<T *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Click(const char *button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  // Replaces the text of a field by typing into it.
  void Type(QWidget *field, const QString &text) {
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }
  QStringList ListNames() {
    QStringList names;
    auto *list = Find<QListWidget>("lbChemicalNames");
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }
  std::vector<lumo::TChemicalRecord> FileRecords() {
    lumo::TFileChemical file(path.toStdString());
    return file.Records();
  }
  QByteArray FileBytes() {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }

  QTemporaryDir dir;
  QString path;
  MessageRecorder messages;
  std::unique_ptr<TfrmChemicals> form;
};

}  // namespace

TEST_F(ChemicalsFormTest, MissingFileThenAddingCreatesIt) {
  Open();
  EXPECT_TRUE(ListNames().isEmpty());
  EXPECT_FALSE(Find<QPushButton>("btnEdit")->isEnabled());
  EXPECT_EQ(form->windowTitle(), "Edit/Add Chemicals");

  Click("btnAdd");
  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kAdding);
  EXPECT_TRUE(Find<QLineEdit>("edName")->hasFocus());
  EXPECT_EQ(Find<QLineEdit>("edName")->text(), "");
  EXPECT_DOUBLE_EQ(Find<TNumEdit>("edMolecularWt")->Value(), 100);
  EXPECT_DOUBLE_EQ(Find<TRealEdit>("edVaporPressure")->Value(), 1.0);
  EXPECT_FALSE(Find<QPushButton>("btnOK")->isEnabled());
  EXPECT_FALSE(Find<QListWidget>("lbChemicalNames")->isEnabled());
  QTest::keyClicks(Find<QLineEdit>("edName"), "Toluene");
  Click("btnSave");

  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kBrowsing);
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(ListNames(), QStringList{"Toluene"});
  EXPECT_TRUE(Find<QPushButton>("btnEdit")->isEnabled());
  const auto records = FileRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].name, "Toluene");
  EXPECT_DOUBLE_EQ(records[0].molecularWeight, 100);
  EXPECT_TRUE(FileBytes().startsWith("7\r\n*****"));
}

TEST_F(ChemicalsFormTest, ListIsAlphabeticalAndShowsTheSelectedChemical) {
  WriteList();
  Open();
  EXPECT_EQ(ListNames(), QStringList({"Benzene", "TMPD-MIB", "Xylene"}));
  EXPECT_EQ(Find<QLineEdit>("edName")->text(), "Benzene");
  auto *list = Find<QListWidget>("lbChemicalNames");
  const QRect xylene = list->visualItemRect(list->item(2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, xylene.center());
  EXPECT_EQ(Find<QLineEdit>("edName")->text(), "Xylene");
  EXPECT_DOUBLE_EQ(Find<TNumEdit>("edMolecularWt")->Value(), 106.17);
  EXPECT_EQ(Find<TRealEdit>("edVaporPressure")->text(), "6.6000000");
  // Moving with the keyboard shows the chemical as well.
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(Find<QLineEdit>("edName")->text(), "TMPD-MIB");
  EXPECT_EQ(FileRecords()[0].name, "Xylene");  // the file keeps its order
}

TEST_F(ChemicalsFormTest, AddingAnExistingNameIsRefusedAndLeavesTheFile) {
  WriteList();
  const QByteArray before = FileBytes();
  Open();
  Click("btnAdd");
  QTest::keyClicks(Find<QLineEdit>("edName"), "Benzene");
  Click("btnSave");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(),
            "Error: Could not Add This Chemical\nThe chemical Benzene is already in the list.");
  EXPECT_EQ(messages.Messages().last().caption, "A Small Problem");
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kBrowsing);
}

TEST_F(ChemicalsFormTest, EditingChangesTheSelectedChemical) {
  WriteList();
  Open();
  Click("btnEdit");
  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kEditing);
  Type(Find<TNumEdit>("edMolecularWt"), "80.5");
  Type(Find<QLineEdit>("edName"), "Benzene (edited)");
  Click("btnSave");
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(ListNames(), QStringList({"Benzene (edited)", "TMPD-MIB", "Xylene"}));
  lumo::TFileChemical file(path.toStdString());
  lumo::TChemicalRecord r;
  ASSERT_TRUE(file.FindChemical("Benzene (edited)", r));
  EXPECT_DOUBLE_EQ(r.molecularWeight, 80.5);
  EXPECT_DOUBLE_EQ(r.vaporPressure, 75.0);
  EXPECT_EQ(file.IndexOfName("Benzene"), -1);
}

TEST_F(ChemicalsFormTest, RenamingOntoAnotherChemicalKeepsBoth) {
  WriteList();
  const QByteArray before = FileBytes();
  Open();
  auto *list = Find<QListWidget>("lbChemicalNames");
  const QPoint benzene = list->visualItemRect(list->item(0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, benzene);  // a user's first click
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, benzene);
  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kEditing);
  Type(Find<QLineEdit>("edName"), "Xylene");
  Click("btnSave");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(),
            "Error: Could not Add This Chemical\nThe chemical Xylene is already in the list.");
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(ListNames(), QStringList({"Benzene", "TMPD-MIB", "Xylene"}));

  // An empty name is refused the same way.
  Click("btnEdit");
  Type(Find<QLineEdit>("edName"), "   ");
  Click("btnSave");
  EXPECT_EQ(messages.Count(), 2);
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(ChemicalsFormTest, CancelEndsTheEditWithoutWriting) {
  WriteList();
  const QByteArray before = FileBytes();
  Open();
  Click("btnEdit");
  Type(Find<QLineEdit>("edName"), "Something else");
  Click("btnCancel");
  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kBrowsing);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_TRUE(Find<QLineEdit>("edName")->isReadOnly());
  EXPECT_EQ(Find<QLineEdit>("edName")->text(), "Benzene");
}

TEST_F(ChemicalsFormTest, DeleteAsksFirst) {
  WriteList();
  Open();
  messages.Answer(MsgButton::No);
  Click("btnDelete");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "Are you sure?  You cannot undo this delete!");
  EXPECT_EQ(messages.Messages().last().caption, "Confirm");
  EXPECT_EQ(FileRecords().size(), 3u);
  messages.Answer(MsgButton::Yes);
  Click("btnDelete");
  EXPECT_EQ(ListNames(), QStringList({"TMPD-MIB", "Xylene"}));
  EXPECT_EQ(FileRecords().size(), 2u);
}

TEST_F(ChemicalsFormTest, ValueCorrections) {
  WriteList();
  Open();
  Click("btnEdit");
  auto *mw = Find<TNumEdit>("edMolecularWt");
  Type(mw, "0.001");
  Find<QLineEdit>("edName")->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(
      messages.LastText(),
      "Attempted to Enter a Value Less than the Minimum Value (0.01). Value reset to Minimum");
  EXPECT_EQ(messages.Messages().last().caption, "A Small Correction");
  EXPECT_DOUBLE_EQ(mw->Value(), 0.01);

  auto *vp = Find<TRealEdit>("edVaporPressure");
  Type(vp, "20000");
  Find<QLineEdit>("edName")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(messages.LastText(),
            "Attempted to Enter a Value Greater than the Maximum Value (10000). Value reset to "
            "Maximum");
  EXPECT_DOUBLE_EQ(vp->Value(), 10000);
  Type(vp, "0");
  Find<QLineEdit>("edName")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(
      messages.LastText(),
      "Attempted to Enter a Value Less than the Minimum Value (1e-7). Value reset to Minimum");
  Click("btnSave");
  lumo::TFileChemical file(path.toStdString());
  lumo::TChemicalRecord r;
  ASSERT_TRUE(file.FindChemical("Benzene", r));
  EXPECT_DOUBLE_EQ(r.molecularWeight, 0.01);
  EXPECT_DOUBLE_EQ(r.vaporPressure, 1e-7);
}

TEST_F(ChemicalsFormTest, ALongestNameIsKeptWhole) {
  WriteList();
  Open();
  Click("btnAdd");
  const QString longest = "N" + QString(253, u'x') + "Z";
  QTest::keyClicks(Find<QLineEdit>("edName"), longest + "beyond");  // the field stops at 255
  Click("btnSave");
  EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
  EXPECT_TRUE(ListNames().contains(longest));
  lumo::TChemicalRecord r;
  EXPECT_TRUE(lumo::TFileChemical(path.toStdString()).FindChemical(longest.toStdString(), r));
}

// Negative values typed into the fields never reach the file: the
// molecular weight field refuses its value and keeps the focus, the vapour
// pressure field resets it to its minimum.
TEST_F(ChemicalsFormTest, NegativeValuesTypedAreRefused) {
  WriteList();
  const QByteArray before = FileBytes();
  Open();
  Click("btnAdd");
  QTest::keyClicks(Find<QLineEdit>("edName"), "Negative");
  auto *mw = Find<TNumEdit>("edMolecularWt");
  Type(mw, "-92.14");
  Click("btnSave");
  ASSERT_GE(messages.Count(), 1);
  EXPECT_EQ(messages.Messages().first().text, "Value must be between 0 and 10000000");
  EXPECT_EQ(form->CurrentMode(), TfrmChemicals::kAdding) << "the field keeps the focus";
  EXPECT_EQ(FileBytes(), before);
  EXPECT_FALSE(ListNames().contains("Negative"));

  messages.Clear();
  Type(mw, "92.14");
  auto *vp = Find<TRealEdit>("edVaporPressure");
  Type(vp, "-5");
  Click("btnSave");
  ASSERT_GE(messages.Count(), 1);
  EXPECT_EQ(
      messages.Messages().first().text,
      "Attempted to Enter a Value Less than the Minimum Value (1e-7). Value reset to Minimum");
  lumo::TChemicalRecord r;
  ASSERT_TRUE(lumo::TFileChemical(path.toStdString()).FindChemical("Negative", r));
  EXPECT_GT(r.vaporPressure, 0);
  EXPECT_GT(r.molecularWeight, 0);
}

// A list file that holds a value the program cannot use is named with its
// line on opening, and adding to it leaves it as it is.
TEST_F(ChemicalsFormTest, AnUnreadableFileIsNamedAndNotOverwritten) {
  WriteList();
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("0\r\n2\r\n100 1 Good\r\n150 0.00000000 Zero pressure\r\n");
  f.close();
  const QByteArray before = FileBytes();
  Open();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages().last().caption, "A Small Problem");
  EXPECT_TRUE(messages.LastText().contains("line 4")) << messages.LastText().toStdString();
  EXPECT_TRUE(messages.LastText().contains("vapour pressure"));

  Click("btnAdd");
  QTest::keyClicks(Find<QLineEdit>("edName"), "Toluene");
  Click("btnSave");
  EXPECT_TRUE(messages.LastText().startsWith("Error: Could not Add This Chemical\n"));
  EXPECT_TRUE(messages.LastText().contains("line 4")) << messages.LastText().toStdString();
  EXPECT_EQ(FileBytes(), before);
}
