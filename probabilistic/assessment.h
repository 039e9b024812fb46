// A probabilistic assessment as the assessor describes it: which scenario
// inputs vary and how, how many iterations are drawn and how, and what is
// reported. The distribution file (assessment_file.h) reads into it; the
// designs (sample_design.h, sobol_design.h, one_at_a_time.h) draw from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "distributions.h"

namespace lumo::prob {

// A scenario input that may vary, as the program's table describes it: its
// name in the distribution file, the range the program accepts for it (the
// range its dialog corrects a typed value to), whether it takes whole
// numbers, and its unit for messages.
struct VariableField {
  std::string name;
  double min;
  double max;
  bool integer = false;
  std::string unit;
};

struct AssessmentInput {
  std::string name;
  Distribution distribution;
  VariableField field;  // the caller's entry for this name

  // Varied: not a single value (a fixed value, or an empirical distribution
  // with one value between its bounds, is held constant).
  bool Varies() const { return !distribution.IsDegenerate(); }

  // The input's value at the design value u (0 < u < 1): the distribution's
  // quantile, corrected to the field's range as the program's dialog
  // corrects a typed value. Whole-number fields are not rounded here.
  double ValueAt(double u) const;
};

enum class Sampling { Random, LatinHypercube };

// A Spearman rank correlation imposed between two varied inputs.
struct RankCorrelation {
  std::string first;
  std::string second;
  double rank;
};

struct SobolOptions {
  std::size_t baseSamples;  // N: the Sobol design has N × (varied inputs + 2) runs
  std::size_t bootstrap = 200;
};

struct SensitivityOptions {
  bool spearman = true;
  bool oneAtATime = false;
  std::optional<SobolOptions> sobol;
};

// The results a reference value may be given for, in the program's order.
inline constexpr const char *kResultNames[] = {
    "LADD", "ADD",      "LADC",   "ADC",   "Cpeak", "SingleEventDose",
    "APDR", "APDRtime", "C15min", "C8hour"};

struct ReferenceValue {
  std::string result;  // one of kResultNames
  double value;
};

inline constexpr std::size_t kMaxIterations = 10'000'000;

struct Assessment {
  std::size_t iterations = 0;
  // Absent: the caller picks one, uses it and records it with the results.
  std::optional<std::uint64_t> seed;
  Sampling sampling = Sampling::LatinHypercube;
  std::vector<AssessmentInput> inputs;  // sorted by name (byte order)
  std::vector<RankCorrelation> correlations;
  std::vector<double> percentiles{5, 25, 50, 75, 90, 95, 99};  // ascending
  std::vector<ReferenceValue> reference;                       // in kResultNames order
  SensitivityOptions sensitivity;

  // The position of the named input in `inputs`, or none.
  std::optional<std::size_t> InputIndex(const std::string &name) const;
};

}  // namespace lumo::prob
