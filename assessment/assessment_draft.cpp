#include "assessment_draft.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "assessment_file.h"
#include "unit_conversions.h"
#include "variable_fields.h"

namespace lumo::prob {

namespace {

using OrderedJson = nlohmann::ordered_json;

double Same(double x) {
  return x;
}

InputUnit UnitOf(const InputDraft &input) {
  const VariableInput *entry = FindVariableInput(input.name);
  if (!entry) return {"", Same, Same};
  const std::vector<InputUnit> units = InputUnits(*entry);
  return input.unit < units.size() ? units[input.unit] : units.front();
}

}  // namespace

std::vector<InputUnit> InputUnits(const VariableInput &input) {
  std::vector<InputUnit> units{{input.unit, Same, Same}};
  const std::string &n = input.name;
  if (n == "BldgVolume")
    units.push_back({"m³", CubicMeterstoCubicFeet, CubicFeettoCubicMeters});
  else if (n == "InterzonalAirflow")
    units.push_back({"m³/hour", CubicMeterstoCubicFeet, CubicFeettoCubicMeters});
  else if (n == "LoadingRatio")
    units.push_back({"m²/m³", LoadingRatiofromMetric, LoadingRatiotoMetric});
  else if (n == "PaintDensity" || n == "PrimerDensity") {
    units.push_back({"lb/gallon", PoundsPerGallontoGrams, GramsPerGallontoPounds});
    units.push_back({"g/cm³", GramsPerCm3toGramsPerGallon, GramsPerGallontoGramsPerCm3});
  } else if (n == "BodyWeight")
    units.push_back({"lb", PoundstoKilograms, KilogramstoPounds});
  return units;
}

bool ParameterHasUnit(std::string_view parameter) {
  return parameter != "gsd" && parameter != "shape" && parameter != "alpha" &&
         parameter != "beta" && parameter != "weights";
}

const std::vector<FamilyForm> &FamilyForms() {
  static const std::vector<FamilyForm> forms = [] {
    std::vector<FamilyForm> list;
    for (const FamilyParameters &f : DistributionFamilies()) {
      auto optional = [&](const char *p) {
        return std::find(f.optional.begin(), f.optional.end(), p) != f.optional.end();
      };
      for (std::size_t k = 0; k < f.forms.size(); ++k) {
        std::string label = f.family;
        if (f.forms.size() > 1) {
          std::string names;
          for (const std::string &p : f.forms[k]) names += (names.empty() ? "" : ", ") + p;
          label += " (" + names + ")";
        }
        list.push_back({f.family, k, f.forms[k], optional("min"), optional("weights"), label});
      }
    }
    return list;
  }();
  return forms;
}

const FamilyForm *FindFamilyForm(std::string_view family, std::size_t form) {
  for (const FamilyForm &f : FamilyForms())
    if (f.family == family && f.form == form) return &f;
  return nullptr;
}

InputDraft *AssessmentDraft::Find(std::string_view name) {
  for (InputDraft &in : inputs)
    if (in.name == name) return &in;
  return nullptr;
}

const InputDraft *AssessmentDraft::Find(std::string_view name) const {
  return const_cast<AssessmentDraft *>(this)->Find(name);
}

AssessmentDraft NewDraft(const std::map<std::string, double> &own) {
  AssessmentDraft draft;
  for (const VariableInput &entry : VariableInputs()) {
    InputDraft in;
    in.name = entry.name;
    const auto value = own.find(entry.name);
    in.parameters["value"] = {value == own.end() ? 0.0 : value->second};
    draft.inputs.push_back(std::move(in));
  }
  return draft;
}

std::vector<std::string> ParameterNames(const InputDraft &input) {
  const FamilyForm *form = FindFamilyForm(input.family, input.form);
  std::vector<std::string> names = form ? form->parameters : std::vector<std::string>{};
  if (form && form->weighted) names.push_back("weights");
  return names;
}

std::string InputEntryJson(const InputDraft &input) {
  const InputUnit unit = UnitOf(input);
  auto stored = [&](const std::string &parameter, double x) {
    return ParameterHasUnit(parameter) ? unit.toStored(x) : x;
  };
  OrderedJson j;
  j["distribution"] = input.family;
  const FamilyForm *form = FindFamilyForm(input.family, input.form);
  for (const std::string &p : ParameterNames(input)) {
    const auto found = input.parameters.find(p);
    if (found == input.parameters.end() || found->second.empty()) continue;
    if (p == "values" || p == "weights") {
      OrderedJson list = OrderedJson::array();
      for (double x : found->second) list.push_back(stored(p, x));
      j[p] = list;
    } else {
      j[p] = stored(p, found->second.front());
    }
  }
  if (form && form->bounded) {
    if (input.lower) j["min"] = unit.toStored(*input.lower);
    if (input.upper) j["max"] = unit.toStored(*input.upper);
  }
  return j.dump();
}

std::optional<std::string> CheckInputDraft(const InputDraft &input) {
  try {
    ReadInputEntry(input.name, InputEntryJson(input), ScenarioVariableFields());
  } catch (const EAssessmentFile &e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

std::string DraftToJson(const AssessmentDraft &draft) {
  OrderedJson j;
  j["iterations"] = draft.iterations;
  if (draft.seed) j["seed"] = *draft.seed;
  j["sampling"] = draft.sampling == Sampling::Random ? "random" : "latin-hypercube";
  OrderedJson inputs = OrderedJson::object();
  for (const InputDraft &in : draft.inputs)
    if (in.varied) inputs[in.name] = OrderedJson::parse(InputEntryJson(in));
  j["inputs"] = inputs;
  if (!draft.correlations.empty()) {
    OrderedJson list = OrderedJson::array();
    for (const RankCorrelation &c : draft.correlations)
      list.push_back({{"between", {c.first, c.second}}, {"rank", c.rank}});
    j["correlations"] = list;
  }
  j["percentiles"] = draft.percentiles;
  OrderedJson reference = OrderedJson::object();
  for (const char *result : kResultNames)
    for (const ReferenceValue &r : draft.reference)
      if (r.result == result) reference[r.result] = r.value;
  j["reference"] = reference;
  OrderedJson sensitivity;
  sensitivity["spearman"] = draft.sensitivity.spearman;
  sensitivity["one-at-a-time"] = draft.sensitivity.oneAtATime;
  if (draft.sensitivity.sobol)
    sensitivity["sobol"] = {{"base-samples", draft.sensitivity.sobol->baseSamples},
                            {"bootstrap", draft.sensitivity.sobol->bootstrap}};
  j["sensitivity"] = sensitivity;
  return j.dump(2) + "\n";
}

Assessment ReadDraft(const AssessmentDraft &draft) {
  return ReadAssessment(DraftToJson(draft), ScenarioVariableFields());
}

AssessmentDraft DraftFromAssessment(const Assessment &assessment,
                                    const std::map<std::string, double> &own) {
  AssessmentDraft draft = NewDraft(own);
  draft.iterations = assessment.iterations;
  draft.seed = assessment.seed;
  draft.sampling = assessment.sampling;
  draft.correlations = assessment.correlations;
  draft.percentiles = assessment.percentiles;
  draft.reference = assessment.reference;
  draft.sensitivity = assessment.sensitivity;
  const auto file = OrderedJson::parse(AssessmentToJson(assessment));
  for (const auto &[name, entry] : file["inputs"].items()) {
    InputDraft *in = draft.Find(name);
    if (!in) continue;  // the reader knows only the table's inputs
    in->varied = true;
    in->family = entry["distribution"].get<std::string>();
    in->form = in->family == "lognormal" && !entry.contains("gm") ? 1 : 0;
    in->parameters.clear();
    const FamilyForm *form = FindFamilyForm(in->family, in->form);
    for (const auto &[key, value] : entry.items()) {
      if (key == "distribution") continue;
      const bool bound = (key == "min" || key == "max") && form &&
                         std::find(form->parameters.begin(), form->parameters.end(), key) ==
                             form->parameters.end();
      if (bound)
        (key == "min" ? in->lower : in->upper) = value.get<double>();
      else if (value.is_array())
        in->parameters[key] = value.get<std::vector<double>>();
      else
        in->parameters[key] = {value.get<double>()};
    }
  }
  return draft;
}

std::map<std::string, std::vector<double>> StartingParameters(const FamilyForm &form, double own) {
  const double spread = own == 0 ? 1 : std::abs(own) * 0.2;
  const std::string &f = form.family;
  if (f == "fixed") return {{"value", {own}}};
  if (f == "uniform" || f == "loguniform") {
    if (f == "loguniform" && own <= 0) return {{"min", {1}}, {"max", {10}}};
    return {{"min", {own - spread}}, {"max", {own + spread}}};
  }
  if (f == "normal") return {{"mean", {own}}, {"sd", {spread / 2}}};
  if (f == "lognormal") {
    if (own <= 0) {
      if (form.form == 0) return {{"gm", {1}}, {"gsd", {1.2}}};
      return {{"mean", {1}}, {"sd", {0.1}}};
    }
    if (form.form == 0) return {{"gm", {own}}, {"gsd", {1.2}}};
    return {{"mean", {own}}, {"sd", {spread / 2}}};
  }
  if (f == "triangular") return {{"min", {own - spread}}, {"mode", {own}}, {"max", {own + spread}}};
  if (f == "beta")
    return {{"alpha", {2}}, {"beta", {2}}, {"min", {own - spread}}, {"max", {own + spread}}};
  if (f == "gamma") return {{"shape", {25}}, {"scale", {own > 0 ? own / 25 : 0.04}}};
  if (f == "weibull") return {{"shape", {6}}, {"scale", {own > 0 ? own * 1.08 : 1}}};
  return {{"values", {own}}};
}

void ChangeInputUnit(InputDraft &input, std::size_t unit) {
  const VariableInput *entry = FindVariableInput(input.name);
  if (!entry) return;
  const std::vector<InputUnit> units = InputUnits(*entry);
  if (unit >= units.size() || unit == input.unit) return;
  const InputUnit &from = units[std::min(input.unit, units.size() - 1)];
  const InputUnit &to = units[unit];
  auto convert = [&](double x) { return to.fromStored(from.toStored(x)); };
  for (auto &[name, values] : input.parameters)
    if (ParameterHasUnit(name))
      for (double &x : values) x = convert(x);
  if (input.lower) input.lower = convert(*input.lower);
  if (input.upper) input.upper = convert(*input.upper);
  input.unit = unit;
}

std::optional<std::vector<double>> ParseNumberList(std::string_view text) {
  std::vector<double> numbers;
  std::size_t i = 0;
  auto separator = [](char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\n' || c == '\r';
  };
  while (i < text.size()) {
    if (separator(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !separator(text[end])) ++end;
    std::string_view word = text.substr(i, end - i);
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    double x = 0;
    const auto [ptr, error] = std::from_chars(word.data(), word.data() + word.size(), x);
    if (word.empty() || error != std::errc() || ptr != word.data() + word.size())
      return std::nullopt;
    numbers.push_back(x);
    i = end;
  }
  return numbers;
}

std::string DistributionFileFor(const std::string &scenarioFile) {
  std::filesystem::path path(scenarioFile);
  path.replace_extension(".mc.json");
  return path.string();
}

}  // namespace lumo::prob
