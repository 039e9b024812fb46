// The sentences for a run that failed on the way, from what the engine
// answered.
#pragma once

#include <string>

namespace lumo {

// `engineAnswer` is the negative answer of _OneLoop (the engine's failure
// codes, or anything else that is not a percentage); `percentDone` the last
// percentage the run reached; `csvFile` its concentration file.
std::string RunFailureText(double engineAnswer, double percentDone, const std::string &csvFile);

// The run went to its end but the engine wrote no finite results.
std::string ResultsNotFiniteText();

}  // namespace lumo
