// Numbers written into the dialogs' labels: fixed point with a given number
// of decimals, right-aligned (blanks in front) in a field of a given width.
#pragma once

#include <string>

namespace lumo {

// FormatFixed(1558.3, 10, 0) is "      1558"; a text longer than `width`
// is not cut. Decimals are held to 0..300 and the width to 0..1000.
std::string FormatFixed(double value, int width, int decimals);

}  // namespace lumo
