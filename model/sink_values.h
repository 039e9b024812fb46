// The sink values as the sink grid shows them, and the reading of an edited
// cell back into the scenario.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// An area (m²) as "%7.2f", a rate constant as "%10.5f".
std::string FormatSinkArea(double area);
std::string FormatSinkRate(double rate);

// The value of an edited cell: a number (blanks before it allowed, nothing
// after it) of at least 0; nothing for anything else.
std::optional<double> ReadSinkValue(std::string_view text);

}  // namespace lumo
