// The scenario the program starts with: the factory defaults, the default
// activity patterns, the painting schedule and sink areas built from them,
// the default chemical from the chemical list, and the default scenario file
// "lumo.vkx" in the scenario's start-up folder (LumoTransfer::StartupScenarioName).
#pragma once

#include <string>

#include "chemical_file.h"
#include "lumo_transfer.h"

namespace lumo {

inline constexpr const char *kDefaultChemicalName = "TMPD-MIB";

// Sets `scenario` to the start-up scenario with `chemicals`' entry for the
// default chemical. Throws EScenarioCheck, naming the chemical list, when
// the list does not hold that chemical (no substitute values are used).
void SetStartupScenario(LumoTransfer &scenario, const TFileChemical &chemicals);

}  // namespace lumo
