// Fuzz target: a scenario file and its schedule file (input layout in
// scenario_input.h) along the whole path the program takes with a file it
// is given: open it, show what the windows derive from it, check it, fill
// the engine's record, and run the engine for a bounded time.
//
// Checked besides the sanitizers: a file that is refused leaves the
// scenario as it was; only files of the exact sizes open; what opens is
// byte for byte what the files hold (padding read as zero, the file name
// set); saving it again writes those bytes; the check and the record
// assembly agree on what they refuse; and the engine's interface rules
// (bounded_run.h).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "activity_pattern_cells.h"
#include "bounded_run.h"
#include "engine_run_inputs.h"
#include "fuzz_support.h"
#include "lumo_transfer.h"
#include "scenario_check.h"
#include "scenario_input.h"
#include "scenario_rules.h"
#include "sink_values.h"

namespace {

using namespace lumo;
using namespace lumo::fuzz;

// Everything the windows show of an opened scenario that the model computes.
// Each must be total over the record's bytes.
void ShowDerivedQuantities(LumoTransfer &s) {
  const ScenarioRecord &r = s.ScenarioRecord;
  std::string texts;
  for (const auto *text :
       {&r.VolumeUnits, &r.ChemicalName, &r.Title, &r.Notes, &r.ScenarioFileName})
    texts += text->Text();
  texts += s.DaytoString() + s.SinkModeltoString() + s.BldgTypetoString() + s.PaintTypetoString() +
           s.PrimerEmissionsModelTypetoString() + s.PaintEmissionsModelTypetoString() +
           s.IndividualTypetoString() + s.IndividualLocationTypetoString() + s.GenderToString() +
           s.GetCSVName();
  volatile double sum =
      s.GetVolumePainted() + s.GetPrimeVolume() + s.GetPaintVolume() + s.GetPrimerHours() +
      s.GetPaintHours() + s.GetPrimerDays() + s.GetPaintDays() + s.GetCalculatedSurfaceArea() +
      s.CalcInterZonalAirFlow() + s.GetZone() + s.GetDefaultEventsPerYear() +
      s.GetDefaultYearsofExposure() + s.GetDefaultEventsinLifeTime() + s.GetDefaultLifeTime() +
      s.GetDefaultBodyWt() + static_cast<int>(s.GetDefaultLocation());
  (void)sum;
  for (const ActivityPattern &p : {r.WeekDayPattern, r.WeekEndPattern,
                                   s.GetWeekDayActivityPattern(), s.GetWeekEndActivityPattern()})
    for (const PatternLineCells &line : PatternToCells(p)) texts += line[0] + line[3];
  for (int i = 0; i < SinkBlock::kSinks; ++i)
    texts += FormatSinkArea(r.Sinks.SinkArea[i]) + FormatSinkRate(r.Sinks.AdsorptionRate[i]) +
             FormatSinkRate(r.Sinks.DesorptionRate[i]);
  const lumo::PaintDurationGrid &grid = s.PaintDurationGrid();
  for (int row = 0; row < grid.Rows(); ++row)
    for (int column = 0; column < lumo::PaintDurationGrid::kColumns; ++column)
      texts += grid.Cell(column, row) + (grid.CellNumber(column, row) ? "#" : "");
  try {
    s.CountPaintDurationGridRows();
  } catch (const ETooManyOverrideRows &) {
  }
}

// The record file's bytes as the scenario holds them once opened as `name`.
std::string RecordAsOpened(const std::string &file, const std::string &name) {
  ScenarioRecord record;
  std::memcpy(&record, file.data(), sizeof record);
  record.ZeroPadding();
  record.ScenarioFileName.SetText(name);
  return std::string(reinterpret_cast<const char *>(&record), sizeof record);
}

std::string Bytes(const void *data, std::size_t size) {
  return std::string(static_cast<const char *>(data), size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzBytes in(data, size);
  const ScenarioInput input = ReadScenarioInput(in);
  static const std::string name = ScratchFile("scenario.vkx");
  static const std::string copy = ScratchFile("copy.vkx");
  WriteWholeFile(name, input.scenarioFile);
  WriteWholeFile(CompanionFileName(name), input.scheduleFile);

  auto scenario = std::make_unique<LumoTransfer>(ScratchFolder());
  const std::string recordBefore = Bytes(&scenario->ScenarioRecord, sizeof(ScenarioRecord));
  const std::string gridBefore =
      Bytes(&scenario->PaintDurationGrid(), sizeof(lumo::PaintDurationGrid));
  try {
    scenario->GetState(name);
  } catch (const ELumoError &e) {
    Trace("scenario: not opened: %s", e.what());
    Require(
        Bytes(&scenario->ScenarioRecord, sizeof(ScenarioRecord)) == recordBefore &&
            Bytes(&scenario->PaintDurationGrid(), sizeof(lumo::PaintDurationGrid)) == gridBefore,
        "a file that does not open leaves the scenario as it was");
    return 0;
  }
  Require(input.scenarioFile.size() == kScenarioFileSize &&
              input.scheduleFile.size() == kScheduleFileSize,
          "only files of the exact sizes open");
  const std::string opened = RecordAsOpened(input.scenarioFile, name);
  Require(Bytes(&scenario->ScenarioRecord, sizeof(ScenarioRecord)) == opened,
          "the record opened is the file's bytes with zero padding and the file's name");
  Require(
      Bytes(&scenario->PaintDurationGrid(), sizeof(lumo::PaintDurationGrid)) == input.scheduleFile,
      "the schedule opened is the schedule file's bytes");

  scenario->SaveState(copy);
  Require(ReadWholeFile(copy) == opened, "saving writes the record as it was opened");
  Require(ReadWholeFile(CompanionFileName(copy)) == input.scheduleFile,
          "saving writes the schedule as it was opened");
  scenario->ScenarioRecord.ScenarioFileName.SetText(name);

  if (input.windowOpen) rules::ApplyRefillDerivations(*scenario, true);
  ShowDerivedQuantities(*scenario);

  const auto problem = FindScenarioProblem(scenario->ScenarioRecord, scenario->PaintDurationGrid());
  try {
    scenario->FillTransferRecord();
  } catch (const EScenarioCheck &e) {
    Trace("scenario: refused: %s", e.what());
    Require(problem.has_value() && *problem == e.what(),
            "the record is refused with the check's own sentence");
    return 0;
  } catch (const ETooManyOverrideRows &e) {
    Trace("scenario: not assembled: %s", e.what());
    Require(!problem.has_value(), "a scenario the check refuses is not assembled");
    return 0;
  }
  Require(!problem.has_value(), "a scenario the check refuses is not assembled");

  EngineRunInputs run = SnapshotRecord(scenario->Record(), scenario->DumpFileName(),
                                       scenario->ConcentrationFileName());
  TransferRecord record = BindRecord(run);
  RunBounds bounds;
  // A whole day: one-day runs complete and report their results.
  bounds.maxCalls = 1500;
  bounds.maxDays = 1.01;
  const RunOutcome outcome =
      RunBounded(record, run.dumpFileName.c_str(), run.csvFileName.c_str(), bounds);
  if (outcome.getValuesAnswer == 1) scenario->AfterExecution(outcome.results);
  return 0;
}
