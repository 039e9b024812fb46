// The command line of lumo-run.
#pragma once

#include <string>
#include <vector>

namespace lumo::cli {

struct CommandLine {
  bool help = false;
  bool json = false;
  bool useDefault = false;         // --default: the start-up scenario
  std::vector<std::string> files;  // scenario files, in order
  std::string error;               // set when the line cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string> &args);

// The --help text.
std::string UsageText();

}  // namespace lumo::cli
