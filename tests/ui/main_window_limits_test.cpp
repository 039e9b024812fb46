// Values the painting schedule cannot hold never reach the scenario: the
// dialogs refuse OK and stay open, the window's own choices and fields are
// put back, one message says why, and record, schedule and window stay as
// they were. Enter on a message box closes only the box. Driven through the
// real main window and its dialogs with real keys and clicks.
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include "main_window_fixture.h"
#include "num_edit.h"
#include "radio_group.h"
#include "scenario_check.h"

namespace lumo::test {
namespace {

class Limits : public MainWindowTest {
 public:
  // Runs each dialog for real; `drive` gets it in its own event loop, once
  // it is active, and must end it.
  void RunDialogs(std::function<void(QDialog &)> drive) {
    onDialog = [drive](QDialog &d) {
      QTimer::singleShot(0, &d, [&d, drive] {
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        drive(d);
      });
      return d.exec();
    };
  }

  // Record and schedule, to compare with later.
  struct Saved {
    ScenarioRecord record;
    std::unique_ptr<PaintDurationGrid> schedule;
  };
  Saved Save() {
    return {Record(), std::make_unique<PaintDurationGrid>(window->State().PaintDurationGrid())};
  }
  bool Unchanged(const Saved &s) {
    return SameRecord(s.record, Record()) &&
           std::memcmp(s.schedule.get(), &window->State().PaintDurationGrid(),
                       sizeof *s.schedule) == 0;
  }
  // The window's scenario passes the check before a run.
  std::string RunCheck() {
    return FindScenarioProblem(Record(), window->State().PaintDurationGrid()).value_or("");
  }

  // Types `text` into the dialog's field and presses Enter there.
  static TNumEdit *TypeAndEnter(QDialog &d, const char *name, const char *text) {
    auto *field = d.findChild<TNumEdit *>(QLatin1String(name));
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QString::fromLatin1(text));
    QTest::keyClick(field, Qt::Key_Return);
    return field;
  }
};

TEST_F(Limits, EditVolumeRefusesAVolumeTheScheduleCannotHold) {
  const Saved before = Save();
  bool stayedOpen = false;
  bool fieldHasFocus = false;
  RunDialogs([&](QDialog &d) {
    auto *field = TypeAndEnter(d, "numedBldgVolume", "50000000");
    WaitUntil([&] { return messages.Count() > 0; }, 5000);
    stayedOpen = d.isVisible();
    fieldHasFocus = d.focusWidget() == field;
    if (stayedOpen) QTest::keyClick(&d, Qt::Key_Escape);
  });
  Click("btnEditVolume");

  ASSERT_EQ(messages.Count(), 1) << "said once";
  EXPECT_EQ(messages.Messages()[0].caption, "Painting Limits exceeded");
  EXPECT_TRUE(messages.LastText().startsWith(
      "A building volume of 50,000,000 ft³ needs 4,121 days of priming and painting; the "
      "painting schedule holds at most 800 days of work. With the other inputs as they are, the "
      "building volume can be at most about 9,690,000 ft³."))
      << messages.LastText().toStdString();
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(fieldHasFocus);
  EXPECT_TRUE(Unchanged(before)) << "the refused volume reached the scenario";
  EXPECT_EQ(Find<TNumEdit>("numedBldgVolume")->Value(), 15583.0);
  EXPECT_EQ(RunCheck(), "");
}

TEST_F(Limits, EditVolumeTakesAVolumeThatFitsAfterARefusal) {
  RunDialogs([&](QDialog &d) {
    TypeAndEnter(d, "numedBldgVolume", "50000000");
    WaitUntil([&] { return messages.Count() > 0; }, 5000);
    TypeAndEnter(d, "numedBldgVolume", "9000000");
  });
  Click("btnEditVolume");
  EXPECT_EQ(messages.Count(), 1);
  EXPECT_EQ(Record().BldgVolume, 9e6);
  EXPECT_EQ(Find<TNumEdit>("numedBldgVolume")->Value(), 9e6);
  EXPECT_GT(window->State().PaintDurationGrid().Rows(), 700);
  EXPECT_LE(window->State().PaintDurationGrid().Rows(), 800);
  EXPECT_EQ(RunCheck(), "");
}

// Enter closes the error box of a refused field; the dialog behind it stays
// open with the entry, and a value that fits then closes it with OK.
TEST_F(Limits, EnterOnAnErrorBoxLeavesThePercentDialogOpenWithItsEntry) {
  controls::SetMessageSink(nullptr);  // real message boxes
  QString boxText;
  bool stayedOpen = false;
  QString entry;
  RunDialogs([&](QDialog &d) {
    auto *field = d.findChild<TNumEdit *>(QStringLiteral("numeditPercentPainted"));
    QTimer::singleShot(50, &d, [&] {
      QWidget *box = QApplication::activeModalWidget();
      ASSERT_TRUE(box && box != &d);
      boxText = static_cast<QMessageBox *>(box)->text();
      QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    });
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("250"));
    QTest::keyClick(d.windowHandle(), Qt::Key_Return);
    // Once the box has closed and the OK press has run its course.
    QTimer::singleShot(100, &d, [&d, field, &stayedOpen, &entry] {
      stayedOpen = d.isVisible();
      entry = field->text();
      // The window system gives the dialog back its activation.
      QApplication::setActiveWindow(&d);
      field->selectAll();
      QTest::keyClicks(field, QStringLiteral("25"));
      QTest::keyClick(d.windowHandle(), Qt::Key_Return);
    });
  });
  Click("btnEditPercentPainted");
  controls::SetMessageSink(&messages);

