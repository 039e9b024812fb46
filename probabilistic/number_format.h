// Numbers in the sentences shown to the user: the shortest text that reads
// back as the same double (0.005, 1e-07, 71.8), so a value at a limit is
// never shown rounded onto the limit.
#pragma once

#include <string>

namespace lumo::prob {

std::string FormatNumber(double value);

}  // namespace lumo::prob
