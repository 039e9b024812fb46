#include "assessment_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <stdexcept>

#include "closest_name.h"
#include "correlation_matrix.h"
#include "number_format.h"

namespace lumo::prob {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Refuse(const std::string &sentence) {
  throw EAssessmentFile(sentence);
}

std::string Quoted(const std::string &s) {
  return "\"" + s + "\"";
}

std::string JoinQuoted(const std::vector<std::string> &names) {
  std::string list;
  for (const std::string &n : names) list += (list.empty() ? "" : ", ") + Quoted(n);
  return list;
}

// ---- Parsing: JSON syntax and keys given twice ---------------------------

Json Parse(std::string_view text) {
  // The parser keeps the last of two equal keys; a key given twice is
  // refused instead (which of two values was meant is unknown).
  struct Frame {
    std::string name;
    std::set<std::string> keys;
    std::string lastKey;
  };
  std::vector<Frame> frames;
  std::optional<std::string> duplicate;
  auto watch = [&](int, Json::parse_event_t event, Json &parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        frames.push_back({frames.empty() ? std::string() : frames.back().lastKey, {}, {}});
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        if (!frames.empty()) frames.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!frames.empty()) {
          Frame &frame = frames.back();
          frame.lastKey = parsed.get<std::string>();
          if (!frame.keys.insert(frame.lastKey).second && !duplicate)
            duplicate = "The key " + Quoted(frame.lastKey) + " is given twice" +
                        (frame.name.empty() ? std::string() : " in " + Quoted(frame.name)) +
                        "; give it once.";
        }
        break;
      case Json::parse_event_t::value:
        break;
    }
    return true;
  };
  Json document;
  try {
    document = Json::parse(text.begin(), text.end(), watch);
  } catch (const Json::exception &e) {
    // Syntax, invalid UTF-8, a number too large for a double (1e999).
    std::string what = e.what();
    if (const auto end = what.find("] "); what.rfind("[json.exception", 0) == 0 && end != what.npos)
      what = what.substr(end + 2);
    Refuse("The distribution file is not valid JSON (" + what + ").");
  }
  if (duplicate) Refuse(*duplicate);
  if (!document.is_object())
    Refuse(
        "The distribution file must hold one JSON object ({ ... }) with \"iterations\" and "
        "\"inputs\"; it holds " +
        std::string(document.type_name()) + ".");
  return document;
}

// ---- Values ---------------------------------------------------------------

// `where` names the value in sentences: "\"iterations\"", "input \"X\": \"sd\"".
double Number(const Json &value, const std::string &where) {
  if (!value.is_number()) Refuse(where + " must be a number; it is " + value.dump() + ".");
  const double x = value.get<double>();
  if (!std::isfinite(x)) Refuse(where + " is not a finite number.");
  return x;
}

// A whole number from min to max (a number written with a fraction or an
// exponent is taken when it is whole).
std::uint64_t WholeNumber(const Json &value, const std::string &where, std::uint64_t min,
                          std::uint64_t max) {
  const std::string range = std::to_string(min) + " to " + std::to_string(max);
  std::uint64_t n = 0;
  if (value.is_number_unsigned()) {
    n = value.get<std::uint64_t>();
  } else if (value.is_number_integer()) {
    Refuse(where + " is " + value.dump() + "; it must be a whole number from " + range + ".");
  } else if (value.is_number_float()) {
    const double x = value.get<double>();
    if (!(x >= 0 && x < 0x1p53 && x == std::floor(x)))
      Refuse(where + " is " + value.dump() + "; it must be a whole number from " + range + ".");
    n = static_cast<std::uint64_t>(x);
  } else {
    Refuse(where + " must be a whole number from " + range + "; it is " + value.dump() + ".");
  }
  if (n < min || n > max)
    Refuse(where + " is " + std::to_string(n) + "; it must be from " + range + ".");
  return n;
}

bool Boolean(const Json &value, const std::string &where) {
  if (!value.is_boolean()) Refuse(where + " must be true or false; it is " + value.dump() + ".");
  return value.get<bool>();
}

const Json &Object(const Json &value, const std::string &where) {
  if (!value.is_object())
    Refuse(where + " must be an object ({ ... }); it is " + value.dump() + ".");
  return value;
}

