#include "engine_library.h"

namespace lumo {

namespace {

template <typename Fn>
Fn Bind(const platform::DynamicLibrary &lib, const char *name) {
  return reinterpret_cast<Fn>(lib.Symbol(name));
}

}  // namespace

TLumoDll::TLumoDll(const std::string &directory) {
  path_ = directory;
  if (path_.empty() || path_.back() != platform::PathSeparator())
    path_ += platform::PathSeparator();
  path_ += platform::EngineLibraryFileName();
  std::string loadError;
  auto lib = platform::DynamicLibrary::Load(path_, &loadError);
  if (!lib) {
    error_ = "Cannot load " + path_ + ": " + loadError;
    return;
  }
  init_ = Bind<Lumo32InitFn>(*lib, "_InitLmuo");
  oneLoop_ = Bind<Lumo32OneLoopFn>(*lib, "_OneLoop");
  getValues_ = Bind<Lumo32GetValuesFn>(*lib, "_GetValues");
  getHelpString_ = Bind<Lumo32GetHelpStringFn>(*lib, "_GetHelpString");
  const char *missing = !init_            ? "_InitLmuo"
                        : !oneLoop_       ? "_OneLoop"
                        : !getValues_     ? "_GetValues"
                        : !getHelpString_ ? "_GetHelpString"
                                          : nullptr;
  if (missing) {
    error_ = path_ + " has no entry point " + missing;
    init_ = nullptr;
    oneLoop_ = nullptr;
    getValues_ = nullptr;
    getHelpString_ = nullptr;
    return;  // `lib` unloads the library here
  }
  library_ = std::move(lib);
}

}  // namespace lumo
