// LumoTransfer: the scenario object the program instantiates. It extends the
// scenario state with fixed storage for the engine's input lists, turns the
// scenario into the engine's TransferRecord (metric units: m³, m³/day, days)
// and runs it.
//
// The setting operations copy and convert the scenario, its derived
// quantities and the painting schedule into the record; values are computed
// in double precision and stored as 32-bit floats. ExecuteLUMO calls them in
// the order their data needs (volumes before airflows, the override list
// before the emission list), then hands a copy of the finished record to the
// run worker, so the scenario may change while a run goes on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine_run_inputs.h"
#include "lumo32.h"
#include "lumo_state.h"
#include "run_notifications.h"
#include "xfer_thread.h"
#include "zone_air.h"

namespace lumo {

class LumoTransfer : public TLumoState {
 public:
  static constexpr int kMaxEmissionEntries = 2 * lumo::PaintDurationGrid::kMaxRows;
  static constexpr int kMaxActivityEntries = 100;
  static constexpr int kMaxOverrideEntries = lumo::PaintDurationGrid::kMaxRows;
  static constexpr int kSinkEntries = SinkBlock::kSinks;
  // ft³ to m³, and per hour to per day.
  static constexpr double kCubicFeetToCubicMetres = ::lumo::kCubicFeetToCubicMetres;
  static constexpr double kHoursPerDay = ::lumo::kHoursPerDay;

  // `programDirectory` is where the engine library is loaded from and where
  // the two diagnostic files ("emission.csv", "xferlumo32.txt") are written;
  // by default the running program's own folder.
  LumoTransfer();
  explicit LumoTransfer(std::string programDirectory);
  ~LumoTransfer() override;

  const std::string &ProgramDirectory() const { return programDirectory_; }

  // ---- Record assembly (each fills its part of Record()) -----------------

  // 1 when more than 99 % of the building is painted, otherwise 2.
  std::int32_t NumZones() const;
  void SetVolumeRecord();
  void SetAirFlowRecordOne();
  void SetAirFlowRecordTwo();
  void SetInitialConcentrationRecord();
  void SetPrimaryActivityPatternList();    // from the weekday pattern
  void SetSecondaryActivityPatternList();  // from the weekend pattern
  // One entry per schedule row; needs NumZones.
  void SetOverridePatternList();
  void SetPrimaryDaysList();
  // One increment per schedule row and exponential; writes "emission.csv"
  // in the program's directory (throws platform::FileError when it cannot).
  // Needs the override list. Rows are priming rows as the schedule builder
  // makes them for the current inputs (throws ETooManyOverrideRows when the
  // inputs need more than 800 rows).
  void SetEmissionRateIncrementalList();
  void SetFirstOrderSinkList();
  void SetLangmuirSinkList();

  // Checks the scenario (throws EScenarioCheck naming the field and its
  // allowed range), then fills the whole record: every list, the run
  // constants and the results-file name. Does not start anything.
  void FillTransferRecord();

  // The record as filled so far; its lists point into this object.
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
  void FillActivityList(const ActivityPattern &pattern,
                        std::array<ActivityRecord, kMaxActivityEntries> &storage,
                        ActivityList &list) const;

  std::string programDirectory_;
  TransferRecord record_{};
  std::uint32_t runInputs_ = 0;  // checksum of the inputs of the newest run

  // The engine's list storage.
  std::array<float, 2> airFlowOne_{};
  std::array<float, 4> airFlowTwo_{};
  std::array<std::int32_t, 7> dayTypes_{};
  std::array<EmissionRateIncrementalRecord, kMaxEmissionEntries> emissions_{};
  std::array<ActivityRecord, kMaxActivityEntries> weekdayActivities_{};
  std::array<ActivityRecord, kMaxActivityEntries> weekendActivities_{};
  std::array<OverrideRecord, kMaxOverrideEntries> overrides_{};
  std::array<LangmuirSinkRecord, kSinkEntries> langmuirSinks_{};
  std::array<FirstOrderSinkRecord, kSinkEntries> firstOrderSinks_{};

  // Last: destroyed first, so no worker outlives the object.
  XferThread worker_;
};

}  // namespace lumo
