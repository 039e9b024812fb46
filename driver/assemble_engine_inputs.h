// The engine's inputs made from a scenario (its record and painting
// schedule): zones, volumes, airflows, initial concentrations, the activity
// lists, the painting-event override list from the schedule, the day types,
// the emission increments, the sink lists and the run constants, in the
// engine's metric units (m³, m³/day, days), each value computed in double
// precision and stored as a 32-bit float.
//
// The assembly reads only its arguments: it writes no file and touches no
// shared state, so any number of threads may assemble at once (each from a
// scenario no other thread changes meanwhile). The program's own run
// (LumoTransfer::FillTransferRecord) uses the same assembly and then writes
// the emission dump beside the program.
#pragma once

#include <span>
#include <string>

#include "engine_run_inputs.h"
#include "paint_duration_grid.h"
#include "scenario_record.h"
#include "variable_inputs.h"

namespace lumo {

struct EngineAssembly {
  // The record with its lists. recordFileName is the concentration file's
  // name (CSVFileName of the scenario file), as the record names it; the
  // dump and CSV names are empty: a run of these inputs writes no file
  // unless its caller names one.
  EngineRunInputs inputs;
  // The text of the emission dump "emission.csv".
  std::string emissionDump;
};

// Checks the scenario first (throws EScenarioCheck with the sentence that
// names the field and its allowed range), then assembles its inputs.
EngineAssembly AssembleEngineRecord(const ScenarioRecord &scenario,
                                    const PaintDurationGrid &schedule);

// The same, the inputs only.
EngineRunInputs AssembleEngineInputs(const ScenarioRecord &scenario,
                                     const PaintDurationGrid &schedule);

// The inputs of one iteration of an assessment: a copy of the scenario with
// `values` applied as the program applies them (ApplyVariableInputs; its
// EVariableInput propagates), then assembled. The scenario is not changed.
EngineRunInputs AssembleVariedInputs(const ScenarioRecord &scenario,
                                     const PaintDurationGrid &schedule,
                                     std::span<const VariedValue> values);

}  // namespace lumo
