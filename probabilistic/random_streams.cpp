#include "random_streams.h"

#include <Random123/philox.h>

#include <bit>

namespace lumo::prob {

std::uint64_t RandomBits(std::uint64_t seed, std::uint32_t stream, std::uint64_t index,
                         std::uint32_t dimension) {
  using Philox = r123::Philox4x32;
  const Philox::key_type key = {
      {static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)}};
  const Philox::ctr_type counter = {{static_cast<std::uint32_t>(index),
                                     static_cast<std::uint32_t>(index >> 32), dimension, stream}};
  const Philox::ctr_type x = Philox()(counter, key);
  return static_cast<std::uint64_t>(x[1]) << 32 | x[0];
}

double Uniform01(std::uint64_t seed, std::uint32_t stream, std::uint64_t index,
                 std::uint32_t dimension) {
  const std::uint64_t cell = RandomBits(seed, stream, index, dimension) >> 12;
  return (static_cast<double>(cell) + 0.5) * 0x1p-52;
}

KeyedPermutation::KeyedPermutation(std::uint64_t n, std::uint64_t seed, std::uint32_t stream,
                                   std::uint32_t dimension)
    : n_(n), seed_(seed), stream_(stream), dimension_(dimension) {
  const unsigned bits = n > 1 ? static_cast<unsigned>(std::bit_width(n - 1)) : 0;
  halfBits_ = bits <= 2 ? 1 : (bits + 1) / 2;
}

std::uint64_t KeyedPermutation::Round(std::uint64_t x) const {
  const std::uint64_t mask = (std::uint64_t{1} << halfBits_) - 1;
  std::uint64_t left = x >> halfBits_;
  std::uint64_t right = x & mask;
  for (std::uint64_t r = 0; r < 6; ++r) {
    const std::uint64_t f = RandomBits(seed_, stream_, r << 32 | right, dimension_) & mask;
    const std::uint64_t next = left ^ f;
    left = right;
    right = next;
  }
  return left << halfBits_ | right;
}

std::uint64_t KeyedPermutation::operator()(std::uint64_t i) const {
  // Cycle-walking: the network permutes 0 .. 4^h - 1 (fewer than 4n values),
  // so the walk from a value below n returns below n within a few steps on
  // average.
  std::uint64_t x = Round(i);
  while (x >= n_) x = Round(x);
  return x;
}

}  // namespace lumo::prob
