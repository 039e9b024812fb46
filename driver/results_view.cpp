#include "results_view.h"

namespace lumo {

namespace {

std::string StoredResultsText(ResultsState state, bool afterRun) {
  switch (state) {
    case ResultsState::None:
      return afterRun ? "" : "No results yet: press Execute to run the scenario.";
    case ResultsState::Current:
      return afterRun ? "The results shown are those of an earlier complete run of these same "
                        "inputs."
                      : "Results of the current inputs.";
    case ResultsState::OutOfDate:
      return afterRun ? "The results shown belong to earlier inputs."
                      : "Out of date: the inputs have changed since these results were "
                        "computed. Press Execute to update them.";
    case ResultsState::UnknownInputs:
      return afterRun ? "The results shown belong to unknown inputs."
                      : "These results were saved without a record of the inputs that "
                        "produced them (a file from an earlier version). Press Execute to "
                        "compute results for these inputs.";
  }
  return {};
}

}  // namespace

ResultsView ViewOfResults(ResultsState state, LastRun last) {
  ResultsView view;
  if (last.phase == LastRun::Running) {
    view.status = "Running...";
    return view;
  }
  view.numbers = state != ResultsState::None;
  view.current = state == ResultsState::Current;
  std::string run;
  if (last.phase == LastRun::Stopped)
    run = "The run was stopped at " + std::to_string(last.percent) + " %; it has no results.";
  else if (last.phase == LastRun::Failed)
    run = "The last run failed; it has no results.";
  const std::string stored = StoredResultsText(state, !run.empty());
  view.status = run.empty() ? stored : stored.empty() ? run : run + " " + stored;
  return view;
}

}  // namespace lumo
