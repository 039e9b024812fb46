// Moving-window totals against the ring of running sums they replace, and
// the accuracy of a small window after large ones.
#include <gtest/gtest.h>

#include <random>

#include "window_ring.h"
#include "window_sum.h"

namespace lumo {
namespace {

// Whole-number contributions keep every sum exact, so the two must agree to
// the last bit whatever the order of their additions.
template <std::size_t Size>
void expectSameWindowsAsTheRing(unsigned seed) {
  std::mt19937 rng(seed);
  WindowRing<Size> ring;
  WindowSum<Size> sum;
  for (int mark = 0; mark < 5 * int(Size) + 37; ++mark) {
    const int contributions = int(rng() % 4);  // none at some marks
    for (int c = 0; c < contributions; ++c) {
      const double value = double(rng() % 1000);
      ring.addToAll(value);
      sum.add(value);
    }
    ASSERT_EQ(sum.takeWindow(), ring.takeWindow()) << "mark " << mark;
  }
}

TEST(WindowSum, GivesTheRingsWindowsAtEveryMark) {
  expectSameWindowsAsTheRing<1>(1);
  expectSameWindowsAsTheRing<15>(2);
  expectSameWindowsAsTheRing<24>(3);
  expectSameWindowsAsTheRing<480>(4);
}

TEST(WindowSum, ASmallWindowAfterLargeOnesKeepsItsDigits) {
  WindowSum<15> sum;
  for (int mark = 0; mark < 40; ++mark) {
    sum.add(1e20);
    sum.takeWindow();
  }
  double window = 0.0;
  for (int mark = 0; mark < 15; ++mark) {
    sum.add(0.1);
    window = sum.takeWindow();
  }
  EXPECT_DOUBLE_EQ(window, 1.5);  // a running total minus its old value would give 0
}

}  // namespace
}  // namespace lumo
