// The chemical lists sort names as a person does: case does not split the
// list, and numbers within names go by value.
#include <QComboBox>
#include <QListWidget>

#include "chemical_file.h"
#include "chemicals_form.h"
#include "main_window_fixture.h"

namespace lumo::test {
namespace {

using ChemicalOrder = MainWindowTest;

TEST_F(ChemicalOrder, NamesSortAsAPersonSortsThem) {
  const QString list = dir->filePath("Chems.dat");
  TFileChemical file(list.toStdString());
  ASSERT_TRUE(file.LoadFile());
  for (const char *name : {"xylene", "C10 ester", "acetone", "C9 ester", "Butanol"})
    ASSERT_TRUE(file.AddChemical(name, 100.0, 1.0)) << name;
  TfrmMain reread(dir->path().toStdString());  // reads the list as it is now

  QStringList shown;
  auto *cb = reread.findChild<QComboBox *>("cbChemicalNames");
  for (int i = 0; i < cb->count(); ++i) shown << cb->itemText(i);
  auto before = [&](const char *a, const char *b) {
    return shown.indexOf(QString::fromUtf8(a)) < shown.indexOf(QString::fromUtf8(b));
  };
  ASSERT_TRUE(shown.contains("xylene"));
  EXPECT_TRUE(before("acetone", "Butanol"));
  EXPECT_TRUE(before("Butanol", "C9 ester"));
  EXPECT_TRUE(before("C9 ester", "C10 ester"));
  EXPECT_TRUE(before("Formaldehyde", "m-Xylene"));  // not after every capital
  EXPECT_TRUE(before("m-Xylene", "n-Butyl acetate"));
  EXPECT_TRUE(before("n-Undecane", "Propylene glycol"));
  EXPECT_TRUE(before("TMPD-MIB", "xylene"));
  EXPECT_EQ(shown.last(), "xylene") << shown.join(" | ").toStdString();

  // The list editor shows the same order.
  TfrmChemicals editor(list, &reread);
  auto *names = editor.findChild<QListWidget *>("lbChemicalNames");
  QStringList edited;
  for (int i = 0; i < names->count(); ++i) edited << names->item(i)->text();
  EXPECT_EQ(edited, shown);
}

}  // namespace
}  // namespace lumo::test
