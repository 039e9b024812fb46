#include "correlation_matrix.h"

#include <cmath>
#include <numbers>

namespace lumo::prob {

SquareMatrix SquareMatrix::Identity(std::size_t size) {
  SquareMatrix m{size, std::vector<double>(size * size, 0.0)};
  for (std::size_t i = 0; i < size; ++i) m(i, i) = 1;
  return m;
}

CorrelationTarget CorrelationTargetOf(const Assessment &assessment) {
  CorrelationTarget target;
  for (std::size_t j = 0; j < assessment.inputs.size(); ++j) {
    for (const RankCorrelation &c : assessment.correlations) {
      if (c.first == assessment.inputs[j].name || c.second == assessment.inputs[j].name) {
        target.inputs.push_back(j);
        break;
      }
    }
  }
  target.spearman = SquareMatrix::Identity(target.inputs.size());
  auto local = [&](const std::string &name) {
    for (std::size_t k = 0; k < target.inputs.size(); ++k)
      if (assessment.inputs[target.inputs[k]].name == name) return k;
    return target.inputs.size();
  };
  for (const RankCorrelation &c : assessment.correlations) {
    const std::size_t a = local(c.first), b = local(c.second);
    if (a == target.inputs.size() || b == target.inputs.size()) continue;
    target.spearman(a, b) = target.spearman(b, a) = c.rank;
  }
  return target;
}

std::optional<SquareMatrix> Cholesky(const SquareMatrix &matrix) {
  const std::size_t n = matrix.size;
  SquareMatrix lower{n, std::vector<double>(n * n, 0.0)};
  for (std::size_t j = 0; j < n; ++j) {
    double pivot = matrix(j, j);
    for (std::size_t k = 0; k < j; ++k) pivot -= lower(j, k) * lower(j, k);
    if (!(pivot > 1e-10 * std::abs(matrix(j, j)))) return std::nullopt;
    lower(j, j) = std::sqrt(pivot);
    for (std::size_t i = j + 1; i < n; ++i) {
      double sum = matrix(i, j);
      for (std::size_t k = 0; k < j; ++k) sum -= lower(i, k) * lower(j, k);
      lower(i, j) = sum / lower(j, j);
    }
  }
  return lower;
}

double NormalScoreCorrelation(double spearman) {
  return 2 * std::sin(std::numbers::pi * spearman / 6);
}

}  // namespace lumo::prob
