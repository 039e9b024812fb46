// Which inputs stored results belong to: the checksum a completed run leaves
// in the record, what changes it and what does not, and how a saved file
// carries it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "lumo_state.h"
#include "results_provenance.h"

namespace lumo {
namespace {

// A scenario as a run leaves it: defaults, its schedule, results stamped
// with its inputs.
struct RunScenario : TLumoState {
  RunScenario() {
    SetPaintDurationGrid();
    ScenarioRecord.LADD = 0.16;
    ScenarioRecord.C8hour = 5.3;
    StampResults(ScenarioRecord, InputsChecksum(ScenarioRecord, PaintDurationGrid()));
  }
  ResultsState State() const { return ClassifyResults(ScenarioRecord, PaintDurationGrid()); }
};

TEST(ResultsProvenance, NewScenarioHasNoneAndARunsResultsAreCurrent) {
  TLumoState fresh;
  EXPECT_EQ(ClassifyResults(fresh.ScenarioRecord, fresh.PaintDurationGrid()), ResultsState::None);
  RunScenario s;
  EXPECT_EQ(s.State(), ResultsState::Current);
  EXPECT_NE(s.ScenarioRecord.Reserved0, 0);
}

TEST(ResultsProvenance, AnyInputTheRunReadsMakesThemOutOfDate) {
  const std::pair<const char *, std::function<void(TLumoState &)>> edits[] = {
      {"volume", [](TLumoState &s) { s.ScenarioRecord.BldgVolume += 1; }},
      {"chemical", [](TLumoState &s) { s.ScenarioRecord.ChemicalName.SetText("Toluene"); }},
      {"molecular weight", [](TLumoState &s) { s.ScenarioRecord.MolecularWeight = 92.14; }},
      {"sink", [](TLumoState &s) { s.ScenarioRecord.Sinks.SinkArea[2] = 1; }},
      {"gender", [](TLumoState &s) { s.ScenarioRecord.Gender = GenderType::Female; }},
      {"run length", [](TLumoState &s) { s.ScenarioRecord.RunLength = 30; }},
      {"report interval", [](TLumoState &s) { s.ScenarioRecord.ReportInterval = 15; }},
      {"weekday entry",
       [](TLumoState &s) { s.ScenarioRecord.WeekDayPattern.BreathingRate[0] += 1; }},
      {"weekend count", [](TLumoState &s) { s.ScenarioRecord.WeekEndPattern.Count += 1; }},
      {"schedule cell",
       [](TLumoState &s) {
         s.PaintDurationGrid().SetCell(PaintDurationGrid::kBreathingRate, 0, "30.00");
       }},
      {"schedule rows", [](TLumoState &s) { s.PaintDurationGrid().RowCount -= 1; }},
  };
  for (const auto &[what, edit] : edits) {
    RunScenario s;
    edit(s);
    EXPECT_EQ(s.State(), ResultsState::OutOfDate) << what;
  }
}

TEST(ResultsProvenance, WhatARunDoesNotReadKeepsThemCurrent) {
  const std::pair<const char *, std::function<void(TLumoState &)>> edits[] = {
      {"title", [](TLumoState &s) { s.ScenarioRecord.Title.SetText("Kitchen, May"); }},
      {"notes", [](TLumoState &s) { s.ScenarioRecord.Notes.SetText("checked by J."); }},
      {"file name", [](TLumoState &s) { s.ScenarioRecord.ScenarioFileName.SetText("/x/y.vkx"); }},
      {"results", [](TLumoState &s) { s.ScenarioRecord.Cpeak = 7.9; }},
      {"padding", [](TLumoState &s) { s.ScenarioRecord.Pad141[3] = 0x55; }},
      {"schedule address", [](TLumoState &s) { s.ScenarioRecord.PaintDurationGrid[0] = 9; }},
      {"unused pattern slot", [](TLumoState &s) { s.ScenarioRecord.WeekEndPattern.Zone[19] = 2; }},
      {"bytes after a name",
       [](TLumoState &s) {
         auto &n = s.ScenarioRecord.ChemicalName;
         n.Chars[n.Length + 1] ^= 0x7f;
       }},
      {"unused schedule row",
       [](TLumoState &s) {
         auto &g = s.PaintDurationGrid();
         g.SetCell(PaintDurationGrid::kZone, g.Rows(), "2");
       }},
  };
  for (const auto &[what, edit] : edits) {
    RunScenario s;
    edit(s);
    EXPECT_EQ(s.State(), ResultsState::Current) << what;
  }
}

TEST(ResultsProvenance, ResultsWithoutAStampBelongToUnknownInputs) {
  RunScenario s;
  s.ScenarioRecord.Reserved0 = 0;  // as every file from before the stamp
  EXPECT_EQ(s.State(), ResultsState::UnknownInputs);
  ClearResults(s.ScenarioRecord);
  EXPECT_EQ(s.State(), ResultsState::None);
  EXPECT_FALSE(ResultsStateText(ResultsState::UnknownInputs).empty());
  EXPECT_TRUE(ResultsStateText(ResultsState::Current).empty());
}

TEST(ResultsProvenance, TheStampTravelsWithTheFileAndSurvivesANewName) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("lumo_provenance_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  RunScenario s;
  s.SaveState((dir / "run.vkx").string());
  TLumoState opened;
  opened.GetState((dir / "run.vkx").string());
  EXPECT_EQ(ClassifyResults(opened.ScenarioRecord, opened.PaintDurationGrid()),
            ResultsState::Current);
  // Changed and saved under another name: the results stay those of the
  // inputs they were computed for, so the file says they are out of date.
  opened.ScenarioRecord.AirExchangeRate = 2.0;
  opened.SaveState((dir / "changed.vkx").string());
  TLumoState reopened;
  reopened.GetState((dir / "changed.vkx").string());
  EXPECT_EQ(ClassifyResults(reopened.ScenarioRecord, reopened.PaintDurationGrid()),
            ResultsState::OutOfDate);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lumo
