// Fuzz target: the distribution file of a probabilistic assessment. The input
// is the file's bytes, read against the program's table of inputs that may
// vary.
//
// Checked: a refused file throws the reader's own error with a sentence (no
// other exception, no crash); an accepted one is written back canonically
// and reads back to the same canonical text; its first iterations (at most
// 64) and its one-at-a-time cases give, for every input, a finite value
// inside the input's allowed range; a fixed input's value is the same in
// every iteration.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assessment_file.h"
#include "fuzz_support.h"
#include "one_at_a_time.h"
#include "sample_design.h"
#include "variable_fields.h"

namespace {

using namespace lumo;
using namespace lumo::fuzz;

void CheckValue(const prob::AssessmentInput &input, double v) {
  Require(std::isfinite(v), "a drawn value is finite");
  Require(v >= input.field.min && v <= input.field.max, "a drawn value lies in the input's range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  prob::Assessment assessment;
  try {
    assessment = prob::ReadAssessment(text, prob::ScenarioVariableFields());
  } catch (const prob::EAssessmentFile &e) {
    Require(std::string_view(e.what()).size() > 10, "a refusal says why");
    Trace("refused: %s", e.what());
    return 0;
  }
  const std::string canonical = prob::AssessmentToJson(assessment);
  std::string again;
  try {
    again = prob::AssessmentToJson(prob::ReadAssessment(canonical, prob::ScenarioVariableFields()));
  } catch (const prob::EAssessmentFile &e) {
    Fail(std::string("what was written back is refused: ") + e.what() + "\n" + canonical);
  }
  Require(again == canonical, "what was written back reads back the same");

  const std::size_t n = std::min<std::size_t>(assessment.iterations, 64);
  const prob::SampleDesign design(assessment, assessment.seed.value_or(1), n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::vector<double> row = design.Row(i);
    for (std::size_t j = 0; j < row.size(); ++j) {
      CheckValue(assessment.inputs[j], row[j]);
      if (!assessment.inputs[j].Varies())
        Require(row[j] == design.Value(0, j), "an input held at one value keeps it");
    }
  }
  for (const prob::OneAtATimeCase &c : prob::OneAtATimeCases(assessment))
    for (std::size_t j = 0; j < c.values.size(); ++j) CheckValue(assessment.inputs[j], c.values[j]);
  Trace("accepted: %zu inputs, %zu iterations", assessment.inputs.size(), assessment.iterations);
  return 0;
}
