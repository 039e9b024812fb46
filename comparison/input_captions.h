// What people call the scenario's inputs: the caption of each input a
// comparison or a sweep names, by its record field name ("BldgVolume" is
// "Building volume"), as the windows label the value.
#pragma once

#include <string>
#include <string_view>

namespace lumo::comparison {

// The caption of the input named `name`; the name itself when it has none.
std::string InputCaption(std::string_view name);

}  // namespace lumo::comparison
