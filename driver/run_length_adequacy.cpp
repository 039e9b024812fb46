#include "run_length_adequacy.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace lumo {
namespace {

// mg one increment has emitted `u` days after its start.
double EmittedBy(const EmissionRateIncrementalRecord &e, double u) {
  const double mass = e.MassReleased;
  const double k = e.RateConstant;
  const double d = e.Duration;
  if (!(u > 0) || !(k > 0) || !(mass > 0)) return 0.0;
  if (!(d > 0)) return mass * -std::expm1(-k * u);
  if (u < d) return mass / d * (u + std::expm1(-k * u) / k);
  // Applied completely: what is left decays from the end of application.
  return mass * (1.0 - std::exp(-k * (u - d)) * -std::expm1(-k * d) / (k * d));
}

std::vector<std::string> SplitFields(const std::string &line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',')
      fields.emplace_back();
    else if (c != '\r')
      fields.back() += c;
  }
  return fields;
}

std::optional<double> ParseNumber(const std::string &text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// The first line and the last complete line of a file, reading only its
// start and its end.
std::optional<std::pair<std::string, std::string>> FirstAndLastLine(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string header;
  if (!std::getline(in, header)) return std::nullopt;
  in.clear();
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  constexpr std::streamoff kTail = 64 * 1024;
  const std::streamoff from = size > kTail ? size - kTail : 0;
  std::string tail(static_cast<std::size_t>(size - from), '\0');
  in.seekg(from);
  if (!in.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return std::nullopt;
  // Every row the engine finishes ends with a line end.
  if (tail.empty() || tail.back() != '\n') return std::nullopt;
  tail.pop_back();
  const std::size_t start = tail.rfind('\n');
  if (start == std::string::npos && from > 0) return std::nullopt;
  std::string last = start == std::string::npos ? tail : tail.substr(start + 1);
  return std::make_pair(header, last);
}

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %%", 100.0 * share);
  return text;
}

}  // namespace

double EmittedMass(std::span<const EmissionRateIncrementalRecord> increments, double t) {
  double sum = 0.0;
  for (const auto &e : increments) sum += EmittedBy(e, t - double(e.StartTime));
  return sum;
}

double AppliedMass(std::span<const EmissionRateIncrementalRecord> increments) {
  double sum = 0.0;
  for (const auto &e : increments)
    if (e.MassReleased > 0) sum += e.MassReleased;
  return sum;
}

std::optional<double> TimeToEmit(std::span<const EmissionRateIncrementalRecord> increments,
                                 double share) {
  const double target = share * AppliedMass(increments);
  if (!(target > 0)) return std::nullopt;
  double emitting = 0.0, start = INFINITY;
  for (const auto &e : increments) {
    if (e.MassReleased > 0 && e.RateConstant > 0) emitting += e.MassReleased;
    start = std::fmin(start, double(e.StartTime));
  }
  if (emitting < target) return std::nullopt;
  // The emitted mass only grows with time: widen, then halve the bracket.
  double low = start, span = 1.0;
  while (EmittedMass(increments, start + span) < target) {
    low = start + span;
    span *= 2.0;
    if (span > 1e12) return std::nullopt;
  }
  double high = start + span;
  for (int i = 0; i < 200 && high - low > 1e-9 * std::fmax(1.0, high); ++i) {
    const double mid = 0.5 * (low + high);
    (EmittedMass(increments, mid) < target ? low : high) = mid;
  }
  return high;
}

