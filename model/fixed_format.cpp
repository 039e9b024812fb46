#include "fixed_format.h"

#include <cstdio>

namespace lumo {

std::string FormatFixed(double value, int width, int decimals) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

}  // namespace lumo
