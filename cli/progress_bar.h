// The progress bar lumo-run draws on standard error while a run goes on,
// only when standard error is a terminal.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

namespace lumo::cli {

class ProgressBar {
 public:
  // Draws on `out` when `enabled`; otherwise every call does nothing.
  ProgressBar(std::FILE *out, bool enabled) : out_(out), enabled_(enabled) {}

  void Begin(const std::string &label);
  // From the worker's thread: the whole percentage complete.
  void Update(int percent);
  // Clears the bar's line.
  void End();

 private:
  void Draw(int percent);
  std::FILE *out_;
  bool enabled_;
  std::mutex mutex_;
  std::string label_;
};

}  // namespace lumo::cli
