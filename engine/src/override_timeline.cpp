#include "override_timeline.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace lumo {

OverrideTimeline::OverrideTimeline(const std::vector<OverrideEntry> &overrides) {
  for (const OverrideEntry &o : overrides) {
    if (o.enter > o.exit) continue;  // contains no clock value
    ends_.push_back(o.enter);
    ends_.push_back(o.exit);
  }
  std::sort(ends_.begin(), ends_.end());
  ends_.erase(std::unique(ends_.begin(), ends_.end()), ends_.end());

  const std::size_t pieces = 2 * ends_.size() + 1;
  inForce_.assign(pieces, -1);
  // Entries in list order claim the pieces of their interval that no earlier
  // entry holds; nextFree skips claimed runs, so each piece is claimed once.
  std::vector<std::size_t> nextFree(pieces + 1);
  std::iota(nextFree.begin(), nextFree.end(), std::size_t{0});
  auto firstFree = [&](std::size_t piece) {
    std::size_t root = piece;
    while (nextFree[root] != root) root = nextFree[root];
    while (nextFree[piece] != root) piece = std::exchange(nextFree[piece], root);
    return root;
  };
  for (std::size_t j = 0; j < overrides.size(); ++j) {
    const OverrideEntry &o = overrides[j];
    if (o.enter > o.exit) continue;
    const auto point = [&](double v) {
      return 2 * static_cast<std::size_t>(std::lower_bound(ends_.begin(), ends_.end(), v) -
                                          ends_.begin()) +
             1;
    };
    const std::size_t last = point(o.exit);
    for (std::size_t p = firstFree(point(o.enter)); p <= last; p = firstFree(p + 1)) {
      inForce_[p] = static_cast<int>(j);
      nextFree[p] = p + 1;
    }
  }
}

bool OverrideTimeline::inPiece(std::size_t piece, double s) const {
  const std::size_t i = piece / 2;
  if (piece % 2 == 1) return s == ends_[i];
  const bool aboveLower = i == 0 || s > ends_[i - 1];
  const bool belowUpper = i == ends_.size() || s < ends_[i];
  return aboveLower && belowUpper;
}

std::size_t OverrideTimeline::pieceOf(double s) const {
  const std::size_t i =
      static_cast<std::size_t>(std::lower_bound(ends_.begin(), ends_.end(), s) - ends_.begin());
  return i < ends_.size() && ends_[i] == s ? 2 * i + 1 : 2 * i;
}

int OverrideTimeline::find(double s) const {
  if (inForce_.size() == 1) return -1;
  std::size_t piece = cursor_;
  // Forward by a few pieces is the common case; anything else is searched.
  for (int tries = 0; !inPiece(piece, s); ++tries) {
    if (tries == 4 || piece + 1 == inForce_.size()) {
      piece = pieceOf(s);
      break;
    }
    ++piece;
  }
  cursor_ = piece;
  return inForce_[piece];
}

}  // namespace lumo
