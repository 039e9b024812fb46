// Editing the pattern grids of the weekday, weekend and painting-pattern
// dialogs as a user does, with the program's real message boxes closed by
// OK, Enter or Escape. Keys that change no text say nothing; a committed
// value out of range is corrected once, with a message naming the cell and
// the allowed values; and the program survives every sequence (each runs
// first in a copy of the test program, so a crash fails the test).
#include <QHeaderView>

#include "activity_grid.h"
#include "dialog_test_support.h"
#include "grid_override.h"
#include "paint_pattern_dlg.h"
#include "real_message_boxes.h"
#include "week_day_dlg.h"
#include "week_end_dlg.h"

using namespace dialog_test;
using lumo::controls::MessageRecorder;
using lumo::testing::BoxClose;
using lumo::testing::RealMessageBoxes;

namespace {

// A user's double click: the first click selects the cell, the second
// opens its editor.
void DoubleClickCell(TqvStringGrid *grid, int col, int row) {
  grid->setFocus();
  const QPoint centre = grid->visualRect(grid->model()->index(row, col)).center();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

struct PatternDialogCase {
  const char *name;
  QDialog *(*make)(lumo::TLumoState *);
  const char *grid;
};

void PrintTo(const PatternDialogCase &dialog, std::ostream *out) {
  *out << dialog.name;
}

const PatternDialogCase kPatternDialogs[] = {
    {"WeekDay", [](lumo::TLumoState *s) -> QDialog * { return new TWeekDayDlg(nullptr, s); },
     "gridPriAct"},
    {"WeekEnd", [](lumo::TLumoState *s) -> QDialog * { return new TWeekEndDlg(nullptr, s); },
     "gridSecAct"},
};

class PatternGridEditing
    : public ::testing::TestWithParam<std::tuple<PatternDialogCase, BoxClose>> {
 protected:
  void SetUp() override {
    state->ApplyIndividualDefaults(lumo::IndividualType::Adult);  // five lines
    dialog.reset(std::get<0>(GetParam()).make(state.get()));
    ASSERT_TRUE(ShowActive(*dialog));
    grid = Find<TLUMOActivityGrid>(dialog.get(), std::get<0>(GetParam()).grid);
  }

  // The sequences that once ended the program, on line 6 (row 7, empty)
  // and line 7 (row 8, empty). Returns the messages shown.
  QStringList EditLikeAUser() {
    RealMessageBoxes boxes(std::get<1>(GetParam()));
    DoubleClickCell(grid, 1, 7);  // Shift alone in an empty zone cell
    Key(Qt::Key_Shift);
    Key(Qt::Key_Tab);
    Settle();
    DoubleClickCell(grid, 1, 8);  // Ctrl+A in an empty zone cell
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Tab);
    Settle();
    DoubleClickCell(grid, 1, 7);  // zone 5
    TypeIntoFocus("5");
    Key(Qt::Key_Tab);
    Settle();
    DoubleClickCell(grid, 2, 7);  // hour 25
    TypeIntoFocus("25");
    Key(Qt::Key_Tab);
    Settle();
    return boxes.Texts();
  }

  std::unique_ptr<lumo::TLumoState> state = DefaultState();
  std::unique_ptr<QDialog> dialog;
  TLUMOActivityGrid *grid = nullptr;
};

TEST_P(PatternGridEditing, SurvivesAndCorrectsWithOneMessagePerEdit) {
  LUMO_EXPECT_SURVIVES(EditLikeAUser());
  if (HasFailure()) return;  // running it here would end the test program

  const QStringList texts = EditLikeAUser();
  ASSERT_EQ(texts.size(), 2) << texts.join("\n").toStdString();
  EXPECT_EQ(texts[0],
            "Line 6, Zone: Zone must be a whole number from 0 to 2; \"5\" has been replaced by "
            "\"0\".");
  EXPECT_EQ(texts[1],
            "Line 6, Enter Hour: Enter Hour must be a whole number from 0 to 24; \"25\" has been "
            "replaced by \"2\".");
  EXPECT_EQ(grid->Cells(1, 7), "0");
  EXPECT_EQ(grid->Cells(2, 7), "2");
  EXPECT_EQ(grid->Cells(1, 8), "");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(grid->currentRow(), 7);
  EXPECT_EQ(grid->currentColumn(), 2);
}

INSTANTIATE_TEST_SUITE_P(AllCloses, PatternGridEditing,
                         ::testing::Combine(::testing::ValuesIn(kPatternDialogs),
                                            ::testing::Values(BoxClose::ClickOk,
                                                              BoxClose::PressEnter,
                                                              BoxClose::PressEscape)),
                         [](const auto &info) {
                           return std::string(std::get<0>(info.param).name) +
                                  lumo::testing::BoxCloseName(std::get<1>(info.param));
                         });

class PatternOk : public ::testing::Test {
 protected:
  void SetUp() override { state->ApplyIndividualDefaults(lumo::IndividualType::Adult); }
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
  lumo::ScenarioRecord &r = state->ScenarioRecord;
  MessageRecorder messages;
};

// OK pressed while a cell out of range is still being edited: the cell is
// corrected with one message and the dialog stays open, so the corrected
// line can be seen; the next OK stores it.
TEST_F(PatternOk, AnEditOutOfRangeKeepsTheDialogOpenOnce) {
  const double zone = r.WeekDayPattern.Zone[1];
  ASSERT_NE(zone, 0);
  for (const bool byEnter : {false, true}) {
    messages.Clear();
    TWeekDayDlg dlg(nullptr, state.get());
    ASSERT_TRUE(ShowActive(dlg));
    auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridPriAct");
    DoubleClickCell(grid, 1, 3);  // line 2's zone
    Key(Qt::Key_A, Qt::ControlModifier);
    TypeIntoFocus("7");
    if (byEnter) {
      Key(Qt::Key_Return);  // in the cell: the dialog's default button
    } else {
      QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    }
    Settle();
    EXPECT_TRUE(dlg.isVisible()) << byEnter;
    ASSERT_EQ(messages.Count(), 1) << byEnter;
    EXPECT_TRUE(messages.LastText().startsWith("Line 2, Zone:"));
    EXPECT_EQ(grid->Cells(1, 3), "0");
    EXPECT_EQ(r.WeekDayPattern.Zone[1], zone) << "nothing stored yet";
    Click(&dlg, "OKBtn");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(r.WeekDayPattern.Zone[1], 0);
    r.WeekDayPattern.Zone[1] = zone;
  }
}

// Cancel stores nothing and says nothing about the cell being edited.
TEST_F(PatternOk, CancelDuringAnEditSaysNothing) {
  const lumo::ActivityPattern before = r.WeekEndPattern;
  TWeekEndDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridSecAct");
  DoubleClickCell(grid, 1, 3);
  TypeIntoFocus("7");
  Click(&dlg, "CancelBtn");
  Settle();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(0, std::memcmp(&before, &r.WeekEndPattern, sizeof before));
}

// Ctrl+Delete and Insert pressed in an open cell editor: the confirmation
// comes after the editor's event, and the program survives its closing.
class PatternRowKeys : public ::testing::TestWithParam<BoxClose> {
 protected:
  void SetUp() override { state->ApplyIndividualDefaults(lumo::IndividualType::Adult); }
  // Deletes line 3 from inside its zone editor; returns the messages.
  QStringList DeleteFromEditor(TLUMOActivityGrid *grid) {
    RealMessageBoxes boxes(GetParam());
    DoubleClickCell(grid, 1, 4);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    Settle();
    DoubleClickCell(grid, 1, 9);
    Key(Qt::Key_Insert);
    Settle();
    return boxes.Texts();
  }
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
};

TEST_P(PatternRowKeys, CtrlDeleteAndInsertInAnEditor) {
  TWeekDayDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOActivityGrid>(&dlg, "gridPriAct");
  LUMO_EXPECT_SURVIVES(DeleteFromEditor(grid));
  if (HasFailure()) return;

  auto line = [grid](int row) {
    QStringList cells;
    for (int col = 1; col <= 4; ++col) cells << grid->Cells(col, row);
    return cells;
  };
  const QStringList line3 = line(4), line4 = line(5);
  ASSERT_NE(line3, line4);
  const int rows = grid->RowCount();
  const QStringList texts = DeleteFromEditor(grid);
  ASSERT_EQ(texts, QStringList{"Are you sure you want to delete this row?"});
  // OK and Enter confirm; Escape cancels.
  const bool deleted = GetParam() != BoxClose::PressEscape;
  EXPECT_EQ(line(4), deleted ? line4 : line3);
  EXPECT_EQ(grid->RowCount(), rows - (deleted ? 1 : 0) + 1) << "Insert adds a row";
  EXPECT_TRUE(dlg.isVisible());
}

INSTANTIATE_TEST_SUITE_P(AllCloses, PatternRowKeys,
                         ::testing::Values(BoxClose::ClickOk, BoxClose::PressEnter,
                                           BoxClose::PressEscape),
                         [](const auto &info) { return lumo::testing::BoxCloseName(info.param); });

// The painting pattern's grid: the same keys in its breathing-rate editor,
// and OK's refusal closed by each way.
class PaintPatternEditing : public ::testing::TestWithParam<BoxClose> {
 protected:
  QStringList EditLikeAUser(TLUMOGridOverride *grid, QDialog *dlg) {
    RealMessageBoxes boxes(GetParam());
    DoubleClickCell(grid, 8, 3);
    Key(Qt::Key_Shift);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    Key(Qt::Key_Insert);
    TypeIntoFocus("fast");
    Key(Qt::Key_Tab);
    Settle();
    Click(dlg, "OKBtn");
    return boxes.Texts();
  }
  std::unique_ptr<lumo::TLumoState> state = DefaultState();
};

TEST_P(PaintPatternEditing, SurvivesAndRefusesOnOk) {
  TPaintPatternDlg dlg(nullptr, state.get());
  ASSERT_TRUE(ShowActive(dlg));
  auto *grid = Find<TLUMOGridOverride>(&dlg, "gridOverride");
  const int rows = grid->RowCount();
  LUMO_EXPECT_SURVIVES(EditLikeAUser(grid, &dlg));
  if (HasFailure()) return;

  const QStringList texts = EditLikeAUser(grid, &dlg);
  ASSERT_EQ(texts.size(), 1);
  EXPECT_TRUE(texts[0].startsWith("Line 2: the breathing rate \"fast\"")) << texts[0].toStdString();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(grid->RowCount(), rows);
}

INSTANTIATE_TEST_SUITE_P(AllCloses, PaintPatternEditing,
                         ::testing::Values(BoxClose::ClickOk, BoxClose::PressEnter,
                                           BoxClose::PressEscape),
                         [](const auto &info) { return lumo::testing::BoxCloseName(info.param); });

}  // namespace
