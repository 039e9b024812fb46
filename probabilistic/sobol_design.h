// The design of Sobol indices (Saltelli's): two independent samples A and
// B of N base rows each, and for each varied input k the sample AB_k: A
// with input k's column taken from B. N × (p + 2) runs for p varied inputs.
//
// A and B are UnitSample designs (random or Latin hypercube as the
// assessment asks) from streams of their own (kStreamSobolA...,
// kStreamSobolB..., dimension = input position). The indices assume
// independent inputs: the distribution file refuses Sobol indices together
// with rank correlations, and this design imposes none.
//
// Runs are numbered block by block: runs 0 .. N-1 are A's rows, N .. 2N-1
// B's, and (2 + k)N .. (3 + k)N - 1 those of AB_k, k in the order of
// VariedInputs(). Any thread may read any run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assessment.h"
#include "unit_sample.h"

namespace lumo::prob {

class SobolDesign {
 public:
  // N = assessment.sensitivity.sobol->baseSamples (std::invalid_argument
  // without Sobol options).
  SobolDesign(const Assessment &assessment, std::uint64_t seed);
  SobolDesign(const Assessment &assessment, std::uint64_t seed, std::size_t baseSamples);

  std::size_t BaseSamples() const { return a_.Rows(); }
  std::size_t Runs() const { return BaseSamples() * (varied_.size() + 2); }
  // The positions of the varied inputs; AB_k moves VariedInputs()[k].
  const std::vector<std::size_t> &VariedInputs() const { return varied_; }
  std::size_t Inputs() const { return inputs_.size(); }

  double Unit(std::size_t run, std::size_t input) const;
  double Value(std::size_t run, std::size_t input) const {
    return inputs_[input].ValueAt(Unit(run, input));
  }
  std::vector<double> Row(std::size_t run) const;

 private:
  std::vector<AssessmentInput> inputs_;
  std::vector<std::size_t> varied_;
  UnitSample a_;
  UnitSample b_;
};

}  // namespace lumo::prob
