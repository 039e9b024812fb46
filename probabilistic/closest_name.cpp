#include "closest_name.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace lumo::prob {
namespace {

std::string Lower(const std::string &s) {
  std::string lower = s;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::size_t EditDistance(const std::string &a, const std::string &b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string> ClosestName(const std::string &name,
                                       std::span<const std::string> valid) {
  const std::string lower = Lower(name);
  std::optional<std::string> best;
  std::size_t bestDistance = std::max<std::size_t>(1, name.size() / 3) + 1;
  for (const std::string &candidate : valid) {
    const std::size_t distance = EditDistance(lower, Lower(candidate));
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  return best;
}

std::string SuggestName(const std::string &name, std::span<const std::string> valid,
                        const std::string &what) {
  if (const auto closest = ClosestName(name, valid)) return "did you mean \"" + *closest + "\"?";
  std::string list;
  for (const std::string &candidate : valid) list += (list.empty() ? "" : ", ") + candidate;
  return "the " + what + " are: " + list + ".";
}

}  // namespace lumo::prob
