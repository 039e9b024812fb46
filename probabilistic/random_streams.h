// Counter-based random numbers: every random number of an assessment is a
// pure function of (seed, stream, index, dimension), so iteration i's inputs
// do not depend on how many threads or machines computed the others, nor in
// which order.
//
// The mapping, fixed for good (changing it changes the output of every seed):
//
//   Philox4x32-10 (Random123's r123::Philox4x32, 10 rounds) with
//     key     = { seed & 0xffffffff, seed >> 32 }
//     counter = { index & 0xffffffff, index >> 32, dimension, stream }
//   gives four 32-bit words x0..x3;
//   RandomBits  = x1 << 32 | x0                       (x2 and x3 unused)
//   Uniform01   = ((RandomBits >> 12) + 0.5) / 2^52
//
// so Uniform01 is the centre of one of 2^52 equal cells of [0, 1): strictly
// between 0 and 1 (from 2^-53 to 1 - 2^-53), exactly representable.
//
// The streams the assessment uses (kStream... below) are part of the same
// mapping.
#pragma once

#include <cstdint>

namespace lumo::prob {

// The streams of an assessment. Dimensions are the inputs' positions in the
// assessment (its inputs sorted by name), unless said otherwise.
enum Stream : std::uint32_t {
  // The main design: a random draw, or the position within the stratum of
  // a Latin hypercube. index = iteration.
  kStreamMainPosition = 1,
  // The main design's Latin hypercube permutations (keyed permutations).
  kStreamMainPermutation = 2,
  // The rank correlations: the permutations of each input's scores.
  kStreamCorrelationScores = 3,
  // The Sobol design's matrices A and B, as the main design's two streams.
  kStreamSobolAPosition = 4,
  kStreamSobolAPermutation = 5,
  kStreamSobolBPosition = 6,
  kStreamSobolBPermutation = 7,
  // Bootstrap resampling of the Sobol base rows: index = draw within the
  // replicate, dimension = replicate.
  kStreamSobolBootstrap = 8,
};

// 64 random bits (the mapping above).
std::uint64_t RandomBits(std::uint64_t seed, std::uint32_t stream, std::uint64_t index,
                         std::uint32_t dimension);

// A uniform number strictly inside (0, 1) (the mapping above).
double Uniform01(std::uint64_t seed, std::uint32_t stream, std::uint64_t index,
                 std::uint32_t dimension);

// A keyed permutation of 0 .. n-1 that any thread can evaluate at any point:
// a balanced Feistel network of 6 rounds on the smallest even number of bits
// 2h >= bits(n - 1) (h >= 1), cycle-walking until the value is below n. Round
// r maps (L, R) to (R, L xor (RandomBits(seed, stream, r << 32 | R,
// dimension) & (2^h - 1))), where L is the high half. Its inverse is not
// needed.
class KeyedPermutation {
 public:
  KeyedPermutation(std::uint64_t n, std::uint64_t seed, std::uint32_t stream,
                   std::uint32_t dimension);
  std::uint64_t Size() const { return n_; }
  // The image of i (i < Size()).
  std::uint64_t operator()(std::uint64_t i) const;

 private:
  std::uint64_t Round(std::uint64_t x) const;

  std::uint64_t n_;
  std::uint64_t seed_;
  std::uint32_t stream_;
  std::uint32_t dimension_;
  unsigned halfBits_;
};

}  // namespace lumo::prob
