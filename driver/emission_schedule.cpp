#include "emission_schedule.h"

#include <cstdio>

#include "zone_air.h"

namespace lumo {

namespace {

// A real in the dump: right-aligned, width 10, two decimals.
std::string Real(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%10.2f", v);
  return buf;
}

// The parameters of one side (primer or paint) of the emission model.
struct Side {
  const char *label;
  int exponentials;    // 0 when nothing of it is applied
  double massPerHour;  // mg of chemical per hour of work
  double percentFirst;
  double rate1PerHour;  // first exponential (empirical or first-order rate)
  double rate2PerHour;
};

}  // namespace

EmissionSchedule BuildEmissionSchedule(const TLumoState &scenario, const PaintDurationGrid &grid,
                                       const std::vector<OverrideRecord> &overrides) {
  const auto &s = scenario.ScenarioRecord;
  using G = PaintDurationGrid;
  int rows = grid.Rows();

  // Which rows are priming rows: as many as the schedule builder makes for
  // the current inputs (minutes rounded as in the schedule), which can
  // differ from the whole days the unrounded hours give. Never more than the
  // schedule holds.
  int primingRows = scenario.CountPaintDurationGridRows().PrimingRows;
  if (primingRows > rows) primingRows = rows;

  double primingTime = s.PrimerApplicationRate != 0 ? scenario.GetPrimerHours() : 0.0;
  double paintingTime = s.PaintApplicationRate != 0 ? scenario.GetPaintHours() : 0.0;
  double primerPerHour = primingTime != 0 ? 1000.0 * s.PrimerChemicalMass / primingTime : 0.0;
  double paintPerHour = paintingTime != 0 ? 1000.0 * s.PaintChemicalMass / paintingTime : 0.0;

  auto exponentials = [](double volume, double percentFirst) {
    if (!(volume > 0)) return 0;
    return percentFirst >= 100 ? 1 : 2;
  };
  Side primer{"Primer:,",
              exponentials(scenario.GetPrimeVolume(), s.PrimerPercentFirstExp),
              primerPerHour,
              s.PrimerPercentFirstExp,
              s.PrimerEmissionsModel == EmissionsModelType::SemiEmpirical
                  ? s.PrimerFirstOrderRateConstant
                  : s.PrimerRateConstant1,
              s.PrimerRateConstant2};
  Side paint{"Paint:,",
             exponentials(scenario.GetPaintVolume(), s.PaintPercentFirstExp),
             paintPerHour,
             s.PaintPercentFirstExp,
             s.PaintEmissionsModel == EmissionsModelType::SemiEmpirical
                 ? s.PaintFirstOrderRateConstant
                 : s.PaintRateConstant1,
             s.PaintRateConstant2};

  EmissionSchedule out;
  std::string &dump = out.dump;
  dump += "Total Priming Time:, " + Real(primingTime) + "\n";
  dump += "Total Painting Time:, " + Real(paintingTime) + "\n";
  dump += "Primer Mass Per Hour:, " + Real(primerPerHour) + "\n";
  dump += "Paint Mass Per Hour:, " + Real(paintPerHour) + "\n";
  dump += "Primer Days:," + std::to_string(primingRows) + "\n";

  auto number = [&](int column, int row) { return grid.CellNumber(column, row).value_or(0.0); };
  auto addRow = [&](int row, const Side &side, double startTime) {
    double hours = (number(G::kEndHour, row) - number(G::kStartHour, row)) +
                   (number(G::kEndMinute, row) - number(G::kStartMinute, row)) / 60.0;
    for (int m = 1; m <= side.exponentials; ++m) {
      EmissionRateIncrementalRecord e{};
      double share = m == 1 ? side.percentFirst : 100.0 - side.percentFirst;
      e.Zone = 1;
      e.StartTime = static_cast<float>(startTime);
      e.Duration = static_cast<float>(hours / kHoursPerDay);
      e.MassReleased = static_cast<float>(side.massPerHour * hours * share / 100.0);
      e.RateConstant =
          static_cast<float>((m == 1 ? side.rate1PerHour : side.rate2PerHour) * kHoursPerDay);
      out.increments.push_back(e);
      if (m == 1)
        dump += std::to_string(row + 1) + ":," + side.label + Real(double(e.MassReleased)) + "\n";
    }
  };

  // Priming rows start at 09:00 of consecutive days from time 0.
  double dayStart = 0.375;
  for (int r = 0; r < primingRows; ++r, dayStart += 1.0) addRow(r, primer, dayStart);
  // Painting rows start when the painting-event override of the same row
  // begins.
  for (int r = primingRows; r < rows; ++r) addRow(r, paint, double(overrides[r].EnterTime));
  return out;
}

}  // namespace lumo
