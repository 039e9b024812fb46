// First-order and total Sobol indices of one result from the runs of a
// SobolDesign (sobol_design.h), with bootstrap intervals.
//
// With f_A, f_B, f_ABk the results of the rows of A, B and AB_k, over the
// base rows used (n of them):
//   V    = the variance (denominator n) of the 2n values f_A and f_B together
//   S1_k = (1/n) Σ f_B (f_ABk − f_A) / V          (Saltelli 2010)
//   ST_k = (1/(2n)) Σ (f_A − f_ABk)² / V           (Jansen 1999)
// A base row whose runs (its A, B and every AB_k run) are not all finite
// (a failed run, a result that is not a number) is left out whole; the
// number used is reported. V = 0 (a result that does not vary) gives
// indices that are not a number.
//
// Bootstrap: replicate b (0 .. B-1) draws n rows with replacement from the
// rows used, draw m taking used row ⌊n · Uniform01(seed,
// kStreamSobolBootstrap, m, b)⌋, and computes both indices on them; the
// interval is the 2.5th to 97.5th percentile of the replicates (percentile
// bootstrap; percentiles as statistics.h defines them, replicates that are
// not a number left out). Reproducible from the seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumo::prob {

struct SobolIndex {
  double estimate;
  // The 95 % bootstrap interval; none without bootstrap replicates.
  std::optional<double> low, high;
};

struct SobolIndices {
  std::size_t rowsUsed = 0;            // base rows with all their runs finite
  double variance = 0;                 // V
  std::vector<SobolIndex> firstOrder;  // one per varied input, in the design's order
  std::vector<SobolIndex> total;
};

// results: one per run of the design, in its run order (N × (p + 2)).
SobolIndices EstimateSobolIndices(std::span<const double> results, std::size_t baseSamples,
                                  std::size_t variedInputs, std::size_t bootstrap,
                                  std::uint64_t seed);

}  // namespace lumo::prob
