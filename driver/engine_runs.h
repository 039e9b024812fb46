// The engine's runs of the caller's own (lumo32_CreateRun and its
// companions): any number at once, from any threads, with no files. The
// library is loaded by its full path in a given folder (the program's
// directory), never through the platform's library search order, and stays
// loaded while this object lives.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "lumo32.h"
#include "lumo_errors.h"
#include "platform.h"

namespace lumo {

// The library cannot be loaded, or lacks the run entry points; what() says
// which file and why.
class EEngineRuns : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

class EngineRuns {
 public:
  // Loads `directory`/liblumo32.so; throws EEngineRuns.
  explicit EngineRuns(const std::string &directory);

  struct Outcome {
    bool ok = false;
    ExecutionResultsRecord results{};  // when ok
    std::string problem;               // otherwise: why there are no results
  };
  // Runs a record to its end without files and answers its ten results, or
  // why there are none (refused, failed, results that are not finite).
  // Safe from many threads at once.
  Outcome Run(const TransferRecord &record) const;
  // The same, the run writing its concentration file to `csvFileName` as
  // the program's own run does (runs at the same time need different
  // names).
  Outcome Run(const TransferRecord &record, const std::string &csvFileName) const;

 private:
  std::unique_ptr<platform::DynamicLibrary> library_;
  Lumo32CreateRunFn create_ = nullptr;
  Lumo32RunToEndFn toEnd_ = nullptr;
  Lumo32RunResultsFn results_ = nullptr;
  Lumo32FreeRunFn free_ = nullptr;
};

}  // namespace lumo
