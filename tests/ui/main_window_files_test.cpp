// New, Open, Save and closing on the main window: failures that change
// nothing, a round trip of the whole scenario, and the confirmations.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "help_files.h"
#include "main_window_fixture.h"
#include "more_info_button.h"
#include "num_edit.h"

namespace lumo::test {
namespace {

using Files = MainWindowTest;

TEST_F(Files, OpenOfAMissingFileChangesNothingAndSaysSoOnce) {
  const ScenarioRecord before = Record();
  const QString title = window->windowTitle();
  chosenFile = dir->filePath("nowhere.vkx");
  window->Open1Click();
  EXPECT_EQ(fileDialogTitles, QStringList{"Load  LUMO File"});
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.Messages()[0].caption, "A Small Error");
  EXPECT_TRUE(messages.LastText().contains("Does not Exist"));
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_TRUE(SameRecord(before, Record()));
}

TEST_F(Files, OpenOfACorruptFileChangesNothing) {
  chosenFile = dir->filePath("short.vkx");
  for (const char *name : {"short.vkx", "short.vk1"}) {
    QFile f(dir->filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a scenario");
  }
  const ScenarioRecord before = Record();
  window->Open1Click();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().startsWith("File is Corrupt or Incomplete"));
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)");
  EXPECT_TRUE(SameRecord(before, Record()));
}

TEST_F(Files, SaveThenOpenKeepsEveryFieldAndTheSchedule) {
  auto &r = Record();
  r.BldgVolume = 23456.5;
  r.AirExchangeRate = 0.61;
  r.PrimerCoats = 2;
  r.PaintCoats = 3;
  r.PercentPainted = 37.5;
  r.InterzonalAirflow = 1234.5;
  r.PaintType = PaintType::Alkyd;
  r.PrimerDensity = 5100;
  r.PrimerWeightFraction = 0.02;
  r.PaintWeightFraction = 0.03;
  r.PaintEmissionsModel = EmissionsModelType::SemiEmpirical;
  r.Sinks.SinkModel = SinkModelType::Reversible;
  r.Sinks.AdsorptionRate[2] = 0.7;
  r.IndividualType = IndividualType::Adult;
  r.IndividualLocation = IndividualLocationType::NotBuilding;
  r.Gender = GenderType::Female;
  r.EventsinLifeTime = 77;
  r.LifeTime = 70.5;
  r.BodyWeight = 64.25;
  r.WeekDayPattern.BreathingRate[0] = 12.5;
  r.Title.SetText("Bedroom repaint");
  r.Notes.SetText("Second coat only");
  r.RunLength = 30;
  r.ReportInterval = 15;
  r.ChemicalName.SetText("Mystery solvent");
  r.MolecularWeight = 99.5;
  r.VaporPressure = 3.25;
  // A breathing rate edited in the painting pattern.
  window->State().PaintDurationGrid().SetCell(PaintDurationGrid::kBreathingRate, 0, "33.30");
  window->ShowState();

  chosenFile = dir->filePath("round.vkx");
  window->Save1Click();
  EXPECT_EQ(fileDialogTitles.value(0), "Save LUMO File");
  EXPECT_EQ(messages.LastText(), "Saved as " + chosenFile);
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)- [" + chosenFile + "]");
  ScenarioRecord saved = Record();
  saved.ZeroPadding();
  const auto schedule = std::make_unique<PaintDurationGrid>(window->State().PaintDurationGrid());

  window->New1Click();
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)");
  EXPECT_EQ(Record().BldgVolume, 15583.0);
  EXPECT_EQ(Record().ChemicalName.Text(), "TMPD-MIB");

  messages.Clear();
  window->Open1Click();
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)- [" + chosenFile + "]");
  ScenarioRecord opened = Record();
  opened.ZeroPadding();
  EXPECT_TRUE(SameRecord(saved, opened));
  EXPECT_EQ(std::memcmp(schedule.get(), &window->State().PaintDurationGrid(), sizeof *schedule), 0);
  EXPECT_EQ(window->State().PaintDurationGrid().Cell(PaintDurationGrid::kBreathingRate, 0),
            "33.30");
  // The chemical this machine's list lacks keeps the file's values.
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().contains("not in the chemical list"));
  EXPECT_TRUE(!Find<QLabel>("lblChemicalNotListed")->isHidden());
  EXPECT_EQ(Find<QComboBox>("cbChemicalNames")->currentIndex(), -1);
  EXPECT_EQ(Find<TNumEdit>("numeditMolecularWt")->Value(), 99.5);
  EXPECT_EQ(Find<QLineEdit>("edTitle")->text(), "Bedroom repaint");
  EXPECT_EQ(Find<TNumEdit>("numedBodyWt")->Value(), 64.25);
}

TEST_F(Files, SaveFailureNamesTheCauseAndKeepsTheFileName) {
  const std::string name = Record().ScenarioFileName.Text();
  chosenFile = dir->filePath("no-such-folder/x.vkx");
  window->Save1Click();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_TRUE(messages.LastText().startsWith("Could not save as " + chosenFile + ": "));
  EXPECT_FALSE(messages.LastText().contains("Access Denied"));
  EXPECT_EQ(window->windowTitle(), "Lumora (LUMO)");
  EXPECT_EQ(Record().ScenarioFileName.Text(), name);

  // Cancelling the dialog changes nothing either.
  messages.Clear();
  chosenFile.clear();
  window->Save1Click();
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_EQ(Record().ScenarioFileName.Text(), name);
}

