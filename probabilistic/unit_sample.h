// The unit-cube values of a design without correlations: rows × columns
// numbers strictly inside (0, 1), each a pure function of (seed, streams,
// row, column), so any thread can read any row.
//
//   random:          u(i, j) = Uniform01(seed, position, i, j)
//   Latin hypercube: u(i, j) = (π_j(i) + Uniform01(seed, position, i, j)) / N
//                    with π_j = KeyedPermutation(N, seed, permutation, j):
//                    each column hits each of its N equal strata exactly
//                    once, at a uniform position within it (at most
//                    1 − 2⁻⁵³, where the division would round to 1).
//
// (random_streams.h documents Uniform01 and KeyedPermutation.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assessment.h"
#include "random_streams.h"

namespace lumo::prob {

class UnitSample {
 public:
  UnitSample(Sampling sampling, std::uint64_t seed, std::uint32_t positionStream,
             std::uint32_t permutationStream, std::size_t rows, std::size_t columns);

  std::size_t Rows() const { return rows_; }
  std::size_t Columns() const { return permutations_.size(); }
  double operator()(std::size_t row, std::size_t column) const;

 private:
  Sampling sampling_;
  std::uint64_t seed_;
  std::uint32_t positionStream_;
  std::size_t rows_;
  std::vector<KeyedPermutation> permutations_;
};

}  // namespace lumo::prob