void RefuseUnknownKeys(const Json &object, const std::vector<std::string> &known,
                       const std::string &where) {
  for (const auto &[key, value] : object.items()) {
    if (std::find(known.begin(), known.end(), key) != known.end()) continue;
    Refuse("The key " + Quoted(key) + (where.empty() ? "" : " in " + where) + " is unknown; " +
           SuggestName(key, known, "keys there"));
  }
}

// ---- Inputs ---------------------------------------------------------------

const std::vector<FamilyParameters> kFamilies = {
    {"fixed", {{"value"}}, {"min", "max"}},
    {"uniform", {{"min", "max"}}, {}},
    {"loguniform", {{"min", "max"}}, {}},
    {"normal", {{"mean", "sd"}}, {"min", "max"}},
    {"lognormal", {{"gm", "gsd"}, {"mean", "sd"}}, {"min", "max"}},
    {"triangular", {{"min", "mode", "max"}}, {}},
    {"beta", {{"alpha", "beta", "min", "max"}}, {}},
    {"gamma", {{"shape", "scale"}}, {"min", "max"}},
    {"weibull", {{"shape", "scale"}}, {"min", "max"}},
    {"empirical", {{"values"}}, {"weights", "min", "max"}},
};

std::vector<std::string> FamilyNames() {
  std::vector<std::string> names;
  for (const auto &f : kFamilies) names.push_back(f.family);
  return names;
}

std::string ParameterList(const FamilyParameters &family) {
  std::string text;
  for (const auto &form : family.forms) text += (text.empty() ? "" : ", or ") + JoinQuoted(form);
  if (!family.optional.empty()) text += "; optional " + JoinQuoted(family.optional);
  return text;
}

std::vector<double> NumberList(const Json &value, const std::string &where) {
  if (!value.is_array()) Refuse(where + " must be a list of numbers ([ ... ]).");
  std::vector<double> numbers;
  for (const Json &x : value) numbers.push_back(Number(x, where + " (a member)"));
  return numbers;
}

std::string RangeText(const VariableField &field) {
  return FormatNumber(field.min) + " to " + FormatNumber(field.max) +
         (field.unit.empty() ? "" : " " + field.unit);
}

Distribution ReadDistribution(const std::string &name, const Json &entry) {
  const std::string input = "Input " + Quoted(name);
  Object(entry, input);
  if (!entry.contains("distribution"))
    Refuse(input + ": \"distribution\" is missing; give one of " + JoinQuoted(FamilyNames()) + ".");
  const Json &familyValue = entry["distribution"];
  if (!familyValue.is_string())
    Refuse(input + ": \"distribution\" must be a name, one of " + JoinQuoted(FamilyNames()) + ".");
  const std::string familyName = familyValue.get<std::string>();
  const auto family = std::find_if(kFamilies.begin(), kFamilies.end(),
                                   [&](const auto &f) { return familyName == f.family; });
  if (family == kFamilies.end())
    Refuse(input + ": the distribution " + Quoted(familyName) + " is unknown; " +
           SuggestName(familyName, FamilyNames(), "distributions"));

  std::vector<std::string> known{"distribution"};
  for (const auto &form : family->forms) known.insert(known.end(), form.begin(), form.end());
  known.insert(known.end(), family->optional.begin(), family->optional.end());
  for (const auto &[key, value] : entry.items()) {
    if (std::find(known.begin(), known.end(), key) != known.end()) continue;
    Refuse(input + ": " + Quoted(key) + " is not a parameter of the " + familyName +
           " distribution (its parameters: " + ParameterList(*family) + ").");
  }
  // The form given: the first whose parameters are all there. Parameters of
  // two forms together (a lognormal's gm and mean) are refused.
  const std::vector<std::string> *form = nullptr;
  for (const auto &f : family->forms) {
    const bool any = std::any_of(f.begin(), f.end(), [&](auto &k) { return entry.contains(k); });
    if (!any) continue;
    if (form)
      Refuse(input + ": give the " + familyName + " distribution either " + JoinQuoted(*form) +
             " or " + JoinQuoted(f) + ", not both.");
    form = &f;
  }
  if (!form) form = &family->forms.front();
  for (const std::string &key : *form)
    if (!entry.contains(key))
      Refuse(input + ": the " + familyName + " distribution needs " + Quoted(key) +
             " (its parameters: " + ParameterList(*family) + ").");

  auto number = [&](const char *key) { return Number(entry[key], input + ": " + Quoted(key)); };
  auto optional = [&](const char *key, double none) {
    return entry.contains(key) ? number(key) : none;
  };
  try {
    const double lower = optional("min", -Distribution::kNone);
    const double upper = optional("max", Distribution::kNone);
    if (familyName == "fixed") return Distribution(Fixed{number("value")}, lower, upper);
    if (familyName == "uniform") return Distribution(Uniform{lower, upper});
    if (familyName == "loguniform") return Distribution(LogUniform{lower, upper});
    if (familyName == "normal")
      return Distribution(Normal{number("mean"), number("sd")}, lower, upper);
    if (familyName == "lognormal") {
      if (entry.contains("gm"))
        return Distribution(LogNormal{number("gm"), number("gsd")}, lower, upper);
      return Distribution(LogNormalFromMoments(number("mean"), number("sd")), lower, upper);
    }
    if (familyName == "triangular") return Distribution(Triangular{lower, number("mode"), upper});
    if (familyName == "beta")
      return Distribution(Beta{number("alpha"), number("beta"), lower, upper});
    if (familyName == "gamma")
      return Distribution(Gamma{number("shape"), number("scale")}, lower, upper);
    if (familyName == "weibull")
      return Distribution(Weibull{number("shape"), number("scale")}, lower, upper);
    Empirical empirical{NumberList(entry["values"], input + ": \"values\""), {}};
    if (entry.contains("weights"))
      empirical.weights = NumberList(entry["weights"], input + ": \"weights\"");
    return Distribution(std::move(empirical), lower, upper);
  } catch (const EDistribution &e) {
    Refuse(input + ": " + e.what() + ".");
  }
}

