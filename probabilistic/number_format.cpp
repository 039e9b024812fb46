#include "number_format.h"

#include <charconv>
#include <cmath>

namespace lumo::prob {

std::string FormatNumber(double value) {
  if (std::isnan(value)) return "not a number";
  if (std::isinf(value)) return value > 0 ? "infinity" : "-infinity";
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace lumo::prob
