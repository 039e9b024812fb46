#include "iman_conover.h"

#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <cstdint>
#include <numeric>
#include <stdexcept>

#include "random_streams.h"

namespace lumo::prob {
namespace {

// Q⁻¹ of a lower triangular Q (forward substitution, column by column).
SquareMatrix InverseLower(const SquareMatrix &q) {
  const std::size_t k = q.size;
  SquareMatrix inverse{k, std::vector<double>(k * k, 0.0)};
  for (std::size_t c = 0; c < k; ++c) {
    for (std::size_t r = c; r < k; ++r) {
      double sum = r == c ? 1.0 : 0.0;
      for (std::size_t m = c; m < r; ++m) sum -= q(r, m) * inverse(m, c);
      inverse(r, c) = sum / q(r, r);
    }
  }
  return inverse;
}

SquareMatrix Product(const SquareMatrix &a, const SquareMatrix &b) {
  const std::size_t k = a.size;
  SquareMatrix p{k, std::vector<double>(k * k, 0.0)};
  for (std::size_t i = 0; i < k; ++i)
    for (std::size_t j = 0; j < k; ++j)
      for (std::size_t m = 0; m < k; ++m) p(i, j) += a(i, m) * b(m, j);
  return p;
}

}  // namespace

void ImposeRankCorrelations(std::vector<std::vector<double>> &columns, const SquareMatrix &spearman,
                            std::uint64_t seed, std::span<const std::uint32_t> dimensions) {
  const std::size_t k = columns.size();
  if (k == 0) return;
  const std::size_t n = columns.front().size();
  if (n > UINT32_MAX) throw std::invalid_argument("rank correlations: too many rows");
  if (spearman.size != k || dimensions.size() != k)
    throw std::invalid_argument("rank correlations: matrix, columns and dimensions disagree");
  SquareMatrix target = spearman;
  for (double &v : target.values) v = NormalScoreCorrelation(v);
  const auto p = Cholesky(target);
  if (!p) throw std::invalid_argument("rank correlations: the matrix is not positive definite");

  // The scores, each column in its own order: rows × k, row-major.
  const boost::math::normal_distribution<double> normal;
  std::vector<double> scores(n);
  for (std::size_t r = 0; r < n; ++r)
    scores[r] =
        boost::math::quantile(normal, static_cast<double>(r + 1) / static_cast<double>(n + 1));
  std::vector<double> t(n * k);
  for (std::size_t c = 0; c < k; ++c) {
    const KeyedPermutation order(n, seed, kStreamCorrelationScores, dimensions[c]);
    for (std::size_t i = 0; i < n; ++i) t[i * k + c] = scores[order(i)];
  }

  // Their sample correlation: every column holds the same scores, so the
  // same mean and sum of squares.
  const double mean = std::accumulate(scores.begin(), scores.end(), 0.0) / static_cast<double>(n);
  double squares = 0;
  for (double s : scores) squares += (s - mean) * (s - mean);
  SquareMatrix sample = SquareMatrix::Identity(k);
  for (std::size_t a = 0; a < k; ++a) {
    for (std::size_t b = a + 1; b < k; ++b) {
      double sum = 0;
      for (std::size_t i = 0; i < n; ++i) sum += (t[i * k + a] - mean) * (t[i * k + b] - mean);
      sample(a, b) = sample(b, a) = sum / squares;
    }
  }
  const auto q = n > k && squares > 0 ? Cholesky(sample) : std::nullopt;
  const SquareMatrix m = q ? Product(*p, InverseLower(*q)) : *p;

  std::vector<double> row(k);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t a = 0; a < k; ++a) {
      double sum = 0;
      for (std::size_t b = 0; b < k; ++b) sum += m(a, b) * t[i * k + b];
      row[a] = sum;
    }
    std::copy(row.begin(), row.end(), t.begin() + static_cast<std::ptrdiff_t>(i * k));
  }

  // Each column rearranged to the ranks of its scores.
  std::vector<std::uint32_t> rows(n);
  for (std::size_t c = 0; c < k; ++c) {
    std::iota(rows.begin(), rows.end(), 0u);
    std::sort(rows.begin(), rows.end(), [&](std::uint32_t a, std::uint32_t b) {
      const double ta = t[a * k + c], tb = t[b * k + c];
      return ta < tb || (ta == tb && a < b);
    });
    std::vector<double> sorted = columns[c];
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t r = 0; r < n; ++r) columns[c][rows[r]] = sorted[r];
  }
}

}  // namespace lumo::prob
