// The scenario rules as the user meets them on the main window: building
// and individual refusals, the Standard Box, area choices, weight
// fractions, location, and the dialog protocol.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "main_window_fixture.h"
#include "num_edit.h"
#include "radio_group.h"
#include "scenario_rules.h"

namespace lumo::test {
namespace {

using Rules = MainWindowTest;

void ClickItem(MainWindowTest &t, const char *group, int index) {
  t.Click(t.Find<TRadioGroup>(group)->Button(index));
}

TEST_F(Rules, StartsWithTheDefaultScenarioAndChemical) {
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)");
  EXPECT_EQ(Find<QComboBox>("cbChemicalNames")->currentText(), "TMPD-MIB");
  EXPECT_EQ(Record().ChemicalName.Text(), "TMPD-MIB");
  EXPECT_DOUBLE_EQ(Record().MolecularWeight, 216.32);
  EXPECT_DOUBLE_EQ(Record().VaporPressure, 0.013);
  EXPECT_EQ(Record().ScenarioFileName.Text(), (dir->path() + "/lumo.vkx").toStdString());
  EXPECT_EQ(Find<QLineEdit>("edLADD")->text(), "0.00E+000");
  EXPECT_EQ(Find<QLineEdit>("edC8hrPPM")->text(), "0.00E+000");
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioHouse")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioOneBedroom")->isChecked());
  EXPECT_FALSE(Find<QWidget>("edOtherEditbtn")->isEnabled());
  EXPECT_EQ(Find<TNumEdit>("numedBldgVolume")->Value(), 15583.0);
  EXPECT_GT(window->State().PaintDurationGrid().Rows(), 0);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(Rules, OfficeRefusedForDiyPainterAndChild) {
  for (int person : {2, 3}) {
    ClickItem(*this, "rgIndividual", person);
    ASSERT_EQ(int(Record().IndividualType), person);
    const ScenarioRecord before = Record();
    messages.Clear();
    Click(person == 2 ? "rbScenarioHighRise" : "rbScenarioLowRise");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), rules::kOfficeRefusedText);
    EXPECT_EQ(messages.Messages()[0].caption, "A Small Problem...");
    EXPECT_TRUE(Find<QRadioButton>("rbScenarioHouse")->isChecked());
    EXPECT_EQ(Record().BldgType, BldgType::House);
    EXPECT_EQ(Record().BldgVolume, before.BldgVolume);
    EXPECT_EQ(Record().PercentPainted, before.PercentPainted);
  }
}

TEST_F(Rules, DiyAndChildRefusedInOfficesAndTheBoxAcceptedAtHome) {
  Click("rbScenarioHighRise");
  messages.Clear();
  ClickItem(*this, "rgIndividual", 2);
  EXPECT_EQ(messages.LastText(), "This choice is not applicable for an office building");
  EXPECT_EQ(Find<TRadioGroup>("rgIndividual")->ItemIndex(), 0);
  EXPECT_EQ(Record().IndividualType, IndividualType::Pro);

  onDialog = [](QDialog &) { return int(QDialog::Accepted); };
  Click("rbScenarioStandardBox");
  ASSERT_EQ(Record().BldgType, BldgType::Other);
  messages.Clear();
  ClickItem(*this, "rgIndividual", 3);
  EXPECT_EQ(messages.LastText(), "This choice is not applicable for a Standard Cube");
  EXPECT_EQ(Record().IndividualType, IndividualType::Pro);

  Click("rbScenarioApartment");
  Record().BodyWeight = 1.0;
  messages.Clear();
  ClickItem(*this, "rgIndividual", 3);
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(Record().IndividualType, IndividualType::Child);
  EXPECT_EQ(Record().BodyWeight, 20.3);
  EXPECT_EQ(Record().LifeTime, 10.0);
  EXPECT_EQ(Record().IndividualLocation, IndividualLocationType::Building);
  EXPECT_EQ(Find<TNumEdit>("numedBodyWt")->Value(), 20.3);
  EXPECT_EQ(Find<TRadioGroup>("rgLocation")->ItemIndex(), 1);
}

