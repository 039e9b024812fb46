// The few pieces of JSON the batch runner writes.
#pragma once

#include <string>

namespace lumo::cli {

// A JSON string literal: quotes, backslashes and control characters
// escaped; other bytes (UTF-8) as they are.
std::string JsonString(const std::string &text);

// A number that reads back to the same double; null when not finite.
std::string JsonNumber(double value);

}  // namespace lumo::cli
