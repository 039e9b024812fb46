// The default scenarios shipped beside the program: one scenario file for
// each building and painted part (a house, an apartment, a high-rise and a
// low-rise office building; the whole building or floor, or one room or
// office), each the start-up scenario with that building choice applied, so
// that users can open a typical case with File, Open.
#pragma once

#include <string>
#include <vector>

#include "chemical_file.h"
#include "scenario_enums.h"

namespace lumo {

struct DefaultScenario {
  const char *fileName;  // e.g. "House - One Bedroom.vkx"
  BldgType building;
  bool part;  // one bedroom / one office rather than the whole
  const char *title;
};

const std::vector<DefaultScenario> &DefaultScenarios();

// Writes every default scenario (and its schedule file) into `folder`,
// with the default chemical from `chemicals`. Throws what SaveState and
// SetStartupScenario throw.
void WriteDefaultScenarios(const TFileChemical &chemicals, const std::string &folder);

}  // namespace lumo
