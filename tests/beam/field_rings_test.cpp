// Ring weights of the backscatter sum over the field, against the geometry
// of a circle crossing a centred rectangle.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "beam/field_rings.h"
#include "platform/errors.h"

namespace vorn {
namespace {

const double kHalfPi = std::acos(0.0);

double G(double fsd, int n)
{
  const double r = 0.1 * n - 0.05;
  return fsd * fsd / (fsd * fsd + r * r);
}

// Fraction of the circle of radius r inside the rectangle |x| <= a, |y| <= b
// (a >= b): 1 inside both, asin(b/r) / (pi/2) when it crosses the long edges
// only, (asin(b/r) + asin(a/r) - pi/2) / (pi/2) when it crosses all four.
double ArcFraction(double r, double a, double b)
{
  if (r <= b) return 1.0;
  if (r <= a) return std::asin(b / r) / kHalfPi;
  if (r * r >= a * a + b * b) return 0.0;
  return (std::asin(b / r) + std::asin(a / r) - kHalfPi) / kHalfPi;
}

TEST(FieldRings, RectangleFollowsTheArcGeometry)
{
  // 30 x 20 cm at the skin (FFD = FSD): a = 15, b = 10; Nb 100, Na 150, Nmax 180.
  const RingWeights w = RectangularFieldRings(20, 30, 100, 100);
  for (int n = 1; n <= kLastRing; ++n) {
    const double r = 0.1 * n - 0.05;
    // The quarter angle 1.570795 used in the sum is within 2e-6 of pi/2.
    EXPECT_NEAR(w[n], G(100, n) * ArcFraction(r, 15, 10), 3e-6) << "ring " << n;
  }
  EXPECT_EQ(w[100], G(100, 100));
  EXPECT_GT(w[180], 0.0);
  EXPECT_EQ(w[181], 0.0);
}

TEST(FieldRings, SidesAreSortedAndScaledToTheSkin)
{
  const RingWeights a = RectangularFieldRings(43.2, 35.6, 100, 80);
  const RingWeights b = RectangularFieldRings(35.6, 43.2, 100, 80);
  EXPECT_EQ(a, b);
  // 43.2 x 35.6 at FFD 100 is 34.56 x 28.48 at FSD 80: b = 14.24, Nb = 142.
  EXPECT_EQ(a[142], G(80, 142));
  EXPECT_LT(a[143], G(80, 143));
  EXPECT_GT(a[143], 0.0);
}

TEST(FieldRings, SquareFieldHasNoRingsCutByTwoEdgesOnly)
{
  // 20 x 20: ring 101 (r = 10.05) is cut by all four edges at once.
  const RingWeights w = RectangularFieldRings(20, 20, 100, 100);
  const double r = 10.05;
  const double fourEdges = (2 * std::asin(10 / r) - kHalfPi) / kHalfPi;  // 0.8727
  const double twoEdges = std::asin(10 / r) / kHalfPi;                 // 0.9364
  EXPECT_NEAR(w[101], G(100, 101) * fourEdges, 3e-6);
  EXPECT_GT(std::abs(w[101] - G(100, 101) * twoEdges), 0.05);
  EXPECT_EQ(w[100], G(100, 100));
  EXPECT_GT(w[141], 0.0);
  EXPECT_EQ(w[142], 0.0);
}

TEST(FieldRings, RingsWhoseMidRadiusIsInsideTheEdgeAddNothingBeyondTheFullRings)
{
  // b = 10.08: Nb = 100, and ring 101 (mid-radius 10.05 < b) is skipped;
  // a = 15.08: Na = 150, and ring 151 (15.05 < a) is skipped.
  const RingWeights w = RectangularFieldRings(30.16, 20.16, 100, 100);
  EXPECT_GT(w[100], 0.0);
  EXPECT_EQ(w[101], 0.0);
  EXPECT_GT(w[102], 0.0);
  EXPECT_GT(w[150], 0.0);
  EXPECT_EQ(w[151], 0.0);
  EXPECT_GT(w[152], 0.0);
}

TEST(FieldRings, SidesAreClampedToOneAndFortyCentimetres)
{
  EXPECT_EQ(RectangularFieldRings(50, 50, 100, 100), RectangularFieldRings(40, 40, 100, 100));
  EXPECT_EQ(RectangularFieldRings(0.5, 0.5, 100, 100), RectangularFieldRings(1, 1, 100, 100));
  EXPECT_EQ(RectangularFieldRings(60, 0.2, 100, 100), RectangularFieldRings(40, 1, 100, 100));
  // A 40 x 40 field reaches ring Int(10 x sqrt(800)) = 282.
  const RingWeights big = RectangularFieldRings(50, 50, 100, 100);
  EXPECT_GT(big[282], 0.0);
  EXPECT_EQ(big[283], 0.0);
}

TEST(FieldRings, CircularFieldsCountWholeRingsOutToTheRadius)
{
  const RingWeights none = CircularFieldRings(0.19, 100, 100);
  for (int n = 1; n <= kLastRing; ++n) EXPECT_EQ(none[n], 0.0);

  const RingWeights big = CircularFieldRings(60, 100, 100);  // clamped to 40 cm
  EXPECT_EQ(big[200], G(100, 200));
  EXPECT_EQ(big[201], 0.0);

  // 10 cm at FFD 100 is 8 cm at FSD 80: rings 1 .. 40.
  const RingWeights ten = CircularFieldRings(10, 100, 80);
  EXPECT_EQ(ten[40], G(80, 40));
  EXPECT_EQ(ten[41], 0.0);
  // Ring 1: 6400 / (6400 + 0.05^2).
  EXPECT_DOUBLE_EQ(ten[1], 6400.0 / 6400.0025);
}

TEST(FieldRings, RingSumWeighsEachRingOfTheTable)
{
  DbsfTable table;
  table(1, 11, 3) = 2.0;
  table(1, 11, 250) = 5.0;  // outside the field
  table(0, 11, 3) = 7.0;    // other phantom
  const RingWeights w = CircularFieldRings(10, 100, 80);
  EXPECT_DOUBLE_EQ(RingSum(w, table, 1, 11), 2.0 * G(80, 3));
  EXPECT_DOUBLE_EQ(RingSum(w, table, 0, 11), 7.0 * G(80, 3));
  EXPECT_EQ(RingSum(w, table, 1, 12), 0.0);
}

// Ring limits of whole-millimetre fields at whole-millimetre distances against
// integer arithmetic. In millimetres a side at the skin is s x FSD / FFD, so
// Int(10 x half-side in cm) = floor(s x FSD / (2 FFD)), and the diagonal's
// limit is the integer square root of floor((L^2 + W^2) FSD^2 / (4 FFD^2)).
struct ExactRings {
  std::int64_t ffd_mm;
  std::int64_t fsd_mm;

