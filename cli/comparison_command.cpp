#include "comparison_command.h"

#include <memory>

#include "chemical_file.h"
#include "default_scenario.h"
#include "input_captions.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "result_report.h"
#include "result_tables.h"
#include "workbook.h"

namespace lumo::cli {

using namespace lumo::comparison;

namespace {

// The scenarios named on the command line, --default first; one that cannot
// be opened carries its reason.
std::vector<ScenarioToCompare> OpenScenarios(const CommandLine &command,
                                             const std::string &programDirectory) {
  std::vector<ScenarioToCompare> out;
  if (command.useDefault) {
    ScenarioToCompare s;
    s.label = "start-up scenario";
    try {
      auto state = std::make_shared<LumoTransfer>(programDirectory);
      TFileChemical chemicals(programDirectory + platform::PathSeparator() + "Chems.dat");
      SetStartupScenario(*state, chemicals);
      s.state = state;
    } catch (const std::exception &e) {
      s.error = e.what();
    }
    out.push_back(std::move(s));
  }
  for (const std::string &file : command.files) {
    ScenarioToCompare s;
    s.label = file;
    try {
      s.state = OpenScenario(file);
    } catch (const std::exception &e) {
      s.error = e.what();
    }
    out.push_back(std::move(s));
  }
  return out;
}

int Finish(const CommandLine &command, const ComparisonCommandIo &io, const std::string &printed,
           const std::vector<Sheet> &sheets, int status) {
  if (std::fputs(printed.c_str(), io.out) < 0 || std::fflush(io.out) != 0 || std::ferror(io.out)) {
    std::fprintf(io.err, "lumo-run: the results could not be written to standard output\n");
    status = 1;
  }
  if (!command.xlsx.empty()) {
    try {
      WriteWorkbook(command.xlsx, sheets);
    } catch (const std::exception &e) {
      std::fprintf(io.err, "lumo-run: %s\n", e.what());
      status = 1;
    }
  }
  return status;
}

std::unique_ptr<EngineRuns> LoadEngine(const ComparisonCommandIo &io) {
  try {
    return std::make_unique<EngineRuns>(io.programDirectory);
  } catch (const std::exception &e) {
    std::fprintf(io.err, "lumo-run: %s\n", e.what());
    return nullptr;
  }
}

nlohmann::ordered_json CellJson(const std::optional<InputValue> &v) {
  if (!v) return nullptr;
  return v->number ? Number(*v->number) : nlohmann::ordered_json(v->text);
}

}  // namespace

std::string ComparisonText(const Comparison &c) {
  std::string out = "Comparison of " + std::to_string(c.scenarios.size()) + " scenarios\n";
  for (std::size_t i = 0; i < c.scenarios.size(); ++i) {
    const ComparedScenario &s = c.scenarios[i];
    out += "  " + std::to_string(i + 1) + ". " + s.label;
    if (s.run.ok)
      out += s.run.fromFile ? " (its saved results)" : " (run now)";
    else
      out += "\n     Error: " + s.run.problem;
    out += "\n";
  }
  Table results = ComparisonResultsTable(c);
  Table inputs = ComparisonInputsTable(c);
  for (std::size_t i = 0; i < c.scenarios.size(); ++i)
    results.header[3 + i] = inputs.header[2 + i] = std::to_string(i + 1) + ".";
  out += "\nResults\n" + TableText(results);
  if (inputs.rows.empty())
    out += "\nInputs that differ: none\n";
  else
    out += "\nInputs that differ\n" + TableText(inputs);
  return out;
}

std::string ComparisonJson(const Comparison &c) {
  nlohmann::ordered_json all;
  nlohmann::ordered_json scenarios = nlohmann::ordered_json::array();
  for (const ComparedScenario &s : c.scenarios) {
    nlohmann::ordered_json one;
    one["scenario"] = s.label;
    if (s.opened) {
      one["chemical"] = s.chemical;
      one["molecularWeight"] = Number(s.molecularWeight);
    }
    if (s.run.ok) {
      one["resultsFrom"] = s.run.fromFile ? "file" : "run";
      one["results"] = ResultsJson(s.run.results);
    } else {
      one["error"] = s.run.problem;
    }
    scenarios.push_back(std::move(one));
  }
  all["scenarios"] = std::move(scenarios);
  nlohmann::ordered_json differences = nlohmann::ordered_json::array();
  for (const InputDifference &d : c.differences) {
    nlohmann::ordered_json one;
    one["input"] = d.name;
    one["caption"] = d.caption;
    one["unit"] = d.unit;
    nlohmann::ordered_json values = nlohmann::ordered_json::array();
    for (const auto &v : d.values) values.push_back(CellJson(v));
    one["values"] = std::move(values);
    differences.push_back(std::move(one));
  }
  all["differences"] = std::move(differences);
  return DumpJson(all);
}

std::string SweepText(const std::string &scenario, const SweepRequest &request,
                      const std::vector<SweepPoint> &points) {
  std::string out = "Sweep of " + InputCaption(request.input->name) + " (" + request.input->name +
                    ") over " + std::to_string(points.size()) + " values\nScenario: " + scenario +
                    "\n";
  return out + TableText(SweepTable(request, points));
}

std::string SweepJson(const std::string &scenario, const SweepRequest &request,
                      const std::vector<SweepPoint> &points) {
  nlohmann::ordered_json all;
  all["scenario"] = scenario;
  all["input"] = request.input->name;
  all["caption"] = InputCaption(request.input->name);
  all["unit"] = request.input->unit;
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const SweepPoint &p : points) {
    nlohmann::ordered_json one;
    one["value"] = Number(p.requested);
    one["applied"] = p.applied ? Number(*p.applied) : nlohmann::ordered_json();
    if (p.ok)
      one["results"] = ResultsJson(p.results);
    else
      one["error"] = p.problem;
    rows.push_back(std::move(one));
  }
  all["points"] = std::move(rows);
  return DumpJson(all);
}

