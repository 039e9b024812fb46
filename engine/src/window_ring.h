// A ring of running sums that yields moving-window totals. Every slot collects
// each contribution; at each mark the slot under the cursor is read, cleared
// and the cursor moves on. A slot read at a mark therefore holds what arrived
// over the last Size marks (fewer before the ring has gone round once).
#pragma once

#include <array>
#include <cstddef>

namespace lumo {

template <std::size_t Size>
class WindowRing {
 public:
  void addToAll(double value) {
    for (double &slot : slots_) slot += value;
  }

  // Reads the slot under the cursor, clears it and advances the cursor.
  double takeWindow() {
    const double value = slots_[cursor_];
    slots_[cursor_] = 0.0;
    cursor_ = (cursor_ + 1) % Size;
    return value;
  }

  double current() const { return slots_[cursor_]; }

 private:
  std::array<double, Size> slots_{};
  std::size_t cursor_ = 0;
};

}  // namespace lumo
