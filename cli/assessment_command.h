// lumo-run --monte-carlo: one probabilistic assessment of one scenario,
// from the distribution file to the printed summary or JSON object and the
// samples file. Nothing runs when the file, the scenario or an output file
// is refused.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "assessment.h"
#include "assessment_report.h"
#include "assessment_run.h"
#include "command_line.h"
#include "program_layout.h"

namespace lumo::cli {

struct AssessmentCommandIo {
  std::string programDirectory;                    // the engine library and Chems.dat
  // When given, where the engine, the chemical list and the start-up
  // scenario are instead (program_layout.h).
  const platform::ProgramLayout *layout = nullptr;
  const std::atomic<bool> *interrupted = nullptr;  // Ctrl+C: stop, report what was done
  std::function<void(std::size_t done, std::size_t total)> progress;
  std::function<void()> runEnded;  // the cases have run (or stopped): before any output
  std::FILE *out = stdout;         // the summary or the JSON object
  std::FILE *err = stderr;         // messages, each starting with `program` and ": "
  std::string program = "lumo-run";
};

// The exit status: 0 done; 1 refused, failed or results not written; 130
// stopped by the user (the partial results printed).
int RunAssessmentCommand(const CommandLine &command, const AssessmentCommandIo &io);

// A seed when the distribution file gives none: from the system's entropy,
// recorded with the results so that the run can be repeated.
std::uint64_t ChooseSeed();

// Prints an assessment's summary, or its JSON with command.json, to `out`
// (named `outName` in messages), or into *text when given, and writes
// command.samples; the exit status as above (130 for a partial run).
int ReportAssessment(const CommandLine &command, const AssessmentCommandIo &io,
                     const AssessmentHeading &heading, const prob::Assessment &assessment,
                     const prob::AssessmentRun &run, std::FILE *out, const char *outName,
                     std::string *text = nullptr);

// lumo-run --merge OUT PART...: the shards' partial result files merged and
// reported as one process would have; 0 done, 1 refused or not written.
int RunMergeCommand(const CommandLine &command, const AssessmentCommandIo &io);

}  // namespace lumo::cli