TEST_F(Rules, StandardBoxUsesItsOwnVolumeAndItsDialog) {
  onDialog = [this](QDialog &) {
    Record().BoxLength = 20.0;  // 20 × 40 × 10 ft
    return int(QDialog::Accepted);
  };
  Click("rbScenarioStandardBox");
  EXPECT_EQ(opened, QStringList{"TdlgStandardCube"});
  EXPECT_EQ(Record().BldgType, BldgType::Other);
  EXPECT_EQ(Record().BldgVolume, 8000.0);
  EXPECT_EQ(Record().AirExchangeRate, 1.0);
  EXPECT_DOUBLE_EQ(Record().InterzonalAirflow, window->State().CalcInterZonalAirFlow());
  EXPECT_EQ(Find<TNumEdit>("numedBldgVolume")->Value(), 8000.0);
  EXPECT_TRUE(Find<QWidget>("edOtherEditbtn")->isEnabled());
  EXPECT_EQ(Find<QLabel>("lblEntireBuilding")->text(), "Paint Entire Building");
  EXPECT_EQ(Find<QLabel>("lblPartofBuilding")->text(), "Part of Building");

  // New dimensions through Edit: everything follows the new box.
  const double sinkBefore = Record().Sinks.SinkArea[0];
  onDialog = [this](QDialog &) {
    Record().BoxHeight = 20.0;
    return int(QDialog::Accepted);
  };
  Click("edOtherEditbtn");
  EXPECT_EQ(Record().BldgVolume, 16000.0);
  EXPECT_DOUBLE_EQ(Record().InterzonalAirflow, window->State().CalcInterZonalAirFlow());
  EXPECT_NE(Record().Sinks.SinkArea[0], sinkBefore);

  // Cancelled dimensions change nothing.
  const ScenarioRecord before = Record();
  onDialog = [this](QDialog &) {
    Record().BoxHeight = 99.0;
    return int(QDialog::Rejected);
  };
  Click("edOtherEditbtn");
  EXPECT_TRUE(SameRecord(before, Record()));

  // The volume of the box is not edited on its own.
  opened.clear();
  messages.Clear();
  Click("btnEditVolume");
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_EQ(messages.LastText(), rules::kEditVolumeRefusedText);
}

TEST_F(Rules, StandardBoxRefusedForTheDiyPainterKeepsTheBuilding) {
  ClickItem(*this, "rgIndividual", 2);
  Record().BldgVolume = 12345.0;
  const ScenarioRecord before = Record();
  messages.Clear();
  Click("rbScenarioStandardBox");
  EXPECT_EQ(messages.LastText(), rules::kStandardBoxRefusedText);
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioHouse")->isChecked());
  EXPECT_EQ(Find<QTabWidget>("mainTabs")->currentIndex(), 3);
  EXPECT_TRUE(SameRecord(before, Record()));
}

TEST_F(Rules, HouseToHighRiseAndBackWithOneBedroom) {
  Click("rbScenarioHighRise");
  EXPECT_EQ(Record().BldgArea, BldgArea::OneOffice);
  EXPECT_EQ(Record().PercentPainted, 1.0);
  EXPECT_EQ(Record().BldgVolume, 1800000.0);
  EXPECT_EQ(Record().AirExchangeRate, 1.0);
  EXPECT_EQ(Find<QLabel>("lblPartofBuilding")->text(), "One Office");
  EXPECT_EQ(Find<TNumEdit>("numedAirExchange")->Value(), 1.0);
  Click("rbScenarioHouse");
  EXPECT_EQ(Record().BldgArea, BldgArea::OneBedroom);
  EXPECT_EQ(Record().PercentPainted, 10.0);
  EXPECT_EQ(Record().BldgVolume, 15583.0);
  EXPECT_EQ(Record().AirExchangeRate, 0.45);
  EXPECT_EQ(Find<QLabel>("lblPartofBuilding")->text(), "One Bedroom");
}

TEST_F(Rules, AreaLabelsAndPercentPaintedOfTheEntireBuilding) {
  Click(Find<QLabel>("lblEntireBuilding"));
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioEntireBuilding")->isChecked());
  EXPECT_EQ(Record().BldgArea, BldgArea::EntireBldg);
  EXPECT_EQ(Record().PercentPainted, 100.0);
  messages.Clear();
  Click("btnEditPercentPainted");
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_EQ(messages.LastText(), rules::kEditPercentRefusedText);

  Click(Find<QLabel>("lblPartofBuilding"));
  EXPECT_TRUE(Find<QRadioButton>("rbScenarioOneBedroom")->isChecked());
  EXPECT_EQ(Record().BldgArea, BldgArea::OneBedroom);
  EXPECT_EQ(Record().PercentPainted, 10.0);

  // An office's entire floor is a share of the building: the dialog opens,
  // and its new share sets the interzonal airflow.
  Click("rbScenarioLowRise");
  Click("rbScenarioEntireBuilding");
  onDialog = [this](QDialog &) {
    Record().PercentPainted = 20.0;
    return int(QDialog::Accepted);
  };
  Click("btnEditPercentPainted");
  EXPECT_EQ(opened, QStringList{"TPercentPaintedDlg"});
  EXPECT_EQ(Find<TNumEdit>("numedResidencePercentPainted")->Value(), 20.0);
  EXPECT_DOUBLE_EQ(Record().InterzonalAirflow, window->State().CalcInterZonalAirFlow());
}

