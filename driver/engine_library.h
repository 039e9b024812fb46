// The engine library bound for one run (or for reading its help texts).
//
// The library is loaded by its full path in a given folder (the program's
// directory), never through the platform's library search order, so that no
// other library of the same name can be planted in its place. It is unloaded
// when the object is destroyed, so every run starts from the library's
// initial state.
#pragma once

#include <memory>
#include <string>

#include "lumo32.h"
#include "platform.h"

namespace lumo {

class TLumoDll {
 public:
  // Loads `directory`/liblumo32.so and looks up the four entry points a run
  // needs. When the file cannot be loaded or an entry point is missing, the
  // library is unloaded at once and DLLIsLoaded() is false.
  explicit TLumoDll(const std::string &directory);
  ~TLumoDll() = default;
  TLumoDll(const TLumoDll &) = delete;
  TLumoDll &operator=(const TLumoDll &) = delete;

  bool DLLIsLoaded() const { return library_ != nullptr; }
  // Why loading failed; empty when it succeeded.
  const std::string &LoadError() const { return error_; }
  // The full path that was loaded (or tried).
  const std::string &Path() const { return path_; }

  // The entry points; valid only while DLLIsLoaded().
  Lumo32InitFn InitLmuo() const { return init_; }
  Lumo32OneLoopFn OneLoop() const { return oneLoop_; }
  Lumo32GetValuesFn GetValues() const { return getValues_; }
  Lumo32GetHelpStringFn GetHelpString() const { return getHelpString_; }

 private:
  std::string path_;
  std::string error_;
  std::unique_ptr<platform::DynamicLibrary> library_;
  Lumo32InitFn init_ = nullptr;
  Lumo32OneLoopFn oneLoop_ = nullptr;
  Lumo32GetValuesFn getValues_ = nullptr;
  Lumo32GetHelpStringFn getHelpString_ = nullptr;
};

}  // namespace lumo