TEST_F(Files, NewAndExitAskFirstWhenThereAreChanges) {
  Record().BldgVolume = 1.0;
  messages.Answer(controls::MsgButton::Cancel);
  window->New1Click();
  EXPECT_EQ(messages.Messages()[0].caption, "Do you really want to do this?");
  EXPECT_TRUE(messages.Messages()[0].text.endsWith("Save them before all values are reset?"));
  EXPECT_EQ(Record().BldgVolume, 1.0);

  messages.Answer(controls::MsgButton::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(messages.Messages().last().caption, "Confirm");
  EXPECT_TRUE(messages.LastText().endsWith("Save them before exiting?"));
  messages.Answer(controls::MsgButton::Discard);
  EXPECT_TRUE(window->close());
}

TEST_F(Files, HelpAndInformationButtonsOpenTheirDocuments) {
  Click("btbtnHelp1");
  Click("Caveats");
  EXPECT_EQ(opened, (QStringList{"TRTFFormTips", "TfrmDispChemicals"}));
  EXPECT_EQ(titles.value(1), Find<QWidget>("Caveats")->toolTip());
  // The engine's help texts reached the more-information buttons.
  auto *volume = Find<TLUMOBtnMoreInfo>("mibVolume");
  EXPECT_FALSE(volume->String().isEmpty());
  EXPECT_NE(volume->String(), Find<TLUMOBtnMoreInfo>("mibAirExchange")->String());
}

TEST_F(Files, EveryControlIsThereAndEveryHelpButtonHasItsDocument) {
  const char *controls[] = {"mainTabs",
                            "btnOpen",
                            "btnSave",
                            "btnSaveandExecute",
                            "btnExit",
                            "Caveats",
                            "gbPaintedBuilding",
                            "edOtherEditbtn",
                            "btnEditVolume",
                            "btnEditPercentPainted",
                            "btnEditAirflows",
                            "rbScenarioEntireBuilding",
                            "lblEntireBuilding",
                            "rbScenarioOneBedroom",
                            "lblPartofBuilding",
                            "numedResidencePercentPainted",
                            "numedBldgVolume",
                            "numedAirExchange",
                            "gbPaintedSurface",
                            "rbScenarioWallsOnly",
                            "rbScenarioCeilingsOnly",
                            "rbWallsandCeiling",
                            "edPrimerCoats",
                            "edPaintCoats",
                            "numedPaintedSurfaceArea",
                            "btnEditPaintedSurfaceArea",
                            "btnEditAmountofPaint",
                            "btnEditPaintingDuration",
                            "btbtnDefSnrio",
                            "rbLatexFlat",
                            "rbLatexSemigloss",
                            "rbAlkyd",
                            "cbChemicalNames",
                            "btnChemicalEditAdd",
                            "btbtnDispChem",
                            "numeditMolecularWt",
                            "numeditVaporPressure",
                            "numeditPrimerWeightFraction",
                            "numedPaintWeightFraction",
                            "btnPrimerEmissions",
                            "Button1",
                            "edPrimerEmissionsValue",
                            "edPaintEmissionsValue",
                            "btnSink",
                            "edIndoorSinksValue",
                            "numeditPrimerSpecDensity",
                            "numeditPaintSpecDensity",
                            "btnSpecificDensity",
                            "rgIndividual",
                            "btnWeekday",
                            "btnWeekend",
                            "btnPainting",
                            "numedExposure",
                            "btnExposure",
                            "numedLifetime",
                            "btnLifetime",
                            "numedBodyWt",
                            "btnBodyWeight",
                            "rggender",
                            "rgLocation",
                            "edTitle",
                            "edProjNotes",
                            "numedRun",
                            "speditReportInterval",
                            "btnExecute",
                            "btnSaveExecute",
                            "btnPrintReport",
                            "btbtnModLimit",
                            "barPercentComplete",
                            "btnClear",
                            "edLADD",
                            "edADD",
                            "edADPR",
                            "edADPRTime",
                            "edSingleDose",
                            "edLADC",
                            "edADC",
                            "edCPeak",
                            "edC15min",
                            "edC8hr",
                            "edLADCPPM",
                            "edADCPPM",
                            "edCPeakPPM",
                            "edC15minPPM",
                            "edC8hrPPM",
                            "MainMenu1"};
  for (const char *name : controls) EXPECT_NO_THROW(Find<QWidget>(name)) << name;

  const char *help[] = {"btbtnHelp1",
                        "btbtnHelp2",
                        "btbtnHelp3",
                        "btbtnHelp4",
                        "btbtnHelp5",
                        "btbtnHelp6",
                        "btbtnHelp7",
                        "btbtnHelp8",
                        "btbtnHelp9",
                        "btbtnHelp10",
                        "btnTypeofPaintHlp",
                        "btnChemEditAddHlp",
                        "btnPrimerEmissionsHlp",
                        "btnIndoorSinkHlp",
                        "btnhlpInterval",
                        "btnhlpExecute",
                        "bthhlpPercentCompletion",
                        "btnhlpExposedIndividual",
                        "btnhlpGender",
                        "btnhlpWeekdayWeekendPattern",
                        "btnhlpPatternDurPt",
                        "btnhlpEditExposureEvents",
                        "btnhlpYearsInLifetime",
                        "btnhlpEditBodyWeight",
                        "btnhlpIndividualLocation",
                        "Caveats",
                        "btbtnDefSnrio",
                        "btbtnDispChem",
                        "btbtnModLimit"};
  for (const char *name : help) {
    auto *button = Find<QAbstractButton>(name);
    const QString path = controls::HelpFilePath(button->property("Tag").toInt());
    EXPECT_TRUE(QFile::exists(path)) << name << " " << path.toStdString();
    EXPECT_FALSE(button->toolTip().isEmpty()) << name;
    opened.clear();
    button->click();
    EXPECT_EQ(opened.size(), 1) << name;
  }
}

}  // namespace
}  // namespace lumo::test
