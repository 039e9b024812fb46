#include "sink_values.h"

#include "fixed_format.h"
#include "number_text.h"

namespace lumo {

std::string FormatSinkArea(double area) {
  return FormatFixed(area, 7, 2);
}

std::string FormatSinkRate(double rate) {
  return FormatFixed(rate, 10, 5);
}

std::optional<double> ReadSinkValue(std::string_view text) {
  const auto value = ReadNumber(text);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

}  // namespace lumo
