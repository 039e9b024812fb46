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
#include <random>
#include <string>
#include <vector>

#include "assessment_command.h"
#include "assessment_file.h"
#include "assessment_shard.h"
#include "chemical_file.h"
#include "default_scenario.h"
#include "engine_runs.h"
#include "lumo_transfer.h"
#include "mpi_bytes.h"
#include "platform.h"
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
  std::string scenario;
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

// Rank 0: reads and checks everything; throws with the sentence to print.
Inputs ReadAndCheck(const Options &o, const std::string &programDir) {
  Inputs in;
  prob::Assessment assessment =
      prob::ReadAssessmentFile(o.distribution, prob::ScenarioVariableFields());
  LumoTransfer scenario(programDir);
  if (o.useDefault) {
    TFileChemical chemicals(programDir + platform::PathSeparator() + "Chems.dat");
    SetStartupScenario(scenario, chemicals);
    in.scenarioName = scenario.ScenarioRecord.ScenarioFileName.Text();
  } else {
    in.scenarioName = o.scenario;
    try {
      scenario.GetState(o.scenario);
    } catch (const std::exception &e) {
      const std::string m = e.what();
      throw std::runtime_error(m.find(o.scenario) == std::string::npos ? o.scenario + ": " + m : m);
    }
  }
  for (const prob::AssessmentInput &input : assessment.inputs)
    if (const VariableInput *entry = FindVariableInput(input.name))
      if (auto why = VariationRefusal(scenario.ScenarioRecord, *entry))
        throw std::runtime_error(in.scenarioName + ": " + *why);
  if (!assessment.seed) {
    std::random_device entropy;
    assessment.seed = (std::uint64_t{entropy()} << 32 | entropy()) & ((std::uint64_t{1} << 53) - 1);
    in.seedChosen = true;
  }
  in.assessment = prob::AssessmentToJson(assessment);
  PrivateFolder folder;
  const std::string saved = (folder.path / "scenario.vkx").string();
  scenario.SaveState(saved);
  in.scenarioFile = ReadBytes(saved);
  in.scheduleFile = ReadBytes(CompanionFileName(saved));
  return in;
}

// Every rank: its shard's partial result, as bytes.
std::string RunShard(const Inputs &in, const Options &o, const std::string &programDir, int rank,
                     int ranks) {
  const prob::Assessment assessment =
      prob::ReadAssessment(in.assessment, prob::ScenarioVariableFields());
  LumoTransfer scenario(programDir);
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
  const EngineRuns engine(programDir);
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
  app.add_option("SCENARIO.vkx", o.scenario, "The scenario file.");
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
    if (o.useDefault == !o.scenario.empty())
      throw CLI::ValidationError("name one scenario file, or --default");
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

  const std::string programDir = platform::ExecutableDirectory();
  Inputs in;
  std::string problem;
  if (rank == 0) {
    try {
      in = ReadAndCheck(o, programDir);
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
    if (rank == 0) std::fprintf(stderr, "lumo-mpi: %s\n", problem.c_str());
    MPI_Finalize();
    return 1;
  }
  std::string chosen = in.seedChosen ? "1" : "0";
  for (std::string *text :
       {&in.assessment, &in.scenarioName, &in.scenarioFile, &in.scheduleFile, &chosen})
    mpi::Broadcast(*text, MPI_COMM_WORLD);
  in.seedChosen = chosen == "1";

  std::string part;
  try {
    part = RunShard(in, o, programDir, rank, ranks);
  } catch (const std::exception &e) {
    Abort(rank, e.what());
  }
  const std::vector<std::string> parts = mpi::Gather(part, MPI_COMM_WORLD);

  int status = 0;
  if (rank == 0) {
    try {
      std::vector<prob::Shard> shards;
      std::vector<std::string> names;
      for (std::size_t r = 0; r < parts.size(); ++r) {
        names.push_back("rank " + std::to_string(r));
        shards.push_back(prob::ReadShard(parts[r], names.back(), prob::ScenarioVariableFields()));
      }
      const prob::MergedShards merged =
          prob::MergeShards(shards, names, prob::ScenarioVariableFields());
      cli::CommandLine command;
      command.json = o.json;
      command.samples = o.samples;
      cli::AssessmentCommandIo io;
      io.program = "lumo-mpi";
      cli::AssessmentHeading heading;
      heading.scenario = in.scenarioName;
      heading.distributionFile = o.distribution;
      heading.version = LUMO_PROGRAM_VERSION;
      heading.seedChosen = in.seedChosen;
      status = cli::ReportAssessment(command, io, heading, merged.assessment, merged.run, stdout,
                                     "standard output");
    } catch (const std::exception &e) {
      Abort(rank, e.what());
    }
  }
  MPI_Finalize();
  return status;
}
