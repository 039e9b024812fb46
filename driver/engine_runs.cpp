#include "engine_runs.h"

#include <memory>

#include "run_failure.h"

namespace lumo {

EngineRuns::EngineRuns(const std::string &directory) {
  std::string path = directory;
  if (path.empty() || path.back() != platform::PathSeparator()) path += platform::PathSeparator();
  path += platform::EngineLibraryFileName();
  std::string loadError;
  library_ = platform::DynamicLibrary::Load(path, &loadError);
  if (!library_) throw EEngineRuns("Cannot load " + path + ": " + loadError);
  create_ = reinterpret_cast<Lumo32CreateRunFn>(library_->Symbol("lumo32_CreateRun"));
  toEnd_ = reinterpret_cast<Lumo32RunToEndFn>(library_->Symbol("lumo32_RunToEnd"));
  results_ = reinterpret_cast<Lumo32RunResultsFn>(library_->Symbol("lumo32_RunResults"));
  free_ = reinterpret_cast<Lumo32FreeRunFn>(library_->Symbol("lumo32_FreeRun"));
  if (!create_ || !toEnd_ || !results_ || !free_)
    throw EEngineRuns(path +
                      " has no entry points for runs of the caller's own "
                      "(lumo32_CreateRun); it is older than this program");
}

EngineRuns::Outcome EngineRuns::Run(const TransferRecord &record) const {
  return Run(record, std::string());
}

EngineRuns::Outcome EngineRuns::Run(const TransferRecord &record,
                                    const std::string &csvFileName) const {
  Outcome out;
  std::unique_ptr<LumoRun, Lumo32FreeRunFn> run(
      create_(&record, csvFileName.empty() ? nullptr : csvFileName.c_str()), free_);
  if (!run) {
    out.problem = "the engine refused the record";
    return out;
  }
  const double answer = toEnd_(run.get());
  if (answer != 100.0) {
    out.problem = RunFailureText(answer, 0, "");
    return out;
  }
  if (results_(run.get(), &out.results) != 1) {
    out.problem = ResultsNotFiniteText();
    return out;
  }
  out.ok = true;
  return out;
}

}  // namespace lumo
