#include "sample_design.h"

#include "iman_conover.h"

namespace lumo::prob {

SampleDesign::SampleDesign(const Assessment &assessment, std::uint64_t seed)
    : SampleDesign(assessment, seed, assessment.iterations) {}

SampleDesign::SampleDesign(const Assessment &assessment, std::uint64_t seed, std::size_t iterations)
    : inputs_(assessment.inputs),
      unit_(assessment.sampling, seed, kStreamMainPosition, kStreamMainPermutation, iterations,
            assessment.inputs.size()),
      correlated_(assessment.inputs.size(), -1) {
  const CorrelationTarget target = CorrelationTargetOf(assessment);
  if (target.inputs.empty()) return;
  std::vector<std::uint32_t> dimensions;
  for (std::size_t c = 0; c < target.inputs.size(); ++c) {
    const std::size_t j = target.inputs[c];
    correlated_[j] = static_cast<std::ptrdiff_t>(c);
    dimensions.push_back(static_cast<std::uint32_t>(j));
    std::vector<double> column(iterations);
    for (std::size_t i = 0; i < iterations; ++i) column[i] = unit_(i, j);
    columns_.push_back(std::move(column));
  }
  ImposeRankCorrelations(columns_, target.spearman, seed, dimensions);
}

double SampleDesign::Unit(std::size_t i, std::size_t j) const {
  const std::ptrdiff_t c = correlated_[j];
  return c < 0 ? unit_(i, j) : columns_[static_cast<std::size_t>(c)][i];
}

std::vector<double> SampleDesign::Row(std::size_t i) const {
  std::vector<double> row(inputs_.size());
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = Value(i, j);
  return row;
}

}  // namespace lumo::prob
