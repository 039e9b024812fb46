#include "vantormain_lumo.h"

#include <algorithm>

#include "exposure_results.h"
#include "run_failure.h"
#include "running_sum_emissions.h"

namespace lumo {

namespace {

std::unique_ptr<EmissionModel> emissionModel(EmissionEvaluation evaluation,
                                             std::vector<EmissionSource> sources,
                                             const NodeTable &nodes) {
  if (evaluation == EmissionEvaluation::kDirect) {
    return std::make_unique<DirectEmissionModel>(std::move(sources), nodes);
  }
  return std::make_unique<RunningSumEmissionModel>(std::move(sources), nodes);
}

}  // namespace

CVantormain_LUMO::CVantormain_LUMO(RunInputs in, ResultsCsv csv, EmissionEvaluation evaluation)
    : vantormain(in.nodes, in.initialConcentrations, std::move(in.sinks),
                 emissionModel(evaluation, std::move(in.sources), in.nodes),
                 in.constants.saturationConcentration, in.constants.startTime, in.substeps),
      constants_(in.constants),
      schedule_(std::move(in.primaryPattern), std::move(in.secondaryPattern),
                std::move(in.overrides), in.primaryDays),
      exposure_(schedule_, in.nodes.count, in.constants.bodyWeight, in.constants.startTime),
      csv_(std::move(csv)) {
  csv_.writeHeader(nodeCount(), loadings().size());
  writeRow();
}

double CVantormain_LUMO::oneLoop() {
  if (complete()) return 100.0;
  double target = std::min(clock() + constants_.reportInterval, constants_.endTime);
  if (!(target > clock())) target = constants_.endTime;  // every report moves the clock
  advanceTo(target);
  if (!stateFinite() || !exposure_.finite()) {
    throw RunFailure(RunFailure::Kind::kNotFinite, "a value of the run is not a finite number");
  }
  writeRow();
  return percentComplete();
}

double CVantormain_LUMO::percentComplete() const {
  if (complete()) return 100.0;
  const double elapsed = clock() - constants_.startTime;
  return std::clamp(elapsed / (constants_.endTime - constants_.startTime) * 100.0, 0.0, 100.0);
}

ExposureResults CVantormain_LUMO::results() const {
  const ExposureFactors factors{constants_.eventsPerYear, constants_.bodyWeight,
                                constants_.yearsOfExposure, constants_.averageLifeTime};
  return computeResults(exposure_.sums(), factors);
}

void CVantormain_LUMO::afterStep(double s, double h) {
  exposure_.afterStep(s, h, concentrations().data());
}

void CVantormain_LUMO::writeRow() {
  csv_.writeRow(clock(), concentrations(), loadings(), exposure_.personConcentration());
}

}  // namespace lumo
