#include "sweep.h"

#include <cmath>
#include <cstdio>

#include "assemble_engine_inputs.h"
#include "number_text.h"

namespace lumo::comparison {

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string Names() {
  std::string out;
  for (const VariableInput &in : VariableInputs()) out += (out.empty() ? "" : ", ") + in.name;
  return out;
}

const VariableInput &Field(std::string_view name) {
  if (const VariableInput *in = FindVariableInput(name)) return *in;
  for (const VariableInput &in : VariableInputs()) {
    bool same = in.name.size() == name.size();
    for (std::size_t i = 0; same && i < name.size(); ++i)
      same = std::tolower(static_cast<unsigned char>(in.name[i])) ==
             std::tolower(static_cast<unsigned char>(name[i]));
    if (same)
      throw ESweep("There is no input \"" + std::string(name) + "\" to sweep; did you mean " +
                   in.name + "?");
  }
  throw ESweep("There is no input \"" + std::string(name) +
               "\" to sweep. The inputs are: " + Names() + ".");
}

double Value(std::string_view text, const std::string &what) {
  const std::optional<double> v = ReadNumber(Trimmed(text));
  if (!v)
    throw ESweep("The " + what + " \"" + std::string(Trimmed(text)) +
                 "\" of the sweep is not a number; write it as 12000, 0.5 or 1.5e-3.");
  return *v;
}

}  // namespace

std::vector<double> SweepRange(double start, double stop, std::size_t count) {
  std::vector<double> values(count);
  for (std::size_t i = 0; i < count; ++i)
    values[i] = start + (stop - start) * (static_cast<double>(i) / static_cast<double>(count - 1));
  values.front() = start;
  values.back() = stop;
  return values;
}

SweepRequest ParseSweep(std::string_view text) {
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos || Trimmed(text.substr(0, eq)).empty())
    throw ESweep(
        "A sweep is written FIELD=START:STOP:COUNT or FIELD=v1,v2,... (for example "
        "AirExchangeRate=0.2:2:10), not \"" +
        std::string(text) + "\".");
  SweepRequest request;
  request.input = &Field(Trimmed(text.substr(0, eq)));
  const std::string_view rest = text.substr(eq + 1);
  const std::string name = request.input->name;
  if (rest.find(':') != std::string_view::npos) {
    const std::size_t a = rest.find(':'), b = rest.find(':', a + 1);
    if (b == std::string_view::npos || rest.find(':', b + 1) != std::string_view::npos ||
        rest.find(',') != std::string_view::npos)
      throw ESweep("A range is written " + name + "=START:STOP:COUNT (for example " + name +
                   "=1:10:10), not \"" + std::string(rest) + "\".");
    const double start = Value(rest.substr(0, a), "start");
    const double stop = Value(rest.substr(a + 1, b - a - 1), "stop");
    const std::optional<double> count = ReadWholeNumber(Trimmed(rest.substr(b + 1)));
    if (!count || *count < 2 || *count > double(kMaxSweepValues))
      throw ESweep("The count \"" + std::string(Trimmed(rest.substr(b + 1))) +
                   "\" of the sweep is refused: it takes a whole number from 2 to " +
                   std::to_string(kMaxSweepValues) + ".");
    if (start == stop)
      throw ESweep("The sweep's start and stop are both " +
                   std::string(Trimmed(rest.substr(0, a))) +
                   ": give two different ends, or list the values.");
    request.values = SweepRange(start, stop, static_cast<std::size_t>(*count));
    return request;
  }
  std::string_view list = rest;
  for (;;) {
    const std::size_t comma = list.find(',');
    request.values.push_back(Value(list.substr(0, comma), "value"));
    if (request.values.size() > kMaxSweepValues)
      throw ESweep("A sweep takes at most " + std::to_string(kMaxSweepValues) + " values.");
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return request;
}

std::vector<SweepPoint> RunSweep(const TLumoState &scenario, const SweepRequest &request,
                                 const EngineRuns &engine, const SweepOptions &options) {
  std::vector<SweepPoint> points(request.values.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i].requested = request.values[i];
    points[i].problem = "Stopped before it ran.";
  }
  ForEachIndex(
      points.size(), options.threads, options.stop,
      [&](std::size_t i) {
        SweepPoint &p = points[i];
        p.problem.clear();
        try {
          TLumoState varied;
          varied.ScenarioRecord = scenario.ScenarioRecord;
          varied.PaintDurationGrid() = scenario.PaintDurationGrid();
          const VariedValue value{request.input, p.requested};
          ApplyVariableInputs(varied, std::span(&value, 1));
          p.applied = request.input->get(varied.ScenarioRecord);
          EngineRunInputs inputs =
              AssembleEngineInputs(varied.ScenarioRecord, varied.PaintDurationGrid());
          const EngineRuns::Outcome outcome = engine.Run(BindRecord(inputs));
          p.ok = outcome.ok;
          if (outcome.ok)
            p.results = ResultsOf(outcome.results);
          else
            p.problem = outcome.problem;
        } catch (const std::exception &e) {
          p.ok = false;
          p.problem = e.what();
        }
      },
      options.progress);
  return points;
}

}  // namespace lumo::comparison
