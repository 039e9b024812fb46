// Numbers typed into grid cells: decimal or scientific notation with an
// optional sign; blanks may come before the number, nothing after it.
#pragma once

#include <optional>
#include <string_view>

namespace lumo {

// The finite number `text` holds, or nothing ("abc", "1.5x", "", "inf").
std::optional<double> ReadNumber(std::string_view text);

// As ReadNumber, but only a whole number (" 7", "-2", "3.0") reads.
std::optional<double> ReadWholeNumber(std::string_view text);

}  // namespace lumo
