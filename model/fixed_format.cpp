#include "fixed_format.h"

#include <algorithm>
#include <cstdio>

namespace lumo {

std::string FormatFixed(double value, int width, int decimals) {
  decimals = std::clamp(decimals, 0, 300);
  width = std::clamp(width, 0, 1000);
  const int length = std::snprintf(nullptr, 0, "%*.*f", width, decimals, value);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%*.*f", width, decimals, value);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace lumo
