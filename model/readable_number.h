// Numbers in sentences for the user: large ones whole and grouped by
// thousands ("50,000,000"), small ones to four significant digits ("23.5",
// "0.0125").
#pragma once

#include <string>

namespace lumo {

std::string ReadableNumber(double value);

}  // namespace lumo
