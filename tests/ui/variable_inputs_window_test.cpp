// Each input an assessment may vary, applied through its table entry,
// leaves the scenario exactly as the same value typed into its dialog (or
// main-window field) and OK leaves it, byte for byte in record and painting
// schedule. The window path is the real one: the button clicked, the
// dialog's fields typed into with keys, OK clicked. Where the window then
// re-applies the individual, the table leaves the person alone; there the
// window's scenario must equal the table's with that one step added.
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <set>

#include "dialogs/dialog_test_support.h"
#include "main_window_fixture.h"
#include "parameter_edits.h"
#include "scenario_rules.h"
#include "sink_grid.h"
#include "variable_inputs.h"

namespace lumo::test {
namespace {

enum class From { Default, AlkydOfficeWithSinks };

// How the user enters a value on the window.
enum class Path { Dialog, MainField, EmissionModel, Sinks, ChemicalList, SpinField };

struct Case {
  const char *input;
  const char *typed;
  double stored;  // what the field stores
  Path path;
  const char *button;  // the button that opens the dialog (main window)
  const char *field;   // the field typed into (or the sink column and row)
  From start = From::Default;
};

std::ostream &operator<<(std::ostream &out, const Case &c) {
  return out << c.input << " typed as " << c.typed;
}

// Types into a field of `d` with keys and leaves it with Tab.
void TypeField(QWidget *d, const char *name, const QString &text) {
  auto *field = dialog_test::Find<QWidget>(d, name);
  if (!field) return;
  dialog_test::Type(field, text);
}

void ClickOk(QWidget *d, const char *name = "OKBtn") {
  QTest::mouseClick(dialog_test::Find<QPushButton>(d, name), Qt::LeftButton);
}

class VariedLikeTyped : public MainWindowTest, public ::testing::WithParamInterface<Case> {
 public:
  // Runs each dialog the window opens for real; `drive` gets it in its own
  // event loop once it is active, and must end it.
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

  void Prepare(From start) {
    if (start == From::Default) return;
    auto &s = window->State();
    auto &r = s.ScenarioRecord;
    rules::ApplyBuildingChoice(s, BldgType::LowRise, false);
    s.SetDefaultEmissions();
    rules::ApplyPaintType(s, PaintType::Alkyd);
    r.PrimerEmissionsModel = r.PaintEmissionsModel = EmissionsModelType::SemiEmpirical;
    rules::StoreSemiEmpiricalRate(r, true);
    rules::StoreSemiEmpiricalRate(r, false);
    r.Sinks.SinkModel = SinkModelType::Reversible;
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      r.Sinks.SinkArea[i] = 10.25 * (i + 1);
      r.Sinks.AdsorptionRate[i] = 0.25 + i;
      r.Sinks.DesorptionRate[i] = 0.05 * (i + 1);
    }
    window->RefreshFromState();
  }

  // Enters the case's value on the window, as a user does.
  void Enter(const Case &c) {
    const QString typed = QString::fromLatin1(c.typed);
    switch (c.path) {
      case Path::Dialog:
        RunDialogs([&](QDialog &d) {
          TypeField(&d, c.field, typed);
          ClickOk(&d);
        });
        Click(c.button);
        break;
      case Path::MainField:
        TypeInto(c.field, typed);
        break;
      case Path::SpinField:
        RunDialogs([&](QDialog &d) {
          auto *spin = dialog_test::Find<QSpinBox>(&d, c.field);
          spin->setFocus(Qt::TabFocusReason);
          QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
          QTest::keyClicks(spin, typed);
          QTest::keyClick(spin, Qt::Key_Tab);
          ClickOk(&d);
        });
        Click(c.button);
        break;
      case Path::EmissionModel:
        // The model choice stays; its OK opens the model's own dialog.
        RunDialogs([&](QDialog &d) {
          dialog_test::WhenModalOpens(&d, [&](QWidget *model) {
            TypeField(model, c.field, typed);
            ClickOk(model);
          });
          ClickOk(&d);
        });
        Click(c.button);
        break;
      case Path::Sinks:
        // field = "<column><row>" of the grid.
        RunDialogs([&](QDialog &d) {
          dialog_test::WhenModalOpens(&d, [&](QWidget *values) {
            auto *grid = dialog_test::Find<TLUMOSinkGrid>(values, "gridSink");
            grid->setCurrentCell(c.field[1] - '0', c.field[0] - '0');
            grid->setFocus();
            dialog_test::TypeIntoFocus(typed);
            grid->EndEditing();
            ClickOk(values);
          });
          ClickOk(&d);
        });
        Click(c.button);
        break;
      case Path::ChemicalList:
        RunDialogs([&](QDialog &d) {
          auto *list = dialog_test::Find<QListWidget>(&d, "lbChemicalNames");
          list->setCurrentItem(list->findItems(QStringLiteral("TMPD-MIB"), Qt::MatchExactly)[0]);
          ClickOk(&d, "btnEdit");
          TypeField(&d, c.field, typed);
          ClickOk(&d, "btnSave");
          ClickOk(&d, "btnOK");
        });
        Click(c.button);
        break;
    }
    QApplication::processEvents();
  }

