// The engine's TransferRecord as a fuzz input, and back.
//
// The input lays the record out field by field, little-endian, every float
// and int32 taken raw (so NaN, infinities, huge, tiny and negative values
// occur), in the record's own order:
//
//   u8  zones: 0xFF = an int32 follows and is the count as it stands;
//       otherwise 1 + (zones & 1)
//   3 × f32 initial concentrations, 2 × f32 volumes
//   lists, each a count byte and its entries:
//       air flows one (f32), air flows two (f32), primary activities
//       (i32 zone, f32 days, f32 breathing rate), secondary activities,
//       overrides (i32 zone, f32 enter, f32 exit, f32 breathing rate),
//       emission increments (i32 zone, f32 start, f32 mass, f32 rate,
//       f32 duration), first-order sinks (i32 type, i32 zone, f32 rate),
//       Langmuir sinks (i32 type, i32 zone, 4 × f32)
//     count byte: 0xFF = the count -1 (list present), 0xFE = a count byte
//     follows and the list address is null, otherwise the count is the byte
//     limited to kMaxListEntries
//   u8  day types: 0 = a null list, otherwise 7 × i32
//   8 × f32 saturation, start, end, report interval, events per year, body
//       weight, years of exposure, average lifetime
//   u8  file name length L (0xFF = null name), L bytes
//
// The lists live in the EngineRecordInput, which must outlive the record's
// use; every list address points into it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_bytes.h"
#include "lumo32.h"

namespace lumo::fuzz {

inline constexpr int kMaxListEntries = 64;

struct EngineRecordInput {
  TransferRecord record{};
  std::vector<float> airFlowOne, airFlowTwo;
  std::vector<ActivityRecord> primary, secondary;
  std::vector<OverrideRecord> overrides;
  std::vector<EmissionRateIncrementalRecord> emissions;
  std::vector<FirstOrderSinkRecord> firstOrderSinks;
  std::vector<LangmuirSinkRecord> langmuirSinks;
  std::array<std::int32_t, 7> days{};
  std::string fileName;

  EngineRecordInput() = default;
  EngineRecordInput(const EngineRecordInput &) = delete;
  EngineRecordInput &operator=(const EngineRecordInput &) = delete;
};

// Reads a record from the input; `out` must be freshly made.
void ReadEngineRecord(FuzzBytes &in, EngineRecordInput &out);

// The input that reads back as `record` (lists longer than kMaxListEntries
// are cut; a list with a negative count or a null address is written as
// such).
std::string WriteEngineRecord(const TransferRecord &record);

}  // namespace lumo::fuzz
