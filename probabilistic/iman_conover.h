// Rank correlations between inputs, imposed by the method of Iman and
// Conover: each column keeps exactly its values (its marginal distribution
// and Latin hypercube strata) and is only rearranged, so that its ranks
// follow those of correlated normal scores.
//
// The scores are van der Waerden's, Φ⁻¹(r / (N + 1)) for r = 1 .. N, in an
// order of their own for each column (KeyedPermutation(N, seed,
// kStreamCorrelationScores, dimension of the column)). Their sample
// correlation E is corrected out (scores T = S (Q⁻¹)ᵀ Pᵀ with Q Qᵀ = E and
// P Pᵀ = C), so the scores' correlation is exactly C, the normal-score
// correlations 2 sin(π ρ / 6) of the asked rank correlations ρ. Column c
// is then rearranged so that its r-th smallest value sits in the row of the
// r-th smallest score of T's column c (ties by row).
//
// With too few rows to estimate E (N at most the number of columns, or
// constant scores) the correction is left out.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "correlation_matrix.h"

namespace lumo::prob {

// columns: k columns of N values each; spearman: k × k target rank
// correlations (positive definite, as the distribution file's reader
// checks; otherwise std::invalid_argument); dimensions: one per column.
void ImposeRankCorrelations(std::vector<std::vector<double>> &columns, const SquareMatrix &spearman,
                            std::uint64_t seed, std::span<const std::uint32_t> dimensions);

}  // namespace lumo::prob
