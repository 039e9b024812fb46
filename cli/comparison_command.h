// lumo-run --compare and --sweep: the scenarios (or the values of one
// input) run in process, printed as a table or one JSON object, and written
// as a workbook with --xlsx.
#pragma once

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>

#include "command_line.h"
#include "scenario_comparison.h"
#include "sweep.h"

namespace lumo::cli {

struct ComparisonCommandIo {
  std::string programDirectory;  // the engine library and Chems.dat
  const std::atomic<bool> *interrupted = nullptr;
  std::function<void(std::size_t done, std::size_t total)> progress;
  std::function<void()> runEnded;  // before any output
  std::FILE *out = stdout;
  std::FILE *err = stderr;
};

// The exit status: 0 when every scenario or value has results; 1 when any
// has none (its reason printed with it), when the engine cannot be loaded or
// the output not written; 2 for a sweep that cannot be read; 130 after
// Ctrl+C (what ran is printed).
int RunCompareCommand(const CommandLine &command, const ComparisonCommandIo &io);
int RunSweepCommand(const CommandLine &command, const ComparisonCommandIo &io);

std::string ComparisonText(const comparison::Comparison &comparison);
std::string ComparisonJson(const comparison::Comparison &comparison);
std::string SweepText(const std::string &scenario, const comparison::SweepRequest &request,
                      const std::vector<comparison::SweepPoint> &points);
std::string SweepJson(const std::string &scenario, const comparison::SweepRequest &request,
                      const std::vector<comparison::SweepPoint> &points);

}  // namespace lumo::cli