  EXPECT_EQ(boxText, "Value must be between 0.01 and 100");
  EXPECT_TRUE(stayedOpen) << "Enter on the box also closed the dialog";
  EXPECT_EQ(entry, "250");
  EXPECT_EQ(Record().PercentPainted, 25.0);
  EXPECT_EQ(Find<TNumEdit>("numedResidencePercentPainted")->Value(), 25.0);
}

TEST_F(Limits, CoatsTheScheduleCannotHoldAreRefusedAndPutBack) {
  Record().BldgVolume = 155830;
  window->RefreshFromState();
  messages.Clear();
  const Saved before = Save();
  TypeInto("edPrimerCoats", "100");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().startsWith("100 coats of primer need 861 days"))
      << messages.LastText().toStdString();
  EXPECT_TRUE(messages.LastText().contains("at most 92 coats of primer fit"));
  EXPECT_TRUE(Unchanged(before));
  EXPECT_EQ(Find<TNumEdit>("edPrimerCoats")->Value(), 1.0);

  TypeInto("edPrimerCoats", "92");
  EXPECT_EQ(messages.Count(), 1);
  EXPECT_EQ(Record().PrimerCoats, 92);
  EXPECT_EQ(RunCheck(), "");
}

TEST_F(Limits, BuildingAreaAndSurfaceChoicesTheScheduleCannotHoldAreRefused) {
  Record().PrimerApplicationRate = Record().PaintApplicationRate = 0.01;
  Click("rbScenarioHighRise");  // one office: 1 % of 1,800,000 ft³ fits
  ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
  ASSERT_EQ(Record().BldgArea, BldgArea::OneOffice);

  Saved before = Save();
  Click("rbScenarioEntireBuilding");  // the entire floor, ten times as much
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().startsWith(
      "\"Entire Floor\" cannot be chosen. The painting of this scenario ("))
      << messages.LastText().toStdString();
  EXPECT_TRUE(Unchanged(before));
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioOneBedroom")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("rbScenarioEntireBuilding")->isChecked());

  // Walls fit, walls and ceiling do not.
  Record().BldgVolume = 2.8e6;  // 1 % painted: 656 days for walls, 919 with the ceilings
  window->RefreshFromState();
  ASSERT_EQ(messages.Count(), 1);
  before = Save();
  Click("rbWallsandCeiling");
  ASSERT_EQ(messages.Count(), 2);
  EXPECT_TRUE(messages.LastText().startsWith("\"Walls and ceiling\" cannot be chosen."))
      << messages.LastText().toStdString();
  EXPECT_TRUE(Unchanged(before));
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioWallsOnly")->isChecked());
  EXPECT_EQ(RunCheck(), "");
}

