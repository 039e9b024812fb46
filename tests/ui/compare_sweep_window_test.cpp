// The Compare and Sweep windows and the workbook of a run, opened from the
// main window's Tools menu and driven through their controls.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QXYSeries>

#include "compare_window.h"
#include "main_window_fixture.h"
#include "scenario_run.h"
#include "sweep_window.h"
#include "variable_inputs.h"

namespace lumo::test {
namespace {

class StudiesTest : public MainWindowTest {
 public:
  template <class W>
  W *Open(const char *action, const char *name) {
    Find<QAction>(action)->trigger();
    auto *w = window->findChild<W *>(QLatin1String(name));
    if (!w) throw std::runtime_error(std::string("no window ") + name);
    return w;
  }
  template <class T>
  static T *In(QWidget *w, const char *name) {
    auto *c = w->findChild<T *>(QLatin1String(name));
    if (!c) throw std::runtime_error(std::string("no control ") + name);
    return c;
  }
  static void Press(QWidget *w, const char *name) {
    auto *b = In<QPushButton>(w, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  }
  static QString Cell(QTableWidget *t, int r, int c) {
    return t->item(r, c) ? t->item(r, c)->text() : QString();
  }
  // A saved copy of the window's scenario with `edit` applied.
  QString SaveVariant(const QString &name, const std::function<void(TLumoState &)> &edit) {
    TLumoState copy;
    copy.ScenarioRecord = Record();
    copy.PaintDurationGrid() = window->State().PaintDurationGrid();
    edit(copy);
    const QString path = dir->filePath(name);
    copy.SaveState(path.toStdString());
    return path;
  }
};

TEST_F(StudiesTest, CompareShowsResultsTheInputsThatDifferAndOnePlot) {
  const QString other = SaveVariant("other.vkx", [](TLumoState &s) {
    s.ScenarioRecord.AirExchangeRate = 2.5;
    s.ScenarioRecord.BodyWeight = 60;
  });
  auto *compare = Open<CompareWindow>("CompareScenarios1", "CompareWindow");
  EXPECT_EQ(In<QListWidget>(compare, "scenarioList")->count(), 1);  // the current scenario
  EXPECT_FALSE(In<QPushButton>(compare, "compareButton")->isEnabled());
  chosenFile = other;
  Press(compare, "addButton");
  chosenFile = dir->filePath("missing.vkx");
  Press(compare, "addButton");
  ASSERT_EQ(In<QListWidget>(compare, "scenarioList")->count(), 3);
  Press(compare, "compareButton");
  ASSERT_TRUE(WaitUntil([&] { return compare->Result().has_value() && !compare->Busy(); }));

  auto *inputs = In<QTableWidget>(compare, "inputsTable");
  ASSERT_EQ(inputs->rowCount(), 2);
  EXPECT_EQ(Cell(inputs, 0, 0), "Air exchange rate");
  EXPECT_EQ(Cell(inputs, 0, 3), "2.5");
  EXPECT_EQ(Cell(inputs, 1, 0), "Body weight");
  EXPECT_EQ(Cell(inputs, 1, 4), "");  // the file that could not be opened
  auto *results = In<QTableWidget>(compare, "resultsTable");
  ASSERT_EQ(results->rowCount(), 10);
  ASSERT_EQ(results->columnCount(), 6);
  EXPECT_EQ(Cell(results, 0, 0), "LADD");
  EXPECT_FALSE(Cell(results, 0, 3).isEmpty());
  EXPECT_NE(Cell(results, 0, 3), Cell(results, 0, 4));
  EXPECT_TRUE(In<QLabel>(compare, "statusLabel")->text().contains("missing.vkx"));
  EXPECT_EQ(In<QChartView>(compare, "plot")->chart()->series().size(), 2);

  // The current scenario's results are those of its own run.
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  EXPECT_EQ(compare->Result()->scenarios[0].run.results,
            comparison::StoredResults(window->State().ScenarioRecord));

  chosenFile = dir->filePath("comparison.xlsx");
  Press(compare, "exportButton");
  EXPECT_TRUE(QFile::exists(chosenFile));
}

TEST_F(StudiesTest, SweepRunsEachValueAsItsDialogWouldAndPlotsTheResult) {
  auto *sweep = Open<SweepWindow>("SweepInput1", "SweepWindow");
  auto *input = In<QComboBox>(sweep, "inputCombo");
  input->setCurrentIndex(input->findData(QStringLiteral("PercentPainted")));
  In<QRadioButton>(sweep, "listRadio")->click();
  auto *values = In<QLineEdit>(sweep, "valuesEdit");
  values->setFocus();
  QTest::keyClicks(values, "20, 150, 35");
  Press(sweep, "runButton");
  ASSERT_TRUE(WaitUntil([&] { return !sweep->Busy() && !sweep->Points().empty(); }));

  auto *table = In<QTableWidget>(sweep, "resultsTable");
  ASSERT_EQ(table->rowCount(), 3);
  EXPECT_TRUE(Cell(table, 1, table->columnCount() - 1).contains("150 % is refused"));
  const EngineRuns engine(dir->path().toStdString());
  for (int row : {0, 2}) {
    const comparison::SweepPoint &p = sweep->Points()[static_cast<std::size_t>(row)];
    ASSERT_TRUE(p.ok) << p.problem;
    TLumoState alone;
    alone.ScenarioRecord = Record();
    alone.PaintDurationGrid() = window->State().PaintDurationGrid();
    ApplyVariableInput(alone, *FindVariableInput("PercentPainted"), p.requested);
    EXPECT_EQ(p.results, comparison::RunScenario(engine, alone, false).results);
  }
  auto *plot = In<QChartView>(sweep, "plot");
  ASSERT_EQ(plot->chart()->series().size(), 2);
  EXPECT_EQ(static_cast<QXYSeries *>(plot->chart()->series()[0])->count(), 2);

  // A range the fields do not describe is refused with a message.
  In<QRadioButton>(sweep, "rangeRadio")->click();
  In<QLineEdit>(sweep, "fromEdit")->setText("x");
  Press(sweep, "runButton");
  EXPECT_TRUE(messages.LastText().contains("start \"x\""));
}

TEST_F(StudiesTest, ExportWorkbookNeedsCurrentResults) {
  chosenFile = dir->filePath("run.xlsx");
  Find<QAction>("ExportWorkbook1")->trigger();
  EXPECT_TRUE(messages.LastText().contains("Execute the scenario first"));
  EXPECT_FALSE(QFile::exists(chosenFile));
  Click("btnExecute");
  ASSERT_TRUE(WaitUntil([&] { return !window->Running(); }));
  messages.Clear();
  Find<QAction>("ExportWorkbook1")->trigger();
  EXPECT_TRUE(QFile::exists(chosenFile));
  EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();  // series included
}

}  // namespace
}  // namespace lumo::test
