#include "results_provenance.h"

#include <cstring>

namespace lumo {

namespace {

class Fnv1a {
 public:
  void Add(const void *data, std::size_t size) {
    const auto *p = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < size; ++i) {
      hash_ ^= p[i];
      hash_ *= 16777619u;
    }
  }
  template <typename T>
  void Add(const T &value) {
    Add(&value, sizeof value);
  }
  std::uint32_t Value() const { return hash_; }

 private:
  std::uint32_t hash_ = 2166136261u;
};

template <std::size_t N>
void ClearUnusedChars(ShortString<N> &s) {
  const std::size_t used = s.Length <= N ? s.Length : N;
  std::memset(s.Chars + used, 0, N - used);
}

template <std::size_t N>
void ClearText(ShortString<N> &s) {
  s.Length = 0;
  std::memset(s.Chars, 0, N);
}

void ClearUnusedEntries(ActivityPattern &p) {
  for (int i = p.Entries(); i < ActivityPattern::kMaxEntries; ++i)
    p.Zone[i] = p.EnterHour[i] = p.EnterMinute[i] = p.BreathingRate[i] = 0.0;
}

constexpr double ScenarioRecord::*kResults[] = {
    &ScenarioRecord::LADD,     &ScenarioRecord::ADD,
    &ScenarioRecord::LADC,     &ScenarioRecord::ADC,
    &ScenarioRecord::Cpeak,    &ScenarioRecord::APDR,
    &ScenarioRecord::APDRtime, &ScenarioRecord::SingleEventDose,
    &ScenarioRecord::C15min,   &ScenarioRecord::C8hour,
};

}  // namespace

std::uint32_t InputsChecksum(const ScenarioRecord &record, const PaintDurationGrid &schedule) {
  // The inputs in a canonical form: what a run does not read is zeroed.
  ScenarioRecord r = record;
  r.ZeroPadding();
  r.Reserved0 = 0;
  r.Reserved1 = 0;
  std::memset(r.PaintDurationGrid, 0, sizeof r.PaintDurationGrid);
  ClearUnusedChars(r.VolumeUnits);
  ClearUnusedChars(r.ChemicalName);
  ClearText(r.Title);
  ClearText(r.Notes);
  ClearText(r.ScenarioFileName);
  ClearUnusedEntries(r.WeekDayPattern);
  ClearUnusedEntries(r.WeekEndPattern);
  for (auto member : kResults) r.*member = 0.0;

  Fnv1a hash;
  hash.Add(r);
  const int rows = schedule.Rows();
  hash.Add(rows);
  for (int c = 0; c < PaintDurationGrid::kColumns; ++c) {
    for (int row = 0; row < rows; ++row) {
      const std::string bytes = schedule.Cells[c][row].Bytes();
      hash.Add(bytes.size());
      hash.Add(bytes.data(), bytes.size());
    }
  }
  return hash.Value() == 0 ? 1u : hash.Value();
}

ResultsState ClassifyResults(const ScenarioRecord &record, const PaintDurationGrid &schedule) {
  const auto stamp = static_cast<std::uint32_t>(record.Reserved0);
  if (stamp != 0)
    return stamp == InputsChecksum(record, schedule) ? ResultsState::Current
                                                     : ResultsState::OutOfDate;
  for (auto member : kResults)
    if (record.*member != 0.0) return ResultsState::UnknownInputs;
  return ResultsState::None;
}

void StampResults(ScenarioRecord &record, std::uint32_t inputsChecksum) {
  record.Reserved0 = static_cast<std::int32_t>(inputsChecksum);
}

void ClearResults(ScenarioRecord &record) {
  for (auto member : kResults) record.*member = 0.0;
  record.Reserved0 = 0;
}

std::string ResultsStateText(ResultsState state) {
  switch (state) {
    case ResultsState::Current:
      return {};
    case ResultsState::None:
      return "No results: this scenario has not been run.";
    case ResultsState::OutOfDate:
      return "No results for these inputs: they have changed since the last run. Run the "
             "scenario again (Execution page, Execute) to get its results.";
    case ResultsState::UnknownInputs:
      return "No results for these inputs: the file does not record which inputs its stored "
             "results belong to (it was saved by an earlier version). Run the scenario again "
             "(Execution page, Execute) to get its results.";
  }
  return {};
}

}  // namespace lumo