  // The side at the skin times FFD (mm^2), clamped to 1 .. 40 cm.
  std::int64_t Scaled(std::int64_t side_mm) const
  {
    return std::clamp(side_mm * fsd_mm, 10 * ffd_mm, 400 * ffd_mm);
  }
  std::int64_t HalfSide(std::int64_t side_mm) const { return Scaled(side_mm) / (2 * ffd_mm); }
  std::int64_t Diagonal(std::int64_t l_mm, std::int64_t w_mm) const
  {
    const std::int64_t q = (Scaled(l_mm) * Scaled(l_mm) + Scaled(w_mm) * Scaled(w_mm)) / (4 * ffd_mm * ffd_mm);
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(q)));
    while (root * root > q) --root;
    while ((root + 1) * (root + 1) <= q) ++root;
    return root;
  }
  // A circle has no lower clamp.
  std::int64_t CircleRings(std::int64_t diameter_mm) const
  {
    return std::min(diameter_mm * fsd_mm, 400 * ffd_mm) / (2 * ffd_mm);
  }
};

TEST(FieldRings, RingLimitsAgreeWithExactArithmeticOverWholeMillimetreGeometries)
{
  // The cases that lost a ring (BSF 1.400 for 1.401 and so on): 28.0 cm at
  // 100 / 70 is 19.6 cm at the skin, b = 9.8 cm, ring 98 whole.
  EXPECT_EQ(RectangularFieldLimits(35.6, 28.0, 100, 70).Nb, 98);
  EXPECT_EQ(RectangularFieldLimits(12, 12, 100, 70).Na, 42);
  EXPECT_EQ(RectangularFieldLimits(4.8, 4.8, 60, 32.5).Nb, 13);

  int mismatches = 0;
  const auto check = [&](std::int64_t l_mm, std::int64_t w_mm, std::int64_t ffd_mm, std::int64_t fsd_mm) {
    const ExactRings exact{ffd_mm, fsd_mm};
    const double ffd = static_cast<double>(ffd_mm) / 10.0;
    const double fsd = static_cast<double>(fsd_mm) / 10.0;
    const RectangleRingLimits got =
        RectangularFieldLimits(static_cast<double>(l_mm) / 10.0, static_cast<double>(w_mm) / 10.0, ffd, fsd);
    const int circle = CircularFieldLastRing(static_cast<double>(l_mm) / 10.0, ffd, fsd);
    if (got.Na != exact.HalfSide(l_mm) || got.Nb != exact.HalfSide(w_mm) ||
        got.Nmax != exact.Diagonal(l_mm, w_mm) || circle != exact.CircleRings(l_mm)) {
      if (++mismatches <= 5) {
        ADD_FAILURE() << l_mm << " x " << w_mm << " mm at FFD " << ffd_mm << " / FSD " << fsd_mm << " mm: "
                      << got.Na << " " << got.Nb << " " << got.Nmax << " " << circle;
      }
    }
  };
  // Each side on its own (square fields and circles), 1 to 44 cm, over
  // FFD 50 to 200 cm and every FSD from 20 cm in 5 mm steps ...
  for (std::int64_t ffd = 500; ffd <= 2000; ffd += 50) {
    for (std::int64_t fsd = 200; fsd <= ffd; fsd += 5) {
      for (std::int64_t side = 10; side <= 440; ++side) check(side, side, ffd, fsd);
    }
  }
  // ... and every pair of sides for the diagonal at a few common distances.
  for (const auto& [ffd, fsd] : {std::pair<std::int64_t, std::int64_t>{1000, 700}, {1000, 800}, {600, 325},
                                 {1200, 900}, {1500, 1200}, {1800, 1650}}) {
    for (std::int64_t l = 10; l <= 440; ++l) {
      for (std::int64_t w = 10; w <= l; ++w) check(l, w, ffd, fsd);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(FieldRings, FfdOfZeroRaises)
{
  EXPECT_THROW(RectangularFieldRings(10, 10, 0, 80), CalcError);
  EXPECT_THROW(CircularFieldRings(10, 0, 80), CalcError);
}

}  // namespace
}  // namespace vorn
