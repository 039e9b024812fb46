#include "unit_sample.h"

#include <algorithm>

namespace lumo::prob {

UnitSample::UnitSample(Sampling sampling, std::uint64_t seed, std::uint32_t positionStream,
                       std::uint32_t permutationStream, std::size_t rows, std::size_t columns)
    : sampling_(sampling), seed_(seed), positionStream_(positionStream), rows_(rows) {
  for (std::size_t j = 0; j < columns; ++j)
    permutations_.emplace_back(rows, seed, permutationStream, static_cast<std::uint32_t>(j));
}

double UnitSample::operator()(std::size_t row, std::size_t column) const {
  const double position =
      Uniform01(seed_, positionStream_, row, static_cast<std::uint32_t>(column));
  if (sampling_ == Sampling::Random) return position;
  const double stratum = static_cast<double>(permutations_[column](row));
  // The top stratum's last cells would round to 1 when divided.
  return std::min((stratum + position) / static_cast<double>(rows_), 1 - 0x1p-53);
}

}  // namespace lumo::prob
