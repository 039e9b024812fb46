#include "assessment_command.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <tuple>
#include <vector>

#include "assessment_batch.h"
#include "assessment_file.h"
#include "assessment_report.h"
#include "assessment_run.h"
#include "assessment_shard.h"
#include "assessment_summary.h"
#include "chemical_file.h"
#include "default_scenario.h"
#include "engine_runs.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "result_report.h"
#include "results_provenance.h"
#include "variable_fields.h"

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "unknown"
#endif

namespace lumo::cli {

namespace {

platform::ProgramLayout LayoutOf(const AssessmentCommandIo &io) {
  return io.layout ? *io.layout : platform::LayoutInOneFolder(io.programDirectory);
}

bool Write(std::FILE *f, const std::string &text) {
  return std::fputs(text.c_str(), f) >= 0;
}

// Prints `printed` to `out` (or hands it over in *text) and writes the
// samples file when one is asked for; the exit status, from `status`.
int WriteOutputs(const AssessmentCommandIo &io, const std::string &printed, std::FILE *out,
                 const char *outName, std::string *text, const std::string &samplesPath,
                 const std::function<std::string()> &samples, int status) {
  auto fail = [&](const std::string &message) {
    std::fprintf(io.err, "%s: %s\n", io.program.c_str(), message.c_str());
    return 1;
  };
  if (text)
    *text = printed;
  else if (!Write(out, printed) || std::fflush(out) != 0 || std::ferror(out))
    status = fail(std::string("the results could not be written to ") + outName);
  if (!samplesPath.empty()) {
    try {
      platform::ReplaceFileContents(samplesPath, samples());
    } catch (const std::exception &e) {
      status = fail(std::string("The samples were not written: ") + e.what());
    }
  }
  return status;
}

}  // namespace

std::uint64_t ChooseSeed() {
  std::random_device entropy;
  return (std::uint64_t{entropy()} << 32 | entropy()) & ((std::uint64_t{1} << 53) - 1);
}

// Prints (to `out`, or into *text) and writes the samples file; the exit status.
int ReportAssessment(const CommandLine &command, const AssessmentCommandIo &io,
                     const AssessmentHeading &heading, const prob::Assessment &assessment,
                     const prob::AssessmentRun &run, std::FILE *out, const char *outName,
                     std::string *text) {
  auto fail = [&](const std::string &message) {
    std::fprintf(io.err, "%s: %s\n", io.program.c_str(), message.c_str());
    return 1;
  };
  const prob::AssessmentSummary summary = prob::SummarizeAssessment(assessment, run);

  int status = run.partial ? 130 : 0;
  if (run.casesFailed > 0)
    std::fprintf(io.err, "%s: %zu of %zu cases have no results (see the summary)\n",
                 io.program.c_str(), run.casesFailed, run.casesRun);
  if (!run.partial && summary.iterationsRun > 0) {
    bool none = true;
    for (const prob::ResultSummary &r : summary.results) none &= r.statistics.count == 0;
    if (none) status = fail("No iteration of the assessment has results");
  }

  const std::string printed = command.json
                                  ? DumpJson(AssessmentJson(heading, assessment, run, summary))
                                  : AssessmentText(heading, assessment, run, summary);
  return WriteOutputs(
      io, printed, out, outName, text, command.samples, [&] { return SamplesCsv(assessment, run); },
      status);
}

namespace {

// Several scenarios, one distribution file: each scenario assessed in turn
// with the same design (one seed for all), the output of them all together.
int RunAssessmentBatch(const CommandLine &command, const AssessmentCommandIo &io) {
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
  if (!command.samples.empty()) {
    const std::string why = platform::FileWriteProblem(command.samples);
    if (!why.empty())
      return fail("The samples file " + command.samples + " cannot be written: " + why);
  }
  std::unique_ptr<EngineRuns> engine;
  try {
    engine = std::make_unique<EngineRuns>(LayoutOf(io).engineDirectory);
  } catch (const std::exception &e) {
    return fail(e.what());
  }
  const std::uint64_t seed = assessment.seed ? *assessment.seed : ChooseSeed();

  std::vector<std::string> names;
  if (command.useDefault) names.push_back("");  // the start-up scenario
  names.insert(names.end(), command.files.begin(), command.files.end());
  std::vector<ScenarioAssessment> done;
  int status = 0;
  for (const std::string &name : names) {
    if (io.interrupted && io.interrupted->load()) break;
    ScenarioAssessment one;
    one.heading.scenario = name;
    one.heading.distributionFile = command.monteCarlo;
    one.heading.version = LUMO_PROGRAM_VERSION;
    one.heading.seedChosen = !assessment.seed;
    auto scenario = std::make_unique<LumoTransfer>(LayoutOf(io));
    try {
      if (name.empty()) {
        TFileChemical chemicals(LayoutOf(io).ChemicalListToRead());
        SetStartupScenario(*scenario, chemicals);
        one.heading.scenario = scenario->ScenarioRecord.ScenarioFileName.Text();
      } else {
        scenario->GetState(name);
      }
      prob::RunOptions options;
      options.threads = static_cast<unsigned>(command.threads);
      options.stop = io.interrupted;
      options.progress = io.progress;
      one.run = prob::RunAssessment(*scenario, assessment, seed, *engine, options);
      if (io.runEnded) io.runEnded();
      if (one.run->partial) status = 130;
      if (one.run->casesFailed > 0)
        std::fprintf(io.err, "lumo-run: %s: %zu of %zu cases have no results (see the summary)\n",
                     one.heading.scenario.c_str(), one.run->casesFailed, one.run->casesRun);
    } catch (const std::exception &e) {
      if (io.runEnded) io.runEnded();
      const std::string message = e.what();
      one.error = message.find(one.heading.scenario) == std::string::npos
                      ? one.heading.scenario + ": " + message
                      : message;
      fail(one.error);
      if (status == 0) status = 1;
    }
    done.push_back(std::move(one));
  }
  return WriteOutputs(
      io, BatchOutput(assessment, done, command.json), io.out, "standard output", nullptr,
      command.samples, [&] { return BatchSamplesCsv(assessment, done); }, status);
}

}  // namespace

int RunAssessmentCommand(const CommandLine &command, const AssessmentCommandIo &io) {
  auto fail = [&](const std::string &message) {
    std::fprintf(io.err, "lumo-run: %s\n", message.c_str());
    return 1;
  };
  if (command.files.size() + (command.useDefault ? 1 : 0) > 1)
    return RunAssessmentBatch(command, io);

  prob::Assessment assessment;
  try {
    assessment = prob::ReadAssessmentFile(command.monteCarlo, prob::ScenarioVariableFields());
  } catch (const std::exception &e) {
    return fail(e.what());
  }

  auto scenario = std::make_unique<LumoTransfer>(LayoutOf(io));
  std::string scenarioName;
  try {
    if (command.useDefault) {
      TFileChemical chemicals(LayoutOf(io).ChemicalListToRead());
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
  if (command.shards != 0 && !assessment.seed)
    return fail(command.monteCarlo +
                ": a sharded assessment needs a \"seed\" in the distribution file, so that "
                "every shard draws the same design");
  const std::uint64_t seed = assessment.seed ? *assessment.seed : ChooseSeed();

  prob::ShardIdentity identity;
  prob::RunOptions options;
  if (command.shards != 0) {
    identity.programVersion = LUMO_PROGRAM_VERSION;
    identity.shard = command.shard;
    identity.shards = command.shards;
    identity.seed = seed;
    identity.assessmentText = prob::AssessmentToJson(assessment);
    identity.assessmentChecksum = prob::TextChecksum(identity.assessmentText);
    identity.scenarioChecksum =
        InputsChecksum(scenario->ScenarioRecord, scenario->PaintDurationGrid());
    identity.scenario = scenarioName;
    identity.distributionFile = command.monteCarlo;
    std::tie(options.firstCase, options.endCase) = prob::ShardCases(
        prob::EmptyAssessmentRun(assessment, seed).Cases(), command.shard, command.shards);
    const std::string why = platform::FileWriteProblem(command.partial);
    if (!why.empty())
      return fail("The partial result file " + command.partial + " cannot be written: " + why);
  }

  prob::AssessmentRun run;
  try {
    const EngineRuns engine(LayoutOf(io).engineDirectory);
    options.threads = static_cast<unsigned>(command.threads);
    options.stop = io.interrupted;
    options.progress = io.progress;
    run = prob::RunAssessment(*scenario, assessment, seed, engine, options);
    if (io.runEnded) io.runEnded();
  } catch (const std::exception &e) {
    if (io.runEnded) io.runEnded();
    return fail(scenarioName + ": " + e.what());
  }
  if (command.shards != 0) {
    prob::Shard shard;
    shard.identity = identity;
    shard.firstCase = options.firstCase;
    shard.endCase = options.endCase;
    shard.run = std::move(run);
    try {
      platform::ReplaceFileContents(command.partial, prob::ShardBytes(shard));
    } catch (const std::exception &e) {
      return fail(std::string("The partial result was not written: ") + e.what());
    }
    std::fprintf(io.err, "lumo-run: shard %zu of %zu (cases %zu to %zu of %zu)%s written to %s\n",
                 command.shard + 1, command.shards, shard.firstCase + 1, shard.endCase,
                 shard.run.Cases(), shard.run.partial ? ", STOPPED before its end," : "",
                 command.partial.c_str());
    return shard.run.partial ? 130 : 0;
  }
  return ReportAssessment(command, io, heading, assessment, run, io.out, "standard output");
}

int RunMergeCommand(const CommandLine &command, const AssessmentCommandIo &io) {
  auto fail = [&](const std::string &message) {
    std::fprintf(io.err, "lumo-run: %s\n", message.c_str());
    return 1;
  };
  prob::MergedShards merged;
  try {
    std::vector<prob::Shard> shards;
    for (const std::string &file : command.files) {
      std::ifstream in(file, std::ios::binary);
      if (!in) return fail(file + ": does not exist or cannot be read");
      std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (in.bad()) return fail(file + ": cannot be read");
      shards.push_back(prob::ReadShard(bytes, file, prob::ScenarioVariableFields()));
    }
    merged = prob::MergeShards(shards, command.files, prob::ScenarioVariableFields());
  } catch (const std::exception &e) {
    return fail(e.what());
  }
  for (const std::string *path : {&command.merge, &command.samples}) {
    if (path->empty() || *path == "-") continue;
    const std::string why = platform::FileWriteProblem(*path);
    if (!why.empty()) return fail(*path + " cannot be written: " + why);
  }
  AssessmentHeading heading;
  heading.scenario = merged.identity.scenario;
  heading.distributionFile = merged.identity.distributionFile;
  heading.version = merged.identity.programVersion;
  if (command.merge == "-")
    return ReportAssessment(command, io, heading, merged.assessment, merged.run, io.out,
                            "standard output");
  // Written whole, or not at all.
  std::string text;
  const int status =
      ReportAssessment(command, io, heading, merged.assessment, merged.run, nullptr, "", &text);
  try {
    platform::ReplaceFileContents(command.merge, text);
  } catch (const std::exception &e) {
    return fail(std::string("The merged result was not written: ") + e.what());
  }
  return status;
}

}  // namespace lumo::cli