// The distribution must keep within the input's allowed range but for a
// share small enough to correct at the range's ends.
void CheckAgainstField(const AssessmentInput &in) {
  const std::string input = "Input " + Quoted(in.name);
  const DistributionShape &shape = in.distribution.Shape();
  if (const auto *fixed = std::get_if<Fixed>(&shape)) {
    if (fixed->value < in.field.min || fixed->value > in.field.max)
      Refuse(input + ": the value " + FormatNumber(fixed->value) +
             " is outside its allowed range, " + RangeText(in.field) + ".");
    return;
  }
  const double outside = ProbabilityOutside(in.distribution, in.field.min, in.field.max);
  if (outside <= kMaxProbabilityOutsideField) return;
  const bool boundedFamily =
      std::holds_alternative<Uniform>(shape) || std::holds_alternative<LogUniform>(shape) ||
      std::holds_alternative<Triangular>(shape) || std::holds_alternative<Beta>(shape);
  std::ostringstream share;
  share.precision(outside < 0.01 ? 2 : 3);
  share << outside * 100;
  Refuse(input + ": " + share.str() + " % of its " + FamilyName(shape) +
         " distribution lies outside its allowed range, " + RangeText(in.field) +
         " (at most 0.1 % may: such values are corrected to the range's ends); " +
         (boundedFamily ? "change \"min\" and \"max\" to lie within that range."
                        : "add \"min\" and/or \"max\" to truncate it within that range."));
}

std::vector<AssessmentInput> ReadInputs(const Json &inputs, std::span<const VariableField> fields) {
  Object(inputs, "\"inputs\"");
  std::vector<std::string> names;
  for (const VariableField &f : fields) names.push_back(f.name);
  std::vector<AssessmentInput> read;
  for (const auto &item : inputs.items()) {
    const std::string &name = item.key();
    const Json &entry = item.value();
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&](const VariableField &f) { return f.name == name; });
    if (field == fields.end())
      Refuse(Quoted(name) + " in \"inputs\" is not an input that can vary; " +
             SuggestName(name, names, "inputs that can vary"));
    if (!(field->min <= field->max))
      throw std::invalid_argument("the range of the field " + name + " is empty");
    read.push_back({name, ReadDistribution(name, entry), *field});
    CheckAgainstField(read.back());
  }
  if (read.empty()) Refuse("\"inputs\" is empty; give a distribution for at least one input.");
  if (std::none_of(read.begin(), read.end(), [](const auto &in) { return in.Varies(); }))
    Refuse(
        "None of the inputs varies (each has a single value); give at least one a "
        "distribution.");
  std::sort(read.begin(), read.end(), [](auto &a, auto &b) { return a.name < b.name; });
  return read;
}

