// The command line of lumo-run, read with CLI11.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lumo::cli {

struct CommandLine {
  bool help = false;
  bool version = false;  // --version
  bool paths = false;    // --paths: where the program's files are
  bool json = false;
  bool useDefault = false;         // --default: the start-up scenario
  std::vector<std::string> files;  // scenario files, in order
  std::string monteCarlo;          // --monte-carlo DIST.json: a probabilistic assessment
  int threads = 0;                 // --threads N (0: every core)
  std::string samples;             // --samples FILE.csv: every iteration's inputs and results
  // --shard K/N --partial OUT.bin: run shard K (1-based) of N of the
  // assessment and write its partial result file.
  std::size_t shard = 0, shards = 0;  // shard is 0-based here; shards 0 without --shard
  std::string partial;
  // --merge OUT PART...: merge partial result files (given as `files`) and
  // write what one process would have printed to OUT ("-": standard output).
  std::string merge;
  // --compare: the scenarios (files, and --default) side by side.
  bool compare = false;
  // --sweep FIELD=START:STOP:COUNT or FIELD=v1,v2,...: one scenario with one
  // input set to each value in turn.
  std::string sweep;
  std::string xlsx;   // --xlsx FILE.xlsx: the comparison or sweep as a workbook
  std::string error;  // set when the line cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string> &args);

// The --help text.
std::string UsageText();
// The --version text: "lumo-run 1.0.0" and a line end.
std::string VersionText();

}  // namespace lumo::cli
