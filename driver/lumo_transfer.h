// LumoTransfer: the scenario object the program instantiates. It extends the
// scenario state with the engine's inputs as the last run was given them
// (assemble_engine_inputs.h: metric units, 32-bit floats) and runs them.
//
// FillTransferRecord assembles the inputs from the scenario and writes the
// emission dump beside the program; ExecuteLUMO then hands a copy of them to
// the run worker, so the scenario may change while a run goes on.
#pragma once

#include <cstdint>
#include <string>

#include "engine_run_inputs.h"
#include "lumo32.h"
#include "lumo_state.h"
#include "program_layout.h"
#include "run_notifications.h"
#include "xfer_thread.h"
#include "zone_air.h"

namespace lumo {

class LumoTransfer : public TLumoState {
 public:
  // ft³ to m³, and per hour to per day.
  static constexpr double kCubicFeetToCubicMetres = ::lumo::kCubicFeetToCubicMetres;
  static constexpr double kHoursPerDay = ::lumo::kHoursPerDay;

  // `programDirectory` is where the engine library is loaded from and where
  // the two diagnostic files ("emission.csv", "xferlumo32.txt") and the
  // start-up scenario go; by default the running program's layout
  // (program_layout.h).
  LumoTransfer();
  explicit LumoTransfer(std::string programDirectory);
  // The engine from the layout's engine folder, the diagnostic files in its
  // diagnostics folder, the start-up scenario in its scenario folder.
  explicit LumoTransfer(const platform::ProgramLayout &layout);
  ~LumoTransfer() override;

  // The folder the engine library is loaded from.
  const std::string &ProgramDirectory() const { return programDirectory_; }
  // Where "emission.csv" and "xferlumo32.txt" are written.
  const std::string &DiagnosticsDirectory() const { return diagnosticsDirectory_; }
  // The start-up scenario's file name (not read; its CSV goes beside it).
  const std::string &StartupScenarioName() const { return startupScenario_; }

  // 1 when more than 99 % of the building is painted, otherwise 2.
  std::int32_t NumZones() const;

  // Assembles the record from the scenario (AssembleEngineRecord: throws
  // EScenarioCheck naming the field and its allowed range, and nothing
  // changes), then writes the emission dump "emission.csv" in the program's
  // directory (throws platform::FileError when it cannot) and keeps the
  // record. Does not start anything.
  void FillTransferRecord();

  // The record as last filled; its lists point into this object.
  const TransferRecord &Record() const { return record_; }

  // The two names the engine is given: the input dump in the program's
  // directory, and the concentration CSV (the scenario file's name with
  // its extension replaced by ".CSV").
  std::string DumpFileName() const;
  std::string ConcentrationFileName();

  // ---- Running -----------------------------------------------------------

  // Fills the record (FillTransferRecord; its errors propagate and nothing
  // is started), checks that the concentration file and the input dump can
  // be written (platform::FileError naming the file and the cause when
  // not), then starts the run worker on a copy of it. Returns the
  // run's id, or 0 when a run is still going or no thread could be created
  // (`error` says which). The results in the scenario are not touched until
  // AfterExecution.
  RunId ExecuteLUMO(RunNotifications &owner, std::string *error = nullptr);
  // Asks the current run to stop after its current report interval.
  void StopExecution();
  // Copies a finished run's results into the scenario's results, widened to
  // doubles, and stamps them with the checksum of the inputs the newest run
  // started with (results_provenance.h). Called by the owner on the Done
  // notification of that run.
  bool AfterExecution(const ExecutionResultsRecord &results);
  // The worker, for owners that wait for it or ask whether it is idle.
  XferThread &Worker() { return worker_; }

 private:
  std::string programDirectory_;
  std::string diagnosticsDirectory_;
  std::string startupScenario_;
  EngineRunInputs inputs_;
  TransferRecord record_{};      // bound to inputs_
  std::uint32_t runInputs_ = 0;  // checksum of the inputs of the newest run

  // Last: destroyed first, so no worker outlives the object.
  XferThread worker_;
};

}  // namespace lumo
