#include "readable_number.h"

#include <cmath>
#include <cstdio>

namespace lumo {

std::string ReadableNumber(double value) {
  char buf[64];
  const double magnitude = std::fabs(value);
  if (!std::isfinite(value) || magnitude < 1000 || magnitude >= 1e15) {
    std::snprintf(buf, sizeof buf, "%.4g", value);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.0f", magnitude);
  const std::string digits = buf;
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return value < 0 ? "-" + grouped : grouped;
}

}  // namespace lumo
