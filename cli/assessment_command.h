// lumo-run --monte-carlo: one probabilistic assessment of one scenario,
// from the distribution file to the printed summary or JSON object and the
// samples file. Nothing runs when the file, the scenario or an output file
// is refused.
#pragma once

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>

#include "command_line.h"

namespace lumo::cli {

struct AssessmentCommandIo {
  std::string programDirectory;                    // the engine library and Chems.dat
  const std::atomic<bool> *interrupted = nullptr;  // Ctrl+C: stop, report what was done
  std::function<void(std::size_t done, std::size_t total)> progress;
  std::function<void()> runEnded;  // the cases have run (or stopped): before any output
  std::FILE *out = stdout;         // the summary or the JSON object
  std::FILE *err = stderr;         // messages, each starting "lumo-run: "
};

// The exit status: 0 done; 1 refused, failed or results not written; 130
// stopped by the user (the partial results printed).
int RunAssessmentCommand(const CommandLine &command, const AssessmentCommandIo &io);

// lumo-run --merge OUT PART...: the shards' partial result files merged and
// reported as one process would have; 0 done, 1 refused or not written.
int RunMergeCommand(const CommandLine &command, const AssessmentCommandIo &io);

}  // namespace lumo::cli
