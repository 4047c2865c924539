#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "physics/mc/rng.h"

namespace vorn::mc {
namespace {

TEST(Philox, MatchesThePublishedKnownAnswers)
{
  // Known-answer vectors of the Random123 distribution (tests/kat_vectors).
  EXPECT_EQ(Philox4x32_10({0, 0, 0, 0}, {0, 0}), (PhiloxCounter{0x6627e8d5, 0xe169c58d, 0xbc57ac4c, 0x9b00dbd8}));
  EXPECT_EQ(Philox4x32_10({0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff}, {0xffffffff, 0xffffffff}),
            (PhiloxCounter{0x408f276d, 0x41c83b0e, 0xa20bc7c6, 0x6d5451fd}));
  EXPECT_EQ(Philox4x32_10({0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344}, {0xa4093822, 0x299f31d0}),
            (PhiloxCounter{0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}));
}

TEST(Rng, TheStreamIsXoshiro256PlusPlus)
{
  // Known answers of xoshiro256++ from the state {1, 2, 3, 4}, as published
  // with the generator's reference code (and its ports' test suites).
  Rng rng = Rng::FromState({1, 2, 3, 4});
  const std::uint64_t expected[] = {41943041ull, 58720359ull, 3588806011781223ull, 3591011842654386ull,
                                    9228616714210784205ull, 9973669472204895162ull, 14011001112246962877ull,
                                    12406186145184390807ull, 15849039046786891736ull, 10450023813501588000ull};
  for (const std::uint64_t x : expected) EXPECT_EQ(rng.next(), x);
}

TEST(Rng, SameSeedAndHistoryGiveTheSameStream)
{
  Rng a(42, 7), b(42, 7);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.uniform(), b.uniform()) << "draw " << i;
}

TEST(Rng, DifferentHistoriesAndSeedsGiveDifferentStreams)
{
  std::set<double> first_draws;
  for (std::uint64_t h = 0; h < 200; ++h) first_draws.insert(Rng(1, h).uniform());
  for (std::uint64_t s = 2; s < 200; ++s) first_draws.insert(Rng(s, 0).uniform());
  EXPECT_EQ(first_draws.size(), 398u);
  // Histories far apart in the high word of the counter are distinct streams too.
  EXPECT_NE(Rng(1, 1ull << 40).uniform(), Rng(1, 0).uniform());
}

TEST(Rng, UniformHasTheMomentsOfTheUnitInterval)
{
  // Mean 1/2 and variance 1/12; five standard errors.
  Rng rng(3, 0);
  const int n = 200000;
  double sum = 0.0, sum_sq = 0.0, lo = 1.0, hi = 0.0;
  for (int i = 0; i < n; ++i) {
    const double u = rng.uniform();
    sum += u;
    sum_sq += u * u;
    lo = std::min(lo, u);
    hi = std::max(hi, u);
  }
  const double mean = sum / n;
  const double var = sum_sq / n - mean * mean;
  EXPECT_NEAR(mean, 0.5, 5.0 * std::sqrt(1.0 / 12.0 / n));
  EXPECT_NEAR(var, 1.0 / 12.0, 5.0 * std::sqrt(1.0 / 180.0 / n));
  EXPECT_GE(lo, 0.0);
  EXPECT_LT(hi, 1.0);
  EXPECT_LT(lo, 1e-4);
  EXPECT_GT(hi, 1.0 - 1e-4);
}

TEST(Rng, ConsecutiveDrawsAreUncorrelated)
{
  // Serial correlation of a good generator is 0 within about 1/sqrt(n).
  Rng rng(11, 5);
  const int n = 100000;
  double prev = rng.uniform(), sum_xy = 0.0;
  for (int i = 0; i < n; ++i) {
    const double u = rng.uniform();
    sum_xy += (prev - 0.5) * (u - 0.5);
    prev = u;
  }
  const double correlation = (sum_xy / n) * 12.0;
  EXPECT_LT(std::abs(correlation), 5.0 / std::sqrt(n));
}

}  // namespace
}  // namespace vorn::mc
