// lumo-mpi: a probabilistic assessment spread over the ranks of an MPI job.
//
//   mpirun -n P lumo-mpi DIST.json SCENARIO.vkx|--default [--json] [--threads N] [--samples F]
//
// Rank 0 reads and checks the distribution file and the scenario, and
// broadcasts them (the assessment in its canonical form with its seed, the
// scenario as its saved bytes); every rank runs its shard of the cases on
// its cores; rank 0 gathers the shards, merges them and prints exactly what
// `lumo-run --monte-carlo` prints for the same files and seed. A rank that
// fails stops the whole job (MPI_Abort) with a message naming the rank.
#include <mpi.h>
#include <stdlib.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "assessment_batch.h"
#include "assessment_command.h"
#include "assessment_file.h"
#include "assessment_shard.h"
#include "chemical_file.h"
#include "default_scenario.h"
#include "engine_runs.h"
#include "lumo_transfer.h"
#include "mpi_bytes.h"
#include "platform.h"
#include "program_layout.h"
#include "results_provenance.h"
#include "variable_fields.h"
#include "variable_inputs.h"

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "unknown"
#endif

namespace {

using namespace lumo;
namespace fs = std::filesystem;

struct Options {
  std::string distribution;
  std::vector<std::string> scenarios;
  bool useDefault = false;
  bool json = false;
  int threads = 0;
  std::string samples;
};

std::string ReadBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": does not exist or cannot be read");
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A folder of this rank's own, removed when the object goes.
struct PrivateFolder {
  fs::path path;
  PrivateFolder() {
    std::string tmpl = (fs::temp_directory_path() / "lumo-mpi-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    path = tmpl;
  }
  ~PrivateFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

// What rank 0 broadcasts.
struct Inputs {
  std::string assessment;  // canonical, with its seed
  std::string scenarioName;
  std::string scenarioFile;  // the saved bytes of the scenario and its schedule
  std::string scheduleFile;
  bool seedChosen = false;
};

// Rank 0: the distribution file, read and checked, in its canonical form
// with its seed (chosen here once when the file has none); throws with the
// sentence to print.
std::string ReadAssessmentText(const Options &o, bool *seedChosen) {
  prob::Assessment assessment =
      prob::ReadAssessmentFile(o.distribution, prob::ScenarioVariableFields());
  *seedChosen = !assessment.seed;
  if (!assessment.seed) assessment.seed = cli::ChooseSeed();
  return prob::AssessmentToJson(assessment);
}

// Rank 0: one scenario ("" for the start-up scenario) read and checked
// against the assessment, as the bytes of its saved files; throws with the
// sentence to print.
void ReadScenario(Inputs &in, const std::string &name, const platform::ProgramLayout &layout) {
  const prob::Assessment assessment =
      prob::ReadAssessment(in.assessment, prob::ScenarioVariableFields());
  LumoTransfer scenario(layout);
  if (name.empty()) {
    TFileChemical chemicals(layout.ChemicalListToRead());
    SetStartupScenario(scenario, chemicals);
    in.scenarioName = scenario.ScenarioRecord.ScenarioFileName.Text();
  } else {
    in.scenarioName = name;
    try {
      scenario.GetState(name);
    } catch (const std::exception &e) {
      const std::string m = e.what();
      throw std::runtime_error(m.find(name) == std::string::npos ? name + ": " + m : m);
    }
  }
  for (const prob::AssessmentInput &input : assessment.inputs)
    if (const VariableInput *entry = FindVariableInput(input.name))
      if (auto why = VariationRefusal(scenario.ScenarioRecord, *entry))
        throw std::runtime_error(in.scenarioName + ": " + *why);
  PrivateFolder folder;
  const std::string saved = (folder.path / "scenario.vkx").string();
  scenario.SaveState(saved);
  in.scenarioFile = ReadBytes(saved);
  in.scheduleFile = ReadBytes(CompanionFileName(saved));
}

// Every rank: its shard's partial result, as bytes.
std::string RunShard(const Inputs &in, const Options &o, const platform::ProgramLayout &layout,
                     int rank, int ranks) {
  const prob::Assessment assessment =
      prob::ReadAssessment(in.assessment, prob::ScenarioVariableFields());
  LumoTransfer scenario(layout);
  {
    PrivateFolder folder;
    const std::string saved = (folder.path / "scenario.vkx").string();
    platform::ReplaceFileContents(saved, in.scenarioFile);
    platform::ReplaceFileContents(CompanionFileName(saved), in.scheduleFile);
    scenario.GetState(saved);
  }
  prob::Shard shard;
  prob::ShardIdentity &id = shard.identity;
  id.programVersion = LUMO_PROGRAM_VERSION;
  id.shard = static_cast<std::uint64_t>(rank);
  id.shards = static_cast<std::uint64_t>(ranks);
  id.seed = *assessment.seed;
  id.assessmentText = in.assessment;
  id.assessmentChecksum = prob::TextChecksum(in.assessment);
  id.scenarioChecksum = InputsChecksum(scenario.ScenarioRecord, scenario.PaintDurationGrid());
  id.scenario = in.scenarioName;
  id.distributionFile = o.distribution;
  prob::RunOptions options;
  options.threads = static_cast<unsigned>(o.threads);
  std::tie(options.firstCase, options.endCase) =
      prob::ShardCases(prob::EmptyAssessmentRun(assessment, id.seed).Cases(), id.shard, id.shards);
  shard.firstCase = options.firstCase;
  shard.endCase = options.endCase;
  const EngineRuns engine(layout.engineDirectory);
  shard.run = prob::RunAssessment(scenario, assessment, id.seed, engine, options);
  return prob::ShardBytes(shard);
}

[[noreturn]] void Abort(int rank, const std::string &message) {
  std::fprintf(stderr, "lumo-mpi: rank %d: %s\n", rank, message.c_str());
  std::fflush(stderr);
  MPI_Abort(MPI_COMM_WORLD, 1);
  std::exit(1);
}

}  // namespace

int main(int argc, char **argv) {
  MPI_Init(&argc, &argv);
  int rank = 0, ranks = 1;
  MPI_Comm_rank(MPI_COMM_WORLD, &rank);
  MPI_Comm_size(MPI_COMM_WORLD, &ranks);

  Options o;
  CLI::App app{
      "Runs a probabilistic assessment of one scenario over the ranks of an MPI job and "
      "prints what lumo-run --monte-carlo prints for it.",
      "lumo-mpi"};
  app.add_option("DIST.json", o.distribution, "The distribution file.")->required();
  app.add_option("SCENARIO.vkx", o.scenarios, "Scenario files (assessed one after another).");
  app.add_flag("--default", o.useDefault, "Assesses the start-up scenario.");
  app.add_flag("--json", o.json, "Prints one JSON object.");
  app.add_option("--threads", o.threads, "Threads of each rank (default: every core).")
      ->check(CLI::Range(1, 1024));
  app.add_option("--samples", o.samples, "Writes every iteration's inputs and results (CSV).");
  app.add_flag_callback("--version", [rank] {
    if (rank == 0) std::printf("lumo-mpi %s\n", LUMO_PROGRAM_VERSION);
    throw CLI::Success();
  });
  try {
    app.parse(argc, argv);
    if (!o.useDefault && o.scenarios.empty())
      throw CLI::ValidationError("name at least one scenario file, or --default");
  } catch (const CLI::CallForHelp &) {
    if (rank == 0) std::fputs(app.help().c_str(), stdout);
    MPI_Finalize();
    return 0;
  } catch (const CLI::Success &) {  // --version
    MPI_Finalize();
    return 0;
  } catch (const CLI::ParseError &e) {
    if (rank == 0) std::fprintf(stderr, "lumo-mpi: %s (see lumo-mpi --help)\n", e.what());
    MPI_Finalize();
    return 2;
  }

  const platform::ProgramLayout &layout = platform::RunningProgramLayout();
  auto fail = [&](const std::string &message) {
    if (rank == 0) std::fprintf(stderr, "lumo-mpi: %s\n", message.c_str());
  };
  // The distribution file and the samples file, checked once on rank 0.
  Inputs in;
  std::string problem;
  if (rank == 0) {
    try {
      in.assessment = ReadAssessmentText(o, &in.seedChosen);
      if (!o.samples.empty()) {
        const std::string why = platform::FileWriteProblem(o.samples);
        if (!why.empty()) problem = "The samples file " + o.samples + " cannot be written: " + why;
      }
    } catch (const std::exception &e) {
      problem = e.what();
    }
  }
  mpi::Broadcast(problem, MPI_COMM_WORLD);
  if (!problem.empty()) {
    fail(problem);
    MPI_Finalize();
    return 1;
  }
  std::string chosen = in.seedChosen ? "1" : "0";
  mpi::Broadcast(in.assessment, MPI_COMM_WORLD);
  mpi::Broadcast(chosen, MPI_COMM_WORLD);
  in.seedChosen = chosen == "1";
  const prob::Assessment assessment =
      prob::ReadAssessment(in.assessment, prob::ScenarioVariableFields());

  std::vector<std::string> names;
  if (o.useDefault) names.push_back("");  // the start-up scenario
  names.insert(names.end(), o.scenarios.begin(), o.scenarios.end());
  std::vector<cli::ScenarioAssessment> done;  // on rank 0
  int status = 0;
  for (const std::string &name : names) {
    problem.clear();
    if (rank == 0) {
      try {
        ReadScenario(in, name, layout);
      } catch (const std::exception &e) {
        problem = e.what();
      }
    }
    mpi::Broadcast(problem, MPI_COMM_WORLD);
    cli::ScenarioAssessment one;
    one.heading.scenario = name;
    one.heading.distributionFile = o.distribution;
    one.heading.version = LUMO_PROGRAM_VERSION;
    one.heading.seedChosen = in.seedChosen;
    if (!problem.empty()) {
      fail(problem);
      status = 1;
      one.error = problem;
      done.push_back(std::move(one));
      continue;
    }
    for (std::string *text : {&in.scenarioName, &in.scenarioFile, &in.scheduleFile})
      mpi::Broadcast(*text, MPI_COMM_WORLD);
    one.heading.scenario = in.scenarioName;

    std::string part;
    try {
      part = RunShard(in, o, layout, rank, ranks);
    } catch (const std::exception &e) {
      Abort(rank, e.what());
    }
    const std::vector<std::string> parts = mpi::Gather(part, MPI_COMM_WORLD);
    if (rank != 0) continue;
    try {
      std::vector<prob::Shard> shards;
      std::vector<std::string> shardNames;
      for (std::size_t r = 0; r < parts.size(); ++r) {
        shardNames.push_back("rank " + std::to_string(r));
        shards.push_back(
            prob::ReadShard(parts[r], shardNames.back(), prob::ScenarioVariableFields()));
      }
      one.run = prob::MergeShards(shards, shardNames, prob::ScenarioVariableFields()).run;
    } catch (const std::exception &e) {
      Abort(rank, e.what());
    }
    done.push_back(std::move(one));
  }

  if (rank == 0) {
    cli::CommandLine command;
    command.json = o.json;
    command.samples = o.samples;
    cli::AssessmentCommandIo io;
    io.program = "lumo-mpi";
    if (names.size() == 1 && done.front().run) {
      status = cli::ReportAssessment(command, io, done.front().heading, assessment,
                                     *done.front().run, stdout, "standard output");
    } else if (names.size() > 1) {
      for (const cli::ScenarioAssessment &one : done)
        if (one.run && one.run->casesFailed > 0)
          std::fprintf(stderr, "lumo-mpi: %s: %zu of %zu cases have no results (see the summary)\n",
                       one.heading.scenario.c_str(), one.run->casesFailed, one.run->casesRun);
      const std::string printed = cli::BatchOutput(assessment, done, o.json);
      if (std::fputs(printed.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        fail("the results could not be written to standard output");
        status = 1;
      }
      if (!o.samples.empty()) {
        try {
          platform::ReplaceFileContents(o.samples, cli::BatchSamplesCsv(assessment, done));
        } catch (const std::exception &e) {
          fail(std::string("The samples were not written: ") + e.what());
          status = 1;
        }
      }
    }
  }
  MPI_Finalize();
  return rank == 0 ? status : 0;  // rank 0 speaks for the job
}
