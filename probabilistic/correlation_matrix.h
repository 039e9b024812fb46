// The rank correlations asked between inputs, as a matrix, and the linear
// algebra they need: the Cholesky factor (which is also the test for a
// matrix that no set of inputs can have) and the conversion of a Spearman
// rank correlation into the Pearson correlation of normal scores that gives
// it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "assessment.h"

namespace lumo::prob {

// A k × k symmetric matrix, row-major.
struct SquareMatrix {
  std::size_t size = 0;
  std::vector<double> values;

  double &operator()(std::size_t i, std::size_t j) { return values[i * size + j]; }
  double operator()(std::size_t i, std::size_t j) const { return values[i * size + j]; }
  static SquareMatrix Identity(std::size_t size);
};

// The inputs named in the correlations (positions in the assessment,
// ascending) and the matrix of their rank correlations (1 on the diagonal,
// 0 for the pairs not given).
struct CorrelationTarget {
  std::vector<std::size_t> inputs;
  SquareMatrix spearman;
};
CorrelationTarget CorrelationTargetOf(const Assessment &assessment);

// The lower triangular L with L Lᵀ = matrix, or none when the matrix is not
// positive definite (a pivot not above 1e-10 of its diagonal).
std::optional<SquareMatrix> Cholesky(const SquareMatrix &matrix);

// The Pearson correlation of bivariate normal scores whose rank (Spearman)
// correlation is `spearman`: 2 sin(π ρ / 6).
double NormalScoreCorrelation(double spearman);

}  // namespace lumo::prob
