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

// Edits between a and b: insertions, deletions, substitutions and swaps of
// two neighbouring letters (optimal string alignment).
std::size_t EditDistance(const std::string &a, const std::string &b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
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