  std::unique_ptr<TLumoState> CopyOfWindowState() {
    auto s = std::make_unique<TLumoState>();
    s->ScenarioRecord = Record();
    s->PaintDurationGrid() = window->State().PaintDurationGrid();
    return s;
  }
};

TEST_P(VariedLikeTyped, LeavesTheScenarioAsTheDialogAndOkLeaveIt) {
  const Case &c = GetParam();
  Prepare(c.start);
  const VariableInput *input = FindVariableInput(c.input);
  ASSERT_NE(input, nullptr);
  ASSERT_EQ(VariationRefusal(Record(), *input), std::nullopt);
  // The table's path, from the same scenario.
  auto table = CopyOfWindowState();
  ASSERT_TRUE(ApplyVariableInput(*table, *input, QString::fromLatin1(c.typed).toDouble()));
  ASSERT_EQ(input->get(table->ScenarioRecord), c.stored);

  Enter(c);
  EXPECT_EQ(opened.size(), c.path == Path::MainField ? 0 : 1) << opened.join(", ").toStdString();
  EXPECT_EQ(input->get(Record()), c.stored);

  // What the window does after these edits and the table leaves out.
  if (input->ReappliesIndividual) {
    rules::ApplyIndividual(*table, table->ScenarioRecord.IndividualType);
    rules::ApplyRefillDerivations(*table, false);
  }
  const auto *w = &Record();
  const auto *t = &table->ScenarioRecord;
  for (std::size_t i = 0; i < sizeof *w; ++i) {
    if (reinterpret_cast<const char *>(w)[i] != reinterpret_cast<const char *>(t)[i]) {
      ADD_FAILURE() << "the records differ first at byte " << i;
      break;
    }
  }
  EXPECT_EQ(std::memcmp(&window->State().PaintDurationGrid(), &table->PaintDurationGrid(),
                        sizeof(PaintDurationGrid)),
            0)
      << "the schedules differ";
}

const Case kCases[] = {
    // Building
    {"BldgVolume", "20000.5", 20000.5, Path::Dialog, "btnEditVolume", "numedBldgVolume"},
    {"BldgVolume", "0.5", 1, Path::Dialog, "btnEditVolume", "numedBldgVolume"},
    {"BldgVolume", "20008.25", 20008.25, Path::Dialog, "btnEditVolume", "numedBldgVolume"},
    {"PercentPainted", "25.5", 25.5, Path::Dialog, "btnEditPercentPainted",
     "numeditPercentPainted"},
    {"PercentPainted", "35", 35, Path::Dialog, "btnEditPercentPainted", "numeditPercentPainted",
     From::AlkydOfficeWithSinks},
    {"LoadingRatio", "0.35", 0.35, Path::Dialog, "btnEditPaintedSurfaceArea", "numeditLoading"},
    {"LoadingRatio", "12", 10, Path::Dialog, "btnEditPaintedSurfaceArea", "numeditLoading"},
    {"LoadingRatio", "0.5", 0.5, Path::Dialog, "btnEditPaintedSurfaceArea", "numeditLoading"},
    {"AirExchangeRate", "2.5", 2.5, Path::Dialog, "btnEditAirflows", "numeditAirExchanges"},
    {"AirExchangeRate", "1200", 1000, Path::Dialog, "btnEditAirflows", "numeditAirExchanges"},
    {"InterzonalAirflow", "1234.5", 1234.5, Path::Dialog, "btnEditAirflows",
     "numeditInterzonalAirExchange"},
    // Paint
    {"PrimerCoats", "2", 2, Path::MainField, nullptr, "edPrimerCoats"},
    {"PaintCoats", "2.5", 3, Path::MainField, nullptr, "edPaintCoats"},
    {"PrimerCoverage", "250.5", 250.5, Path::Dialog, "btnEditAmountofPaint", "numedPrimerCoverage"},
    {"PaintCoverage", "0.5", 1, Path::Dialog, "btnEditAmountofPaint", "numedPaintCoverage"},
    {"PaintCoverage", "350.5", 350.5, Path::Dialog, "btnEditAmountofPaint", "numedPaintCoverage"},
    {"PrimerDensity", "5000.5", 5000.5, Path::Dialog, "btnSpecificDensity",
     "numeditPrimerGramsPerGallon"},
    {"PaintDensity", "4200", 4200, Path::Dialog, "btnSpecificDensity",
     "numeditPaintGramsPerGallon"},
    {"PrimerDensity", "31166", 31166, Path::Dialog, "btnSpecificDensity",
     "numeditPrimerGramsPerGallon"},
    {"PrimerApplicationRate", "0.5", 0.5, Path::Dialog, "btnEditPaintingDuration",
     "numedPrimerApplicationRate"},
    {"PaintApplicationRate", "2000", 1000, Path::Dialog, "btnEditPaintingDuration",
     "numedPaintApplicationRate"},
    {"PrimerWorkHours", "6.5", 6.5, Path::Dialog, "btnEditPaintingDuration",
     "numedPrimerWorkHours"},
    {"PaintWorkHours", "4", 4, Path::Dialog, "btnEditPaintingDuration", "numedPaintWorkHours"},
    {"NumberOfPainters", "3", 3, Path::Dialog, "btnEditPaintingDuration", "numedpainters"},
    {"NumberOfPainters", "2.5", 2, Path::Dialog, "btnEditPaintingDuration", "numedpainters"},
    {"HoursTillPaint", "2", 2, Path::SpinField, "btnEditPaintingDuration", "spedHourstillPaint"},
    // Chemical
    {"MolecularWeight", "180.5", 180.5, Path::ChemicalList, "btnChemicalEditAdd", "edMolecularWt"},
    {"VaporPressure", "0.025", 0.025, Path::ChemicalList, "btnChemicalEditAdd", "edVaporPressure"},
    {"PrimerWeightFraction", "0.05", 0.05, Path::MainField, nullptr, "numeditPrimerWeightFraction"},
    {"PaintWeightFraction", "0.0000005", 1e-6, Path::MainField, nullptr,
     "numedPaintWeightFraction"},
    // Emissions, empirical
    {"PrimerChemicalMass", "123.5", 123.5, Path::EmissionModel, "btnPrimerEmissions",
     "ednumTotalMass"},
    {"PrimerPercentFirstExp", "25", 25, Path::EmissionModel, "btnPrimerEmissions",
     "edPercent1stExpMass"},
    {"PrimerRateConstant1", "3.5", 3.5, Path::EmissionModel, "btnPrimerEmissions",
     "ednum1stExpRateConst"},
    {"PrimerRateConstant2", "0.02", 0.02, Path::EmissionModel, "btnPrimerEmissions",
     "ednum2ndExpRateConst"},
    {"PaintChemicalMass", "2500.75", 2500.75, Path::EmissionModel, "Button1", "ednumTotalMass"},
    {"PaintPercentFirstExp", "150", 100, Path::EmissionModel, "Button1", "edPercent1stExpMass"},
    {"PaintRateConstant1", "7.25", 7.25, Path::EmissionModel, "Button1", "ednum1stExpRateConst"},
    {"PaintRateConstant2", "0.0125", 0.0125, Path::EmissionModel, "Button1",
     "ednum2ndExpRateConst"},
    // Emissions, semi-empirical
    {"PrimerChemicalMass", "50.5", 50.5, Path::EmissionModel, "btnPrimerEmissions",
     "ednumTotalMass", From::AlkydOfficeWithSinks},
    {"PrimerVOCWeightFraction", "0.5", 0.5, Path::EmissionModel, "btnPrimerEmissions",
     "edVOCWtFraction", From::AlkydOfficeWithSinks},
    {"PrimerFirstOrderRateConstant", "2.5", 2.5, Path::EmissionModel, "btnPrimerEmissions",
     "edFirstOrderRateConst", From::AlkydOfficeWithSinks},
    {"PaintChemicalMass", "75", 75, Path::EmissionModel, "Button1", "ednumTotalMass",
     From::AlkydOfficeWithSinks},
    {"PaintVOCWeightFraction", "0.00001", 0.0001, Path::EmissionModel, "Button1", "edVOCWtFraction",
     From::AlkydOfficeWithSinks},
    {"PaintFirstOrderRateConstant", "0.75", 0.75, Path::EmissionModel, "Button1",
     "edFirstOrderRateConst", From::AlkydOfficeWithSinks},
    // Sinks: the grid's column (2 area, 3 adsorption, 4 desorption) and row
    // (2 to 7 for sinks 1 to 6)
    {"SinkArea1", "12.5", 12.5, Path::Sinks, "btnSink", "22", From::AlkydOfficeWithSinks},
    {"SinkArea2", "3e9", 1e9, Path::Sinks, "btnSink", "23", From::AlkydOfficeWithSinks},
    {"SinkArea3", "0.125", 0.125, Path::Sinks, "btnSink", "24", From::AlkydOfficeWithSinks},
    {"SinkArea4", "400", 400, Path::Sinks, "btnSink", "25", From::AlkydOfficeWithSinks},
    {"SinkArea5", "5.5", 5.5, Path::Sinks, "btnSink", "26", From::AlkydOfficeWithSinks},
    {"SinkArea6", "6", 6, Path::Sinks, "btnSink", "27", From::AlkydOfficeWithSinks},
    {"AdsorptionRate1", "0.5", 0.5, Path::Sinks, "btnSink", "32", From::AlkydOfficeWithSinks},
    {"AdsorptionRate2", "1.5", 1.5, Path::Sinks, "btnSink", "33", From::AlkydOfficeWithSinks},
    {"AdsorptionRate3", "20000", 10000, Path::Sinks, "btnSink", "34", From::AlkydOfficeWithSinks},
    {"AdsorptionRate4", "0.0000025", 0.0000025, Path::Sinks, "btnSink", "35",
     From::AlkydOfficeWithSinks},
    {"AdsorptionRate5", "9", 9, Path::Sinks, "btnSink", "36", From::AlkydOfficeWithSinks},
    {"AdsorptionRate6", "0", 0, Path::Sinks, "btnSink", "37", From::AlkydOfficeWithSinks},
    {"DesorptionRate1", "0.01", 0.01, Path::Sinks, "btnSink", "42", From::AlkydOfficeWithSinks},
    {"DesorptionRate2", "2", 2, Path::Sinks, "btnSink", "43", From::AlkydOfficeWithSinks},
    {"DesorptionRate3", "0.375", 0.375, Path::Sinks, "btnSink", "44", From::AlkydOfficeWithSinks},
    {"DesorptionRate4", "3", 3, Path::Sinks, "btnSink", "45", From::AlkydOfficeWithSinks},
    {"DesorptionRate5", "0.5", 0.5, Path::Sinks, "btnSink", "46", From::AlkydOfficeWithSinks},
    {"DesorptionRate6", "1e5", 10000, Path::Sinks, "btnSink", "47", From::AlkydOfficeWithSinks},
    // Person
    {"EventsPerYear", "52.5", 52.5, Path::Dialog, "btnExposure", "numedExposure"},
    {"YearsofExposure", "12.7", 12, Path::Dialog, "btnExposure", "numedYears"},
    {"YearsofExposure", "200", 150, Path::Dialog, "btnExposure", "numedYears"},
    {"LifeTime", "70.9", 70, Path::Dialog, "btnLifetime", "numedYears"},
    {"BodyWeight", "80.5", 80.5, Path::Dialog, "btnBodyWeight", "numedWtKg"},
    {"BodyWeight", "5000", 1000, Path::Dialog, "btnBodyWeight", "numedWtKg"},
};

INSTANTIATE_TEST_SUITE_P(EveryInput, VariedLikeTyped, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                           return std::string(info.param.input) + "_" + std::to_string(info.index);
                         });

TEST(VariedLikeTypedCases, CoverEveryInputOfTheTable) {
  std::set<std::string> covered;
  for (const Case &c : kCases) covered.insert(c.input);
  for (const VariableInput &in : VariableInputs())
    EXPECT_TRUE(covered.count(in.name)) << in.name << " is not compared with its dialog";
}

// A value the dialog refuses never reaches the scenario there, and the table
// refuses it.
TEST_F(VariedLikeTyped, APercentOfHundredIsRefusedOnBothPaths) {
  const ScenarioRecord before = Record();
  bool stayedOpen = false;
  RunDialogs([&](QDialog &d) {
    TypeField(&d, "numeditPercentPainted", "100");
    ClickOk(&d);
    QApplication::processEvents();
    stayedOpen = d.isVisible();
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  Click("btnEditPercentPainted");
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(SameRecord(Record(), before));
  auto table = CopyOfWindowState();
  EXPECT_THROW(ApplyVariableInput(*table, *FindVariableInput("PercentPainted"), 100),
               EVariableInput);
}

}  // namespace
}  // namespace lumo::test
