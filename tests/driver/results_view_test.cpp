// What the results area says: results are shown only as what they are, and
// a stopped or failed run never looks like a run with results.
#include "results_view.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

bool Has(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

TEST(ResultsView, StoredResultsAreShownForWhatTheyAre) {
  const ResultsView none = ViewOfResults(ResultsState::None, {});
  EXPECT_FALSE(none.numbers);
  EXPECT_TRUE(Has(none.status, "No results"));

  const ResultsView current = ViewOfResults(ResultsState::Current, {LastRun::Completed, 100});
  EXPECT_TRUE(current.numbers);
  EXPECT_TRUE(current.current);
  EXPECT_EQ(current.status, "Results of the current inputs.");

  const ResultsView old = ViewOfResults(ResultsState::OutOfDate, {LastRun::Completed, 100});
  EXPECT_TRUE(old.numbers);
  EXPECT_FALSE(old.current);
  EXPECT_TRUE(Has(old.status, "Out of date"));

  const ResultsView unknown = ViewOfResults(ResultsState::UnknownInputs, {});
  EXPECT_TRUE(unknown.numbers);
  EXPECT_FALSE(unknown.current);
  EXPECT_TRUE(Has(unknown.status, "without a record of the inputs"));
}

TEST(ResultsView, AStoppedOrFailedRunSaysSoWhateverIsStored) {
  for (ResultsState state : {ResultsState::None, ResultsState::Current, ResultsState::OutOfDate,
                             ResultsState::UnknownInputs}) {
    const ResultsView stopped = ViewOfResults(state, {LastRun::Stopped, 37});
    EXPECT_TRUE(Has(stopped.status, "stopped at 37 %; it has no results")) << stopped.status;
    EXPECT_EQ(stopped.current, state == ResultsState::Current);
    const ResultsView failed = ViewOfResults(state, {LastRun::Failed, 12});
    EXPECT_TRUE(Has(failed.status, "failed; it has no results")) << failed.status;
  }
  // Results kept from an earlier run of the same inputs are still theirs.
  EXPECT_TRUE(Has(ViewOfResults(ResultsState::Current, {LastRun::Stopped, 5}).status,
                  "earlier complete run of these same inputs"));
  EXPECT_TRUE(Has(ViewOfResults(ResultsState::OutOfDate, {LastRun::Stopped, 5}).status,
                  "belong to earlier inputs"));
}

TEST(ResultsView, NothingIsShownWhileARunGoes) {
  const ResultsView running = ViewOfResults(ResultsState::Current, {LastRun::Running, 0});
  EXPECT_FALSE(running.numbers);
  EXPECT_TRUE(Has(running.status, "Running"));
}

}  // namespace
}  // namespace lumo
