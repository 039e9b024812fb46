// Why a run stopped short of its end. Inside the engine a failed run is an
// exception; the exports catch it and give _OneLoop's answer for it (rule 7
// of lumo32.h), so nothing of it crosses the C interface.
#pragma once

#include <stdexcept>

#include "lumo32.h"

namespace lumo {

class RunFailure : public std::runtime_error {
 public:
  enum class Kind {
    kNotFinite,  // a concentration, loading, reserve or exposure sum is NaN or infinite
    kCsvWrite,   // a line of the concentration file could not be written completely
  };

  RunFailure(Kind kind, const char *what) : std::runtime_error(what), kind_(kind) {}

  Kind kind() const { return kind_; }

  // What _OneLoop answers for the failed run.
  double answer() const {
    return kind_ == Kind::kCsvWrite ? LUMO32_CSV_WRITE_FAILED : LUMO32_RUN_FAILED;
  }

 private:
  Kind kind_;
};

}  // namespace lumo
