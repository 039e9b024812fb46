// What the results area of a window says about the scenario's results: are
// there numbers to show, do they belong to the inputs as they are, and one
// sentence that says so, given the state of the stored results and how the
// last run of this session ended.
#pragma once

#include <string>

#include "results_provenance.h"

namespace lumo {

struct LastRun {
  enum Phase { None, Running, Completed, Stopped, Failed };
  Phase phase = None;
  int percent = 0;  // how far a stopped run got
};

struct ResultsView {
  bool numbers = false;  // show the stored results (otherwise an empty display)
  bool current = false;  // they belong to the inputs as they are now
  std::string status;    // the sentence for the user
};

ResultsView ViewOfResults(ResultsState state, LastRun last);

}  // namespace lumo