// ---- Correlations, percentiles, reference values, sensitivity -------------

std::vector<RankCorrelation> ReadCorrelations(const Json &list, const Assessment &a) {
  if (!list.is_array())
    Refuse("\"correlations\" must be a list ([ ... ]) of {\"between\": [A, B], \"rank\": r}.");
  std::vector<RankCorrelation> read;
  std::vector<std::string> inputNames;
  for (const auto &in : a.inputs) inputNames.push_back(in.name);
  for (const Json &entry : list) {
    Object(entry, "Each member of \"correlations\"");
    RefuseUnknownKeys(entry, {"between", "rank"}, "\"correlations\"");
    if (!entry.contains("between") || !entry.contains("rank"))
      Refuse("Each member of \"correlations\" needs \"between\" (two inputs) and \"rank\"; " +
             entry.dump() + " does not have both.");
    const Json &between = entry["between"];
    if (!between.is_array() || between.size() != 2 || !between[0].is_string() ||
        !between[1].is_string())
      Refuse("\"between\" in \"correlations\" must name two inputs ([\"A\", \"B\"]); it is " +
             between.dump() + ".");
    RankCorrelation c{between[0].get<std::string>(), between[1].get<std::string>(), 0};
    const std::string pair = Quoted(c.first) + " and " + Quoted(c.second);
    c.rank = Number(entry["rank"], "The rank correlation between " + pair);
    if (c.rank < -1 || c.rank > 1)
      Refuse("The rank correlation between " + pair + " is " + FormatNumber(c.rank) +
             "; it must be from -1 to 1.");
    if (c.first == c.second)
      Refuse("A rank correlation is given between " + Quoted(c.first) +
             " and itself; name two different inputs.");
    for (const std::string &name : {c.first, c.second}) {
      const auto index = a.InputIndex(name);
      if (!index)
        Refuse("The rank correlation between " + pair + " names " + Quoted(name) +
               ", which is not among \"inputs\"; " + SuggestName(name, inputNames, "inputs given"));
      if (!a.inputs[*index].Varies())
        Refuse("The rank correlation between " + pair + " names " + Quoted(name) +
               ", which does not vary (it has a single value); only varied inputs can be "
               "correlated.");
    }
    for (const RankCorrelation &earlier : read)
      if ((earlier.first == c.first && earlier.second == c.second) ||
          (earlier.first == c.second && earlier.second == c.first))
        Refuse("The rank correlation between " + pair + " is given twice; give it once.");
    read.push_back(c);
  }
  return read;
}

void CheckCorrelationMatrix(const Assessment &a) {
  const CorrelationTarget target = CorrelationTargetOf(a);
  if (target.inputs.empty()) return;
  // Both the rank correlations and the normal-score correlations the
  // imposing works with must form a positive definite matrix.
  SquareMatrix scores = target.spearman;
  for (double &v : scores.values) v = NormalScoreCorrelation(v);
  if (Cholesky(target.spearman) && Cholesky(scores)) return;
  std::vector<std::string> names;
  for (std::size_t j : target.inputs) names.push_back(a.inputs[j].name);
  Refuse("The rank correlations between " + JoinQuoted(names) +
         " cannot hold together: their correlation matrix is not positive definite (for "
         "example, A and B strongly correlated with C cannot be uncorrelated with each other, "
         "and a correlation of 1 or -1 leaves no room for any other); weaken or remove some of "
         "them.");
}

std::vector<double> ReadPercentiles(const Json &list) {
  if (!list.is_array() || list.empty())
    Refuse("\"percentiles\" must be a list of numbers between 0 and 100, e.g. [5, 50, 95].");
  std::vector<double> read;
  for (const Json &p : list) {
    const double x = Number(p, "A member of \"percentiles\"");
    if (!(x > 0 && x < 100))
      Refuse("\"percentiles\" holds " + FormatNumber(x) +
             "; each must lie between 0 and 100 (both excluded).");
    if (std::find(read.begin(), read.end(), x) != read.end())
      Refuse("\"percentiles\" holds " + FormatNumber(x) + " twice; give it once.");
    read.push_back(x);
  }
  std::sort(read.begin(), read.end());
  return read;
}

