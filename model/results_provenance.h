// Which inputs the stored results belong to.
//
// A scenario keeps the ten results of its last run beside its inputs, and
// the inputs can change after the run (in the window, or in the file). So
// that results are never presented as those of inputs that did not produce
// them, a completed run stamps the record with a checksum of the inputs it
// ran (in Reserved0, which older files leave at 0). The checksum covers
// everything a run reads: the record's inputs, the activity patterns' entries
// in use and the painting schedule's rows in use; it leaves out the title,
// the notes, the file name, the results themselves, padding and unused
// slots, so that saving under another name or editing the notes keeps the
// results current.
#pragma once

#include <cstdint>
#include <string>

#include "paint_duration_grid.h"
#include "scenario_record.h"

namespace lumo {

// FNV-1a over the inputs as described above; never 0 (0 means "no stamp").
std::uint32_t InputsChecksum(const ScenarioRecord &record, const PaintDurationGrid &schedule);

enum class ResultsState {
  None,           // no stamp and every result 0: the scenario has not been run
  Current,        // the results belong to the inputs as they are now
  OutOfDate,      // the inputs have changed since the run that produced them
  UnknownInputs,  // results without a stamp: a file saved before stamps existed
};

ResultsState ClassifyResults(const ScenarioRecord &record, const PaintDurationGrid &schedule);

// Marks the record's results as those of the inputs with this checksum.
void StampResults(ScenarioRecord &record, std::uint32_t inputsChecksum);

// Forgets the results and their stamp (all ten results 0).
void ClearResults(ScenarioRecord &record);

// One sentence for the user about results that are not current; empty for
// Current.
std::string ResultsStateText(ResultsState state);

}  // namespace lumo