int RunCompareCommand(const CommandLine &command, const ComparisonCommandIo &io) {
  std::unique_ptr<EngineRuns> engine = LoadEngine(io);
  if (!engine) return 1;
  const std::vector<ScenarioToCompare> scenarios = OpenScenarios(command, io.programDirectory);
  CompareOptions options;
  options.stop = io.interrupted;
  options.progress = io.progress;
  options.withSeries = !command.xlsx.empty();
  const Comparison c = CompareScenarios(scenarios, *engine, options);
  if (io.runEnded) io.runEnded();
  int status = 0;
  for (const ComparedScenario &s : c.scenarios)
    if (!s.run.ok) {
      const bool named = s.run.problem.find(s.label) != std::string::npos;
      std::fprintf(io.err, "lumo-run: %s%s%s\n", named ? "" : s.label.c_str(), named ? "" : ": ",
                   s.run.problem.c_str());
      status = 1;
    }
  if (io.interrupted && io.interrupted->load()) status = 130;
  return Finish(command, io, command.json ? ComparisonJson(c) : ComparisonText(c),
                ComparisonSheets(c), status);
}

int RunSweepCommand(const CommandLine &command, const ComparisonCommandIo &io) {
  SweepRequest request;
  try {
    request = ParseSweep(command.sweep);
  } catch (const std::exception &e) {
    std::fprintf(io.err, "lumo-run: %s\n", e.what());
    return 2;
  }
  std::unique_ptr<EngineRuns> engine = LoadEngine(io);
  if (!engine) return 1;
  const std::vector<ScenarioToCompare> opened = OpenScenarios(command, io.programDirectory);
  const ScenarioToCompare &scenario = opened.front();
  if (!scenario.state) {
    std::fprintf(io.err, "lumo-run: %s\n", scenario.error.c_str());
    return 1;
  }
  SweepOptions options;
  options.stop = io.interrupted;
  options.progress = io.progress;
  const std::vector<SweepPoint> points = RunSweep(*scenario.state, request, *engine, options);
  if (io.runEnded) io.runEnded();
  int status = 0;
  std::size_t failed = 0;
  for (const SweepPoint &p : points) failed += !p.ok;
  if (failed > 0) {
    std::fprintf(io.err, "lumo-run: %zu of %zu values have no results (see their rows)\n", failed,
                 points.size());
    status = 1;
  }
  if (io.interrupted && io.interrupted->load()) status = 130;
  return Finish(command, io,
                command.json ? SweepJson(scenario.label, request, points)
                             : SweepText(scenario.label, request, points),
                SweepSheets(*scenario.state, request, points), status);
}

}  // namespace lumo::cli