std::vector<ReferenceValue> ReadReference(const Json &object) {
  Object(object, "\"reference\"");
  const std::vector<std::string> results(std::begin(kResultNames), std::end(kResultNames));
  std::vector<ReferenceValue> read;
  for (const std::string &result : results) {
    if (!object.contains(result)) continue;
    const double value = Number(object[result], "The reference value of " + Quoted(result));
    if (value < 0)
      Refuse("The reference value of " + Quoted(result) + " is " + FormatNumber(value) +
             "; it must be 0 or more.");
    read.push_back({result, value});
  }
  for (const auto &[key, value] : object.items())
    if (std::find(results.begin(), results.end(), key) == results.end())
      Refuse(Quoted(key) + " in \"reference\" is not a result; " +
             SuggestName(key, results, "results"));
  return read;
}

SensitivityOptions ReadSensitivity(const Json &object) {
  Object(object, "\"sensitivity\"");
  RefuseUnknownKeys(object, {"spearman", "one-at-a-time", "sobol"}, "\"sensitivity\"");
  SensitivityOptions read;
  if (object.contains("spearman")) read.spearman = Boolean(object["spearman"], "\"spearman\"");
  if (object.contains("one-at-a-time"))
    read.oneAtATime = Boolean(object["one-at-a-time"], "\"one-at-a-time\"");
  if (!object.contains("sobol")) return read;
  const Json &sobol = object["sobol"];
  if (sobol.is_boolean() && !sobol.get<bool>()) return read;
  if (!sobol.is_object())
    Refuse(
        "\"sobol\" must be an object such as {\"base-samples\": 4096, \"bootstrap\": 200}, "
        "or false; it is " +
        sobol.dump() + ".");
  RefuseUnknownKeys(sobol, {"base-samples", "bootstrap"}, "\"sobol\"");
  if (!sobol.contains("base-samples"))
    Refuse(
        "\"sobol\" needs \"base-samples\", the number N of base samples (the Sobol design "
        "runs N × (varied inputs + 2) times).");
  SobolOptions options{
      WholeNumber(sobol["base-samples"], "\"base-samples\"", 2, kMaxSobolBaseSamples)};
  if (sobol.contains("bootstrap"))
    options.bootstrap = WholeNumber(sobol["bootstrap"], "\"bootstrap\"", 0, kMaxBootstrap);
  read.sobol = options;
  return read;
}

}  // namespace

const std::vector<FamilyParameters> &DistributionFamilies() {
  return kFamilies;
}

Assessment ReadAssessment(std::string_view text, std::span<const VariableField> fields) {
  const Json document = Parse(text);
  RefuseUnknownKeys(document,
                    {"$schema", "iterations", "seed", "sampling", "inputs", "correlations",
                     "percentiles", "reference", "sensitivity"},
                    "");
  Assessment a;
  if (!document.contains("iterations"))
    Refuse("\"iterations\" is missing; give the number of iterations, 1 to 10000000.");
  a.iterations = WholeNumber(document["iterations"], "\"iterations\"", 1, kMaxIterations);
  if (document.contains("seed")) a.seed = WholeNumber(document["seed"], "\"seed\"", 0, UINT64_MAX);
  if (document.contains("sampling")) {
    const Json &s = document["sampling"];
    if (s == "random") {
      a.sampling = Sampling::Random;
    } else if (s != "latin-hypercube") {
      Refuse("\"sampling\" is " + s.dump() + "; it must be \"random\" or \"latin-hypercube\".");
    }
  }
  if (!document.contains("inputs"))
    Refuse("\"inputs\" is missing; give the distributions of the inputs that vary.");
  a.inputs = ReadInputs(document["inputs"], fields);
  if (document.contains("correlations")) {
    a.correlations = ReadCorrelations(document["correlations"], a);
    CheckCorrelationMatrix(a);
  }
  if (document.contains("percentiles")) a.percentiles = ReadPercentiles(document["percentiles"]);
  if (document.contains("reference")) a.reference = ReadReference(document["reference"]);
  if (document.contains("sensitivity")) a.sensitivity = ReadSensitivity(document["sensitivity"]);
  if (a.sensitivity.sobol && !a.correlations.empty())
    Refuse(
        "Sobol indices assume independent inputs, and \"correlations\" are given; remove "
        "\"sobol\" from \"sensitivity\", or the correlations.");
  return a;
}

