#include "assessment_command.h"

#include <memory>
#include <random>
#include <vector>

#include "assessment_file.h"
#include "assessment_report.h"
#include "assessment_run.h"
#include "assessment_summary.h"
#include "chemical_file.h"
#include "default_scenario.h"
#include "engine_runs.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "result_report.h"
#include "variable_fields.h"

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "unknown"
#endif

namespace lumo::cli {

namespace {

// A seed when the file gives none: from the system's entropy, recorded
// with the results so that the run can be repeated.
std::uint64_t ChooseSeed() {
  std::random_device entropy;
  return (std::uint64_t{entropy()} << 32 | entropy()) & ((std::uint64_t{1} << 53) - 1);
}

bool Write(std::FILE *f, const std::string &text) {
  return std::fputs(text.c_str(), f) >= 0;
}

}  // namespace

int RunAssessmentCommand(const CommandLine &command, const AssessmentCommandIo &io) {
  auto fail = [&](const std::string &message) {
    std::fprintf(io.err, "lumo-run: %s\n", message.c_str());
    return 1;
  };

  prob::Assessment assessment;
  try {
    assessment = prob::ReadAssessmentFile(command.monteCarlo, prob::ScenarioVariableFields());
  } catch (const std::exception &e) {
    return fail(e.what());
  }

  auto scenario = std::make_unique<LumoTransfer>(io.programDirectory);
  std::string scenarioName;
  try {
    if (command.useDefault) {
      TFileChemical chemicals(io.programDirectory + platform::PathSeparator() + "Chems.dat");
      SetStartupScenario(*scenario, chemicals);
      scenarioName = scenario->ScenarioRecord.ScenarioFileName.Text();
    } else {
      scenarioName = command.files.front();
      scenario->GetState(scenarioName);
    }
  } catch (const std::exception &e) {
    const std::string message = e.what();
    return fail(scenarioName.empty() || message.find(scenarioName) != std::string::npos
                    ? message
                    : scenarioName + ": " + message);
  }

  if (!command.samples.empty()) {
    const std::string why = platform::FileWriteProblem(command.samples);
    if (!why.empty())
      return fail("The samples file " + command.samples + " cannot be written: " + why);
  }

  AssessmentHeading heading;
  heading.scenario = scenarioName;
  heading.distributionFile = command.monteCarlo;
  heading.version = LUMO_PROGRAM_VERSION;
  heading.seedChosen = !assessment.seed;
  const std::uint64_t seed = assessment.seed ? *assessment.seed : ChooseSeed();

  prob::AssessmentRun run;
  try {
    const EngineRuns engine(io.programDirectory);
    prob::RunOptions options;
    options.threads = static_cast<unsigned>(command.threads);
    options.stop = io.interrupted;
    options.progress = io.progress;
    run = prob::RunAssessment(*scenario, assessment, seed, engine, options);
    if (io.runEnded) io.runEnded();
  } catch (const std::exception &e) {
    if (io.runEnded) io.runEnded();
    return fail(scenarioName + ": " + e.what());
  }
  const prob::AssessmentSummary summary = prob::SummarizeAssessment(assessment, run);

  int status = run.partial ? 130 : 0;
  if (run.casesFailed > 0)
    std::fprintf(io.err, "lumo-run: %zu of %zu cases have no results (see the summary)\n",
                 run.casesFailed, run.casesRun);
  if (!run.partial && summary.iterationsRun > 0) {
    bool none = true;
    for (const prob::ResultSummary &r : summary.results) none &= r.statistics.count == 0;
    if (none) status = fail("No iteration of the assessment has results");
  }

  const std::string printed = command.json
                                  ? DumpJson(AssessmentJson(heading, assessment, run, summary))
                                  : AssessmentText(heading, assessment, run, summary);
  if (!Write(io.out, printed) || std::fflush(io.out) != 0 || std::ferror(io.out))
    status = fail("the results could not be written to standard output");

  if (!command.samples.empty()) {
    try {
      platform::ReplaceFileContents(command.samples, SamplesCsv(assessment, run));
    } catch (const std::exception &e) {
      status = fail(std::string("The samples were not written: ") + e.what());
    }
  }
  return status;
}

}  // namespace lumo::cli
