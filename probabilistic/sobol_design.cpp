#include "sobol_design.h"

#include <stdexcept>

namespace lumo::prob {
namespace {

std::size_t BaseSamplesOf(const Assessment &assessment) {
  if (!assessment.sensitivity.sobol)
    throw std::invalid_argument("Sobol design: the assessment asks for no Sobol indices");
  return assessment.sensitivity.sobol->baseSamples;
}

}  // namespace

SobolDesign::SobolDesign(const Assessment &assessment, std::uint64_t seed)
    : SobolDesign(assessment, seed, BaseSamplesOf(assessment)) {}

SobolDesign::SobolDesign(const Assessment &assessment, std::uint64_t seed, std::size_t baseSamples)
    : inputs_(assessment.inputs),
      a_(assessment.sampling, seed, kStreamSobolAPosition, kStreamSobolAPermutation, baseSamples,
         assessment.inputs.size()),
      b_(assessment.sampling, seed, kStreamSobolBPosition, kStreamSobolBPermutation, baseSamples,
         assessment.inputs.size()) {
  for (std::size_t j = 0; j < inputs_.size(); ++j)
    if (inputs_[j].Varies()) varied_.push_back(j);
}

double SobolDesign::Unit(std::size_t run, std::size_t input) const {
  const std::size_t n = BaseSamples();
  const std::size_t block = run / n, row = run % n;
  if (block == 0) return a_(row, input);
  if (block == 1) return b_(row, input);
  return varied_.at(block - 2) == input ? b_(row, input) : a_(row, input);
}

std::vector<double> SobolDesign::Row(std::size_t run) const {
  std::vector<double> row(inputs_.size());
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = Value(run, j);
  return row;
}

}  // namespace lumo::prob
