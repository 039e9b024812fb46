#include "run_failure.h"

#include <cmath>

#include "lumo32.h"

namespace lumo {

namespace {

std::string WholePercent(double percent) {
  if (!std::isfinite(percent) || percent < 0) percent = 0;
  return std::to_string(static_cast<int>(std::floor(percent)));
}

}  // namespace

std::string RunFailureText(double engineAnswer, double percentDone, const std::string &csvFile) {
  const std::string when = "after " + WholePercent(percentDone) + " % of the run";
  if (engineAnswer == LUMO32_CSV_WRITE_FAILED)
    return "The concentration file " + csvFile + " could not be written " + when +
           " (is the disk full, or was the file removed?). The run was ended; it has no results.";
  return "The calculation failed " + when +
         ": it produced a number that is not finite. The run has no results. Check the "
         "scenario for values far outside their usual ranges.";
}

std::string ResultsNotFiniteText() {
  return "The calculation ran to its end but its results are not finite numbers; the run has "
         "no results. Check the scenario for values far outside their usual ranges.";
}

}  // namespace lumo
