// Moving-window totals over the last Size marks. Contributions are added to
// the open bucket; at each mark the bucket closes and the total of the last
// Size closed buckets is returned (fewer before Size marks have passed). This
// is what a ring of Size running sums yields when every slot collects each
// contribution and the slot under a cursor is read, cleared and passed at
// each mark, at O(1) cost per contribution instead of Size additions.
//
// Marks are grouped in blocks of Size. A window ending at a mark is a suffix
// of the previous block plus a prefix of the current one; the suffix sums of
// a block are formed once, when it completes. Every total is thus a sum of
// the contributions themselves: no running total is subtracted, so a small
// window after a large one keeps its accuracy.
#pragma once

#include <array>
#include <cstddef>

namespace lumo {

template <std::size_t Size>
class WindowSum {
 public:
  void add(double value) { open_ += value; }

  // Closes the open bucket and returns the total of the last Size buckets.
  double takeWindow() {
    buckets_[count_] = open_;
    prefix_ += open_;
    open_ = 0.0;
    ++count_;
    const double window = suffix_[count_] + prefix_;
    if (count_ == Size) startBlock();
    return window;
  }

 private:
  void startBlock() {
    suffix_[Size] = 0.0;
    for (std::size_t i = Size; i-- > 0;) suffix_[i] = suffix_[i + 1] + buckets_[i];
    prefix_ = 0.0;
    count_ = 0;
  }

  double open_ = 0.0;                      // the bucket since the last mark
  double prefix_ = 0.0;                    // closed buckets of the current block
  std::size_t count_ = 0;                  // how many of them
  std::array<double, Size> buckets_{};     // the current block's closed buckets
  std::array<double, Size + 1> suffix_{};  // previous block: suffix_[i] = Σ buckets i …
};

}  // namespace lumo
