// Unsaved changes: the caption's "*" follows whether the scenario differs
// from its file, and New, Open and closing ask Save / Discard / Cancel only
// when there is something to lose.
#include "main_window_fixture.h"

namespace lumo::test {
namespace {

using controls::MsgButton;
using Unsaved = MainWindowTest;

TEST_F(Unsaved, AnEditMarksTheCaptionATypedBackValueAndASaveClearIt) {
  auto title = [&] { return window->windowTitle().toStdString(); };
  EXPECT_EQ(title(), "Lumora (LUMO)");
  const QString original = Find<QLineEdit>("edTitle")->text();
  TypeInto("edTitle", "Bedroom repaint");
  EXPECT_EQ(title(), "*Lumora (LUMO)");
  TypeInto("edTitle", original);
  EXPECT_EQ(title(), "Lumora (LUMO)");

  TypeInto("numedPaintWeightFraction", "0.02");
  EXPECT_TRUE(window->windowTitle().startsWith('*'));
  chosenFile = dir->filePath("kept.vkx");
  window->Save1Click();
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)- [" + chosenFile + "]");
  EXPECT_FALSE(window->ScenarioModified());

  // Exit right after saving asks nothing.
  messages.Clear();
  EXPECT_TRUE(window->close());
  EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
}

TEST_F(Unsaved, NewOpenAndExitAskOnlyWithSomethingToLose) {
  chosenFile = dir->filePath("saved.vkx");
  window->Save1Click();
  messages.Clear();
  // Nothing to lose: New resets without a word.
  window->New1Click();
  EXPECT_EQ(messages.Count(), 0);

  TypeInto("numedPaintWeightFraction", "0.02");
  const double edited = Record().PaintWeightFraction;
  messages.Answer(MsgButton::Cancel);
  window->New1Click();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].buttons,
            MsgButton::Save | MsgButton::Discard | MsgButton::Cancel);
  EXPECT_TRUE(messages.LastText().contains("not saved")) << messages.LastText().toStdString();
  EXPECT_EQ(Record().PaintWeightFraction, edited);

  // Open asks too; Cancel keeps the scenario, Discard opens the file.
  messages.Answer(MsgButton::Cancel);
  window->Open1Click();
  EXPECT_EQ(Record().PaintWeightFraction, edited);
  EXPECT_TRUE(window->windowTitle().startsWith('*'));
  messages.Answer(MsgButton::Discard);
  window->Open1Click();
  EXPECT_NE(Record().PaintWeightFraction, edited);
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)- [" + chosenFile + "]");

  // Exit with changes: Cancel stays; Save saves, then closes.
  TypeInto("numedPaintWeightFraction", "0.02");
  messages.Clear();
  messages.Answer(MsgButton::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_EQ(messages.Count(), 1);
  chosenFile = dir->filePath("exit.vkx");
  messages.Answer(MsgButton::Save);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFile::exists(chosenFile));
  EXPECT_EQ(messages.LastText(), "Saved as " + chosenFile);
}

TEST_F(Unsaved, ExitWithSaveCancelledInTheFileDialogStays) {
  TypeInto("numedPaintWeightFraction", "0.02");
  chosenFile.clear();  // the save dialog is cancelled
  messages.Answer(MsgButton::Save);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->ScenarioModified());
}

}  // namespace
}  // namespace lumo::test