AssessmentInput ReadInputEntry(const std::string &name, std::string_view entry,
                               std::span<const VariableField> fields) {
  const auto field = std::find_if(fields.begin(), fields.end(),
                                  [&](const VariableField &f) { return f.name == name; });
  if (field == fields.end()) Refuse(Quoted(name) + " is not an input that can vary.");
  AssessmentInput read{name, ReadDistribution(name, Parse(entry)), *field};
  CheckAgainstField(read);
  return read;
}

Assessment ReadAssessmentFile(const std::filesystem::path &file,
                              std::span<const VariableField> fields) {
  const std::string name = file.string();
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error))
    Refuse(name + ": " +
           (std::filesystem::exists(file, error) ? "not a file that can be read."
                                                 : "there is no such file."));
  std::ifstream in(file, std::ios::binary);
  if (!in) Refuse(name + ": the file cannot be opened (" + std::strerror(errno) + ").");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) Refuse(name + ": the file cannot be read (" + std::strerror(errno) + ").");
  try {
    return ReadAssessment(text, fields);
  } catch (const EAssessmentFile &e) {
    Refuse(name + ": " + e.what());
  }
}

namespace {

using OrderedJson = nlohmann::ordered_json;

OrderedJson DistributionToJson(const Distribution &d) {
  OrderedJson j;
  j["distribution"] = FamilyName(d.Shape());
  std::visit(
      [&](const auto &s) {
        using T = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<T, Fixed>) j["value"] = s.value;
        if constexpr (std::is_same_v<T, Uniform> || std::is_same_v<T, LogUniform>) {
          j["min"] = s.min;
          j["max"] = s.max;
        }
        if constexpr (std::is_same_v<T, Normal>) {
          j["mean"] = s.mean;
          j["sd"] = s.sd;
        }
        if constexpr (std::is_same_v<T, LogNormal>) {
          if (s.byMoments) {
            j["mean"] = s.mean;
            j["sd"] = s.sd;
          } else {
            j["gm"] = s.gm;
            j["gsd"] = s.gsd;
          }
        }
        if constexpr (std::is_same_v<T, Triangular>) {
          j["min"] = s.min;
          j["mode"] = s.mode;
          j["max"] = s.max;
        }
        if constexpr (std::is_same_v<T, Beta>) {
          j["alpha"] = s.alpha;
          j["beta"] = s.beta;
          j["min"] = s.min;
          j["max"] = s.max;
        }
        if constexpr (std::is_same_v<T, Gamma> || std::is_same_v<T, Weibull>) {
          j["shape"] = s.shape;
          j["scale"] = s.scale;
        }
        if constexpr (std::is_same_v<T, Empirical>) {
          j["values"] = s.values;
          if (!s.weights.empty()) j["weights"] = s.weights;
        }
      },
      d.Shape());
  if (d.Lower() > -Distribution::kNone) j["min"] = d.Lower();
  if (d.Upper() < Distribution::kNone) j["max"] = d.Upper();
  return j;
}

}  // namespace

std::string AssessmentToJson(const Assessment &a) {
  OrderedJson j;
  j["iterations"] = a.iterations;
  if (a.seed) j["seed"] = *a.seed;
  j["sampling"] = a.sampling == Sampling::Random ? "random" : "latin-hypercube";
  OrderedJson inputs = OrderedJson::object();
  for (const AssessmentInput &in : a.inputs) inputs[in.name] = DistributionToJson(in.distribution);
  j["inputs"] = inputs;
  if (!a.correlations.empty()) {
    OrderedJson list = OrderedJson::array();
    for (const RankCorrelation &c : a.correlations)
      list.push_back({{"between", {c.first, c.second}}, {"rank", c.rank}});
    j["correlations"] = list;
  }
  j["percentiles"] = a.percentiles;
  OrderedJson reference = OrderedJson::object();
  for (const ReferenceValue &r : a.reference) reference[r.result] = r.value;
  j["reference"] = reference;
  OrderedJson sensitivity;
  sensitivity["spearman"] = a.sensitivity.spearman;
  sensitivity["one-at-a-time"] = a.sensitivity.oneAtATime;
  if (a.sensitivity.sobol)
    sensitivity["sobol"] = {{"base-samples", a.sensitivity.sobol->baseSamples},
                            {"bootstrap", a.sensitivity.sobol->bootstrap}};
  j["sensitivity"] = sensitivity;
  return j.dump(2) + "\n";
}

}  // namespace lumo::prob