TEST_F(Rules, WeightFractionFloor) {
  TypeInto("numeditPrimerWeightFraction", "0.000000999");
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_DOUBLE_EQ(Record().PrimerWeightFraction, 9.99e-7);
  TypeInto("numedPaintWeightFraction", "0.000000998");
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "Note");
  EXPECT_EQ(messages.LastText(), rules::kWeightFractionNotice);
  EXPECT_EQ(Record().PaintWeightFraction, 1.0e-6);
  EXPECT_EQ(Find<TNumEdit>("numedPaintWeightFraction")->Value(), 1.0e-6);
}

TEST_F(Rules, LocationRefusedForAWholeHighRiseAndPaintersNoticed) {
  // A professional painter may be placed outside the painted area, with a
  // notice.
  ClickItem(*this, "rgLocation", 2);
  EXPECT_EQ(messages.LastText(), rules::kPainterLocationNotice);
  EXPECT_EQ(Record().IndividualLocation, IndividualLocationType::NotBuilding);

  Click("rbScenarioHighRise");
  ClickItem(*this, "rgIndividual", 1);  // adult occupant
  Click("rbScenarioEntireBuilding");
  onDialog = [this](QDialog &) {
    Record().PercentPainted = 100.0;
    return int(QDialog::Accepted);
  };
  Click("btnEditPercentPainted");
  const auto stored = Record().IndividualLocation;
  messages.Clear();
  ClickItem(*this, "rgLocation", 1);
  EXPECT_EQ(messages.LastText(), rules::kLocationRefusedText);
  EXPECT_EQ(Record().IndividualLocation, stored);
  EXPECT_EQ(Find<TRadioGroup>("rgLocation")->ItemIndex(), int(stored));
}

TEST_F(Rules, PaintTypeSetsDensities) {
  Click("rbAlkyd");
  EXPECT_EQ(Record().PaintType, PaintType::Alkyd);
  EXPECT_EQ(Find<TNumEdit>("numeditPrimerSpecDensity")->Value(), 5800.0);
  EXPECT_EQ(Find<TNumEdit>("numeditPaintSpecDensity")->Value(), 4600.0);
  Click("rbLatexSemigloss");
  EXPECT_EQ(Record().PrimerDensity, 4600.0);
}

TEST_F(Rules, CancelRestoresTheWholeScenarioForEveryDialog) {
  const char *buttons[] = {"btnEditVolume",
                           "btnEditAirflows",
                           "btnEditAmountofPaint",
                           "btnEditPaintingDuration",
                           "btnEditPaintedSurfaceArea",
                           "btnSpecificDensity",
                           "btnPrimerEmissions",
                           "Button1",
                           "btnSink",
                           "btnExposure",
                           "btnLifetime",
                           "btnBodyWeight",
                           "btnWeekday",
                           "btnWeekend",
                           "btnPainting"};
  Record().BodyWeight = 55.5;  // an edited value no default may replace
  const ScenarioRecord before = Record();
  const auto schedule = std::make_unique<PaintDurationGrid>(window->State().PaintDurationGrid());
  onDialog = [this](QDialog &) {
    Record().BldgVolume = 1.0;
    Record().BodyWeight = 2.0;
    Record().Title.SetText("changed");
    window->State().PaintDurationGrid().SetCell(PaintDurationGrid::kBreathingRate, 0, "99");
    return int(QDialog::Rejected);
  };
  for (const char *name : buttons) {
    opened.clear();
    Click(name);
    EXPECT_EQ(opened.size(), 1) << name;
    EXPECT_TRUE(SameRecord(before, Record())) << name;
    EXPECT_EQ(std::memcmp(schedule.get(), &window->State().PaintDurationGrid(), sizeof *schedule),
              0)
        << name;
  }
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(Rules, VolumeOkResetsTheIndividualsDefaults) {
  Record().BodyWeight = 55.5;
  onDialog = [this](QDialog &) {
    Record().BldgVolume = 20000.0;
    return int(QDialog::Accepted);
  };
  Click("btnEditVolume");
  EXPECT_EQ(Record().BldgVolume, 20000.0);
  EXPECT_EQ(Find<TNumEdit>("numedBldgVolume")->Value(), 20000.0);
  EXPECT_EQ(Record().BodyWeight, window->State().GetDefaultBodyWt());
}

}  // namespace
}  // namespace lumo::test
