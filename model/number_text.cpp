#include "number_text.h"

#include <charconv>
#include <cmath>

namespace lumo {

std::optional<double> ReadNumber(std::string_view text) {
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars takes no sign of its own here, so "+-1" and "--1" fail.
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  double value = 0;
  const char *end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<double> ReadWholeNumber(std::string_view text) {
  const auto value = ReadNumber(text);
  if (!value || *value != std::floor(*value)) return std::nullopt;
  return value;
}

}  // namespace lumo
