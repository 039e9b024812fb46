// An assessment as the probabilistic assessment window edits it: every input
// that may vary, whether it varies, its distribution's parameters as the
// assessor typed them (in the unit chosen for the input), and the run's
// settings. The draft becomes a distribution file (DraftToJson) and is read
// back by the file's own reader (ReadDraft), so what the window runs is what
// the file says, and a refusal names the same key, value and range the
// reader would. A file read in becomes a draft again (DraftFromAssessment).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assessment.h"
#include "variable_inputs.h"

namespace lumo::prob {

// A unit an input's dialog shows it in, with the conversions to and from
// the stored unit (all of them proportional).
struct InputUnit {
  std::string label;
  double (*toStored)(double);
  double (*fromStored)(double);
};

// The units the input's dialog offers, the stored unit first.
std::vector<InputUnit> InputUnits(const VariableInput &input);

// Parameters that carry the input's unit (min, mean, gm, scale, values, ...)
// change with it; the others (gsd, shape, alpha, beta, weights) are pure
// numbers.
bool ParameterHasUnit(std::string_view parameter);

// A distribution family as the window offers it: one form of one of the
// file's families (the lognormal twice: by gm and gsd, by mean and sd).
struct FamilyForm {
  std::string family;                   // the file's name
  std::size_t form;                     // which of its forms
  std::vector<std::string> parameters;  // the required ones, in order
  bool bounded;                         // takes the optional truncation min and max
  bool weighted;                        // takes optional weights (the empirical)
  std::string label;                    // for the window: "lognormal (gm, gsd)"
};
const std::vector<FamilyForm> &FamilyForms();
const FamilyForm *FindFamilyForm(std::string_view family, std::size_t form);

struct InputDraft {
  std::string name;
  bool varied = false;
  std::string family = "fixed";
  std::size_t form = 0;
  // As typed, in units[unit]; a list for the empirical values and weights.
  std::map<std::string, std::vector<double>> parameters;
  std::optional<double> lower, upper;  // truncation, in units[unit]
  std::size_t unit = 0;
};

struct AssessmentDraft {
  std::vector<InputDraft> inputs;  // one per VariableInputs() entry, in its order
  std::size_t iterations = 1000;
  std::optional<std::uint64_t> seed;
  Sampling sampling = Sampling::LatinHypercube;
  std::vector<RankCorrelation> correlations;
  std::vector<double> percentiles{5, 25, 50, 75, 90, 95, 99};
  std::vector<ReferenceValue> reference;  // any order; written in the results' order
  SensitivityOptions sensitivity;

  InputDraft *Find(std::string_view name);
  const InputDraft *Find(std::string_view name) const;
};

// Every input, none varied; each offered as a fixed value at `own` (the
// scenario's value of each input, by name; missing ones at 0).
AssessmentDraft NewDraft(const std::map<std::string, double> &own = {});

// The input's entry of "inputs" (a JSON object), in the stored unit.
std::string InputEntryJson(const InputDraft &input);

// The input's parameters in its family's order (then the weights).
std::vector<std::string> ParameterNames(const InputDraft &input);

// Why the file's reader would refuse the input's entry, or nothing.
std::optional<std::string> CheckInputDraft(const InputDraft &input);

// The distribution file of the draft: the varied inputs, the settings.
std::string DraftToJson(const AssessmentDraft &draft);

// The draft read by the file's reader (ScenarioVariableFields); throws
// EAssessmentFile with the reader's sentence.
Assessment ReadDraft(const AssessmentDraft &draft);

// The draft of an assessment (a file read in): its inputs varied, in the
// stored units; every other input fixed at `own` as NewDraft offers it.
AssessmentDraft DraftFromAssessment(const Assessment &assessment,
                                    const std::map<std::string, double> &own = {});

// Parameters to start from when the family of an input at `own` is
// changed: centred on own, spreading about a fifth either side (a
// suggestion to edit, not a recommendation).
std::map<std::string, std::vector<double>> StartingParameters(const FamilyForm &form, double own);

// Shows the input in another of its units: parameters and bounds converted.
void ChangeInputUnit(InputDraft &input, std::size_t unit);

// Numbers typed in a field: separated by blanks, commas or semicolons; none
// when a word is not a number.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

// The scenario file's distribution file: the same name with ".mc.json" for
// its extension ("House.vkx" -> "House.mc.json").
std::string DistributionFileFor(const std::string &scenarioFile);

}  // namespace lumo::prob
