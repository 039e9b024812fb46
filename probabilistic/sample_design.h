// The main design of an assessment: for each of N iterations, a value for
// each input. A deterministic function of (assessment, seed, N); after it
// is built, any thread may read any row, in any order.
//
// Column j (the assessment's j-th input, inputs sorted by name) starts as a
// UnitSample column of the main streams (kStreamMainPosition,
// kStreamMainPermutation, dimension j): random, or a Latin hypercube. The
// columns of inputs named in rank correlations are then rearranged
// together by Iman–Conover (iman_conover.h) and kept in memory (N numbers
// each); the others are computed when read. The value is the input's
// quantile of the unit value, corrected to its field's range
// (AssessmentInput::ValueAt).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "assessment.h"
#include "unit_sample.h"

namespace lumo::prob {

class SampleDesign {
 public:
  // N = assessment.iterations.
  SampleDesign(const Assessment &assessment, std::uint64_t seed);
  SampleDesign(const Assessment &assessment, std::uint64_t seed, std::size_t iterations);

  std::size_t Iterations() const { return unit_.Rows(); }
  std::size_t Inputs() const { return inputs_.size(); }
  const AssessmentInput &Input(std::size_t j) const { return inputs_[j]; }

  // The unit-cube value of iteration i, input j: strictly inside (0, 1).
  double Unit(std::size_t i, std::size_t j) const;
  // The input's value there.
  double Value(std::size_t i, std::size_t j) const { return inputs_[j].ValueAt(Unit(i, j)); }
  // All inputs' values of iteration i, in the assessment's order.
  std::vector<double> Row(std::size_t i) const;

 private:
  std::vector<AssessmentInput> inputs_;
  UnitSample unit_;
  // For each input, its column among the correlated ones, or -1.
  std::vector<std::ptrdiff_t> correlated_;
  std::vector<std::vector<double>> columns_;
};

}  // namespace lumo::prob
