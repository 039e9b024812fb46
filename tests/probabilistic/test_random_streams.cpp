// The counter-based random numbers fix the output of every seed for good:
// the generator is pinned to published known answers, the mapping to
// uniforms to its formula, and the keyed permutations to being permutations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "random_streams.h"

namespace lumo::prob {
namespace {

TEST(RandomStreams, PhiloxGivesItsKnownAnswersThroughTheDocumentedKeyAndCounter) {
  // Philox4x32-10's published known answers: counter 0, key 0 gives
  // 6627e8d5 e169c58d ...; counter {243f6a88, 85a308d3, 13198a2e, 03707344}
  // with key {a4093822, 299f31d0} gives d16cfe09 94fdcceb ...
  EXPECT_EQ(RandomBits(0, 0, 0, 0), 0xe169c58d6627e8d5u);
  EXPECT_EQ(RandomBits(0x299f31d0a4093822u, 0x03707344, 0x85a308d3243f6a88u, 0x13198a2e),
            0x94fdccebd16cfe09u);
}

TEST(RandomStreams, UniformIsTheCentreOfItsCellStrictlyInsideTheUnitInterval) {
  for (std::uint64_t i = 0; i < 1000; ++i) {
    const double u = Uniform01(42, 1, i, 3);
    ASSERT_GT(u, 0);
    ASSERT_LT(u, 1);
    const double cell = static_cast<double>(RandomBits(42, 1, i, 3) >> 12);
    ASSERT_EQ(u, (cell + 0.5) / 4503599627370496.0);
  }
  // The extreme cells stay inside.
  EXPECT_LT((4503599627370495.0 + 0.5) * 0x1p-52, 1.0);
  EXPECT_GT(0.5 * 0x1p-52, 0.0);
}

TEST(RandomStreams, EachPartOfTheKeyChangesTheDraw) {
  const double u = Uniform01(7, 1, 5, 2);
  EXPECT_NE(u, Uniform01(8, 1, 5, 2));
  EXPECT_NE(u, Uniform01(7, 2, 5, 2));
  EXPECT_NE(u, Uniform01(7, 1, 6, 2));
  EXPECT_NE(u, Uniform01(7, 1, 5, 3));
  EXPECT_NE(u, Uniform01(7 + (std::uint64_t{1} << 32), 1, 5, 2));  // the seed's high word
  EXPECT_NE(u, Uniform01(7, 1, 5 + (std::uint64_t{1} << 32), 2));  // the index's high word
}

TEST(KeyedPermutation, IsAPermutationOfEverySize) {
  for (std::uint64_t n : {1u, 2u, 3u, 4u, 5u, 17u, 64u, 1000u, 4097u}) {
    const KeyedPermutation pi(n, 99, 2, 0);
    std::vector<bool> hit(n, false);
    for (std::uint64_t i = 0; i < n; ++i) {
      const std::uint64_t image = pi(i);
      ASSERT_LT(image, n) << "n = " << n;
      ASSERT_FALSE(hit[image]) << "n = " << n << ", image " << image << " twice";
      hit[image] = true;
    }
  }
}

TEST(KeyedPermutation, DiffersBetweenKeysAndIsNotTheIdentity) {
  const std::uint64_t n = 1000;
  const KeyedPermutation a(n, 1, 2, 0), b(n, 1, 2, 1), c(n, 2, 2, 0);
  int fixedPoints = 0, sameAsB = 0, sameAsC = 0;
  for (std::uint64_t i = 0; i < n; ++i) {
    fixedPoints += a(i) == i;
    sameAsB += a(i) == b(i);
    sameAsC += a(i) == c(i);
  }
  // A random permutation has about one fixed point, and two agree at about
  // one place.
  EXPECT_LT(fixedPoints, 10);
  EXPECT_LT(sameAsB, 10);
  EXPECT_LT(sameAsC, 10);
}

}  // namespace
}  // namespace lumo::prob