std::optional<RunEndMass> ReadRunEndMass(const std::string &csvPath, const TransferRecord &inputs) {
  if (csvPath.empty()) return std::nullopt;
  const auto lines = FirstAndLastLine(csvPath);
  if (!lines) return std::nullopt;
  const auto names = SplitFields(lines->first);
  const auto values = SplitFields(lines->second);
  if (names.size() != values.size() || names.size() < 3) return std::nullopt;
  const auto time = ParseNumber(values[0]);
  const double end = inputs.EndTime;
  // The file's numbers have six significant digits.
  if (!time || std::fabs(*time - end) > 1e-5 * std::fmax(1.0, std::fabs(end))) return std::nullopt;
  RunEndMass mass;
  bool zone1 = false;
  for (std::size_t i = 1; i < names.size(); ++i) {
    const std::string &name = names[i];
    const bool isZone1 = name.rfind("Conc Zone 1", 0) == 0;
    const bool isZone2 = name.rfind("Conc Zone 2", 0) == 0;
    const bool isSink = name.rfind("Sink ", 0) == 0;
    if (!isZone1 && !isZone2 && !isSink) continue;
    const auto value = ParseNumber(values[i]);
    if (!value) return std::nullopt;
    if (isZone1) {
      mass.airborneMg += *value * double(inputs.VolumeRecord.Zone1Volume);
      zone1 = true;
    } else if (isZone2) {
      mass.airborneMg += *value * double(inputs.VolumeRecord.Zone2Volume);
    } else {
      mass.sinksMg += *value;
    }
  }
  if (!zone1) return std::nullopt;
  mass.reversibleSinks = inputs.LangmuirSinkList.Entries > 0;
  return mass;
}

std::optional<int> RunLengthAdequacy::SuggestedRunLength() const {
  if (!daysFor99) return std::nullopt;
  const double days = std::ceil(*daysFor99 - 1e-9);
  if (days > 1e9) return std::nullopt;
  return static_cast<int>(std::fmax(days, 1.0));
}

RunLengthAdequacy AssessRunLength(const TransferRecord &inputs, const std::string &csvPath) {
  const std::span<const EmissionRateIncrementalRecord> increments(
      inputs.EmissionRateIncrementalList.List,
      inputs.EmissionRateIncrementalList.List && inputs.EmissionRateIncrementalList.Entries > 0
          ? static_cast<std::size_t>(inputs.EmissionRateIncrementalList.Entries)
          : 0);
  RunLengthAdequacy a;
  a.runLengthDays = double(inputs.EndTime) - double(inputs.StartTime);
  a.appliedMg = AppliedMass(increments);
  a.emittedMg = EmittedMass(increments, inputs.EndTime);
  if (auto t = TimeToEmit(increments, kSuggestedEmittedShare))
    a.daysFor99 = *t - double(inputs.StartTime);
  a.end = ReadRunEndMass(csvPath, inputs);
  return a;
}

std::vector<std::string> RunLengthNotes(const RunLengthAdequacy &a) {
  std::vector<std::string> notes;
  char days[64];
  std::snprintf(days, sizeof days, "%.0f", a.runLengthDays);
  if (!(a.appliedMg > 0)) {
    notes.push_back("The paint applies none of the chemical: nothing is emitted.");
    return notes;
  }
  std::string first = "By the end of the " + std::string(days) + "-day run, " +
                      Percent(a.EmittedShare()) + " of the chemical applied has been emitted";
  if (a.end && a.emittedMg > 0) {
    first += "; of that, " + Percent(a.end->airborneMg / a.emittedMg) + " is still airborne";
    if (a.end->reversibleSinks)
      first += " and " + Percent(a.end->sinksMg / a.emittedMg) + " is held by the reversible sinks";
  }
  notes.push_back(first + ".");
  if (!a.Underestimated()) return notes;
  std::string warning =
      "Less than 95 % of the chemical has been emitted: the long-term measures (LADD, ADD, LADC, "
      "ADC) are underestimated. ";
  if (auto suggested = a.SuggestedRunLength()) {
    warning += "A run of " + std::to_string(*suggested) + " days would emit 99 %";
    warning +=
        *suggested > 999 ? ", longer than the longest run the program makes (999 days)." : ".";
  } else {
    warning += "No run length emits 99 %: part of the chemical has an emission rate constant of 0.";
  }
  notes.push_back(warning);
  return notes;
}

}  // namespace lumo