// A scenario whose painting no longer fits (a file saved so): a choice
// that rebuilds the schedule is refused, and nothing ever leaves the
// schedule cut off at 800 rows.
TEST_F(Limits, ChoicesThatRebuildTheScheduleAreRefusedWhileThePaintingDoesNotFit) {
  Record().BldgVolume = 5e7;
  const Saved before = Save();
  Click(Find<TRadioGroup>("rggender")->Button(1));
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().startsWith(
      "\"Male\" cannot be chosen. The painting of this scenario (7,250 gallons of primer"))
      << messages.LastText().toStdString();
  EXPECT_TRUE(Unchanged(before));
  EXPECT_EQ(Find<TRadioGroup>("rggender")->ItemIndex(), 0);

  Click(Find<TRadioGroup>("rgLocation")->Button(2));
  EXPECT_TRUE(messages.LastText().startsWith("\"Not in building\" cannot be chosen."))
      << messages.LastText().toStdString();
  EXPECT_TRUE(Unchanged(before));

  // A change that does not touch the work is kept; the schedule stays.
  messages.Clear();
  Click("rbLatexSemigloss");
  EXPECT_EQ(Record().PaintType, PaintType::LatexSemiGloss);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "Painting Limits exceeded");
  EXPECT_EQ(window->State().PaintDurationGrid().Rows(), before.schedule->Rows());
  EXPECT_NE(RunCheck().find("needs 4,121 days"), std::string::npos) << RunCheck();
}

TEST_F(Limits, AStandardBoxTheScheduleCannotHoldIsRefusedInItsDialog) {
  bool stayedOpen = false;
  RunDialogs([&](QDialog &d) {
    const std::pair<const char *, const char *> sides[] = {{"numedLength", "10000"},
                                                           {"numedWidth", "400"}};
    for (const auto &[side, text] : sides) {
      auto *field = d.findChild<TNumEdit *>(QLatin1String(side));
      field->setFocus(Qt::TabFocusReason);
      QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(field, QString::fromLatin1(text));
    }
    QTest::keyClick(d.windowHandle(), Qt::Key_Return);
    WaitUntil([&] { return messages.Count() > 0; }, 5000);
    stayedOpen = d.isVisible();
    if (stayedOpen) QTest::keyClick(&d, Qt::Key_Escape);
  });
  Click("rbScenarioStandardBox");
  ASSERT_GE(messages.Count(), 1);
  EXPECT_TRUE(messages.Messages()[0].text.startsWith("A Standard Box of 40,000,000 ft³ needs"))
      << messages.Messages()[0].text.toStdString();
  EXPECT_TRUE(stayedOpen);
  // Cancel keeps the box's former sides, which fit.
  EXPECT_EQ(Record().BldgType, BldgType::Other);
  EXPECT_EQ(Record().BoxLength, 40.0);
  EXPECT_EQ(RunCheck(), "");
}

}  // namespace
}  // namespace lumo::test

namespace lumo::test {
namespace {

// A file may hold a painting the schedule cannot hold: opening it says so at
// once, with the days it needs, rather than at the first change or Execute.
TEST_F(MainWindowTest, OpeningAScenarioWhosePaintingDoesNotFitSaysSo) {
  TLumoState big;
  big.ScenarioRecord.BldgVolume = 5e7;  // written by hand: the dialogs refuse it
  big.SaveState(dir->filePath("big.vkx").toStdString());
  chosenFile = dir->filePath("big.vkx");
  window->Open1Click();
  ASSERT_GE(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "Painting Limits exceeded");
  EXPECT_TRUE(messages.Messages()[0].text.contains("needs 4,121 days of priming and painting"))
      << messages.Messages()[0].text.toStdString();
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)- [" + chosenFile + "]");
}

}  // namespace
}  // namespace lumo::test
