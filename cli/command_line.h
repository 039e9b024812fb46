// The command line of lumo-run, read with CLI11.
#pragma once

#include <string>
#include <vector>

namespace lumo::cli {

struct CommandLine {
  bool help = false;
  bool json = false;
  bool useDefault = false;         // --default: the start-up scenario
  std::vector<std::string> files;  // scenario files, in order
  std::string monteCarlo;          // --monte-carlo DIST.json: a probabilistic assessment
  int threads = 0;                 // --threads N (0: every core)
  std::string samples;             // --samples FILE.csv: every iteration's inputs and results
  std::string error;               // set when the line cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string> &args);

// The --help text.
std::string UsageText();

}  // namespace lumo::cli
