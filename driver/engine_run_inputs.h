// Everything one engine run reads, held by value.
//
// The run's worker takes its inputs before it starts and owns them until it
// ends, so the scenario (and its record) can change, or the next run can be
// prepared, while a stopped worker is still winding down. The engine keeps
// the record's address from _InitLmuo until _GetValues; the worker keeps the
// bound record in its own frame for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lumo32.h"

namespace lumo {

struct EngineRunInputs {
  // The record's own values; its list addresses and file name are not used
  // (BindRecord points them into the vectors below).
  TransferRecord record{};
  std::vector<float> airFlowOne;
  std::vector<float> airFlowTwo;
  std::vector<ActivityRecord> primaryActivities;
  std::vector<ActivityRecord> secondaryActivities;
  std::vector<OverrideRecord> overrides;
  std::array<std::int32_t, 7> primaryDays{};
  std::vector<EmissionRateIncrementalRecord> emissions;
  std::vector<FirstOrderSinkRecord> firstOrderSinks;
  std::vector<LangmuirSinkRecord> langmuirSinks;
  std::string recordFileName;  // the record's `filename` (echoed in the dump)
  std::string dumpFileName;    // second argument of _InitLmuo; empty = no dump
  std::string csvFileName;     // third argument of _InitLmuo; empty = no CSV
};

// Copies a filled record and the first `Entries` elements of each of its
// lists. A list with a negative count, or a positive count and no array, is
// copied as empty.
EngineRunInputs SnapshotRecord(const TransferRecord &record, std::string dumpFileName,
                               std::string csvFileName);

// The record the engine gets: `inputs.record` with every list and the file
// name pointing into `inputs`. Valid while `inputs` lives and is not changed.
TransferRecord BindRecord(EngineRunInputs &inputs);

}  // namespace lumo
