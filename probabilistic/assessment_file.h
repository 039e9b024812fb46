// The distribution file: a JSON document (UTF-8) describing a probabilistic
// assessment (README.md, "The distribution file"; data/assessment.schema.json).
//
// The reader knows no scenario: the caller passes the inputs that may vary
// (VariableField). Anything the reader cannot use exactly as written is
// refused with one sentence naming the key or input, the value and what is
// allowed, and nothing runs: unknown keys at any level (a misspelled key
// silently ignored would be a wrong assessment), a key given twice, an
// unknown input or result name (with the closest valid name, or the list),
// a missing or misspelled distribution or parameter, a parameter outside its
// domain, a distribution with more than 0.1 % of its probability outside the
// input's allowed range (computed with its CDF), inconsistent rank
// correlations, Sobol indices asked together with correlations (the indices
// assume independent inputs).
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assessment.h"
#include "lumo_errors.h"

namespace lumo::prob {

// A distribution file that cannot be used; what() is the sentence for the
// user.
class EAssessmentFile : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// The largest share of an input's distribution that may lie outside its
// allowed range; drawn values there are corrected to the range's ends.
inline constexpr double kMaxProbabilityOutsideField = 0.001;
inline constexpr std::size_t kMaxSobolBaseSamples = 10'000'000;
inline constexpr std::size_t kMaxBootstrap = 100'000;

// Reads a distribution file's text. Throws EAssessmentFile; a field with
// min > max (a fault of the caller's table) throws std::invalid_argument.
Assessment ReadAssessment(std::string_view text, std::span<const VariableField> fields);

// Reads the file; a file that cannot be read, or whose content is refused,
// throws EAssessmentFile with the file's name in front of the sentence.
Assessment ReadAssessmentFile(const std::filesystem::path &file,
                              std::span<const VariableField> fields);

// Reads one entry of "inputs" (the JSON object of the input `name`) as the
// file's reader reads it, with the same refusals: the distribution editor
// checks each input as it is typed. Throws EAssessmentFile.
AssessmentInput ReadInputEntry(const std::string &name, std::string_view entry,
                               std::span<const VariableField> fields);

// The assessment written back canonically: every key written, defaults
// included (the seed only when there is one), inputs by name, parameters in
// a fixed order, numbers in their shortest exact form. Reading it back gives
// the same assessment.
std::string AssessmentToJson(const Assessment &assessment);

// The parameters each family takes in the file ("distribution" aside): one
// or more forms, each a list of required parameters (the lognormal has two:
// gm and gsd, or mean and sd), and the optional ones (the truncation min and
// max where they are not parameters of the family itself).
struct FamilyParameters {
  const char *family;
  std::vector<std::vector<std::string>> forms;
  std::vector<std::string> optional;
};
const std::vector<FamilyParameters> &DistributionFamilies();

}  // namespace lumo::prob
