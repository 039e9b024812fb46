// Which override is in force at a clock value: the first entry in list order
// whose closed interval [enter, exit] contains it. The entries' end points cut
// the clock into pieces (each end point by itself, and the open stretches
// between them) on which that answer is constant; it is worked out once per
// piece when the timeline is built. A lookup then only finds the piece, from
// the piece of the previous lookup onwards, so a run whose clock moves forward
// pays O(1) per lookup however many overrides there are.
#pragma once

#include <cstddef>
#include <vector>

namespace lumo {

// An absolute-time interval that takes precedence over the day patterns.
struct OverrideEntry {
  double enter;  // days on the clock, inclusive
  double exit;   // days on the clock, inclusive
  int zone;
  double breathingRate;  // m³/day
};

class OverrideTimeline {
 public:
  explicit OverrideTimeline(const std::vector<OverrideEntry> &overrides);

  // Index of the first override containing s, or -1 when none does.
  int find(double s) const;

 private:
  bool inPiece(std::size_t piece, double s) const;
  std::size_t pieceOf(double s) const;

  // Distinct end points, ascending. Piece 2i + 1 is the point ends_[i]; piece
  // 2i the open stretch between ends_[i - 1] and ends_[i] (unbounded below for
  // i = 0); the last piece the stretch above the last end point.
  std::vector<double> ends_;
  std::vector<int> inForce_;        // per piece, the override index or -1
  mutable std::size_t cursor_ = 0;  // the piece of the previous lookup
};

}  // namespace lumo
