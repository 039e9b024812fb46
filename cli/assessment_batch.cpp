#include "assessment_batch.h"

#include "assessment_summary.h"
#include "result_report.h"

namespace lumo::cli {

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string &text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string BatchOutput(const prob::Assessment &assessment,
                        const std::vector<ScenarioAssessment> &scenarios, bool json) {
  if (json) {
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const ScenarioAssessment &s : scenarios) {
      if (s.run) {
        all.push_back(AssessmentJson(s.heading, assessment, *s.run,
                                     prob::SummarizeAssessment(assessment, *s.run)));
      } else {
        nlohmann::ordered_json one;
        one["scenario"] = s.heading.scenario;
        one["error"] = s.error;
        all.push_back(one);
      }
    }
    return DumpJson(all);
  }
  std::string out;
  for (const ScenarioAssessment &s : scenarios) {
    if (!out.empty()) out += "\n";
    if (s.run)
      out += AssessmentText(s.heading, assessment, *s.run,
                            prob::SummarizeAssessment(assessment, *s.run));
    else
      out += "Probabilistic assessment of: " + s.heading.scenario + "\n  Error: " + s.error + "\n";
  }
  return out;
}

std::string BatchSamplesCsv(const prob::Assessment &assessment,
                            const std::vector<ScenarioAssessment> &scenarios) {
  std::string out;
  for (const ScenarioAssessment &s : scenarios) {
    // One scenario's file, each line but the header prefixed with its name.
    const std::string one = SamplesCsv(assessment, s.run ? *s.run : prob::AssessmentRun{});
    const std::size_t header = one.find('\n') + 1;
    if (out.empty()) out = "Scenario," + one.substr(0, header);
    const std::string name = CsvField(s.heading.scenario) + ",";
    for (std::size_t at = header; at < one.size();) {
      const std::size_t end = one.find('\n', at) + 1;
      out += name + one.substr(at, end - at);
      at = end;
    }
  }
  return out;
}

}  // namespace lumo::cli
