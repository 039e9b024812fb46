// What the parameter dialogs store when a value is typed, and what the main
// window derives after they end with OK: the steps the windows and the
// varied inputs of an assessment (variable_inputs.h) share, so that a value
// reaches the scenario the same way on either path.
#pragma once

#include <cstdint>
#include <optional>

#include "lumo_state.h"

namespace lumo::rules {

// ---- Stored by a dialog -----------------------------------------------------

// Building Volume: the volume (ft³) and the interzonal airflow computed from
// it.
void StoreBuildingVolume(TLumoState &state, double cubicFeet);
// Airflows, the air exchange rate: the rate (air changes per hour) and the
// interzonal airflow computed from it, which replaces a typed one.
void StoreAirExchangeRate(TLumoState &state, double perHour);
// Exposure Events: events per year as given; the years corrected to 0 to
// 150 and cut to whole years; events in lifetime their product, cut.
void StoreExposureEvents(ScenarioRecord &r, double eventsPerYear, double years);
// Years in Lifetime: the years cut to whole years, then corrected to 1 to
// 150.
double WholeLifetimeYears(double typed);
// The coats fields of the main window: the nearest whole number (halves
// away from zero; not a number gives 0), held within 0 to 100.
std::int32_t WholeCoats(double typed);
// Semi-Empirical Model, as it opens and whenever the VOC weight fraction is
// left: the fraction of primer or paint corrected to its limits, and the
// rate constant computed from the chemical, the coverage, the density and
// that fraction, corrected to its limits. Returns false, and keeps the
// stored rate constant, when it cannot be computed.
bool StoreSemiEmpiricalRate(ScenarioRecord &r, bool primer);

// ---- Derived by the main window after OK --------------------------------------

// After the Building Volume dialog: the default emissions, then the sink
// areas. (The window then refills, which rebuilds the schedule, and
// re-applies the individual.)
void ApplyBuildingVolumeEdited(TLumoState &state);

}  // namespace lumo::rules
