#include "scenario_comparison.h"

namespace lumo::comparison {

bool Comparison::AllOk() const {
  for (const ComparedScenario &s : scenarios)
    if (!s.run.ok) return false;
  return true;
}

Comparison CompareScenarios(const std::vector<ScenarioToCompare> &scenarios,
                            const EngineRuns &engine, const CompareOptions &options) {
  Comparison out;
  std::vector<const TLumoState *> opened;
  for (const ScenarioToCompare &s : scenarios) {
    ComparedScenario c;
    c.label = s.label;
    c.opened = s.state != nullptr;
    if (s.state) {
      c.chemical = s.state->ScenarioRecord.ChemicalName.Text();
      c.molecularWeight = s.state->ScenarioRecord.MolecularWeight;
      opened.push_back(s.state.get());
    } else {
      c.run.problem = s.error.empty() ? "The scenario could not be opened." : s.error;
    }
    out.scenarios.push_back(std::move(c));
  }
  ForEachIndex(
      scenarios.size(), options.threads, options.stop,
      [&](std::size_t i) {
        if (scenarios[i].state)
          out.scenarios[i].run = RunScenario(engine, *scenarios[i].state, options.withSeries);
      },
      options.progress);
  if (options.stop && options.stop->load())
    for (ComparedScenario &c : out.scenarios)
      if (c.opened && !c.run.ok && c.run.problem.empty()) c.run.problem = "Stopped before it ran.";

  // The differences among the opened scenarios, spread back over all.
  for (InputDifference d : DifferingInputs(opened)) {
    std::vector<std::optional<InputValue>> spread;
    std::size_t k = 0;
    for (const ScenarioToCompare &s : scenarios)
      spread.push_back(s.state ? d.values[k++] : std::nullopt);
    d.values = std::move(spread);
    out.differences.push_back(std::move(d));
  }
  return out;
}

std::shared_ptr<TLumoState> OpenScenario(const std::string &path) {
  auto state = std::make_shared<TLumoState>();
  try {
    state->GetState(path);
  } catch (const std::exception &e) {
    const std::string message = e.what();
    if (message.find(path) != std::string::npos ||
        message.find(CompanionFileName(path)) != std::string::npos)
      throw;
    throw ELumoError(path + ": " + message);
  }
  return state;
}

}  // namespace lumo::comparison
