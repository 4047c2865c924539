// Ring weights of the backscatter sum over the field, against the geometry
// of a circle crossing a centred rectangle.

#include <gtest/gtest.h>

#include <cmath>

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

TEST(FieldRings, FfdOfZeroRaises)
{
  EXPECT_THROW(RectangularFieldRings(10, 10, 0, 80), CalcError);
  EXPECT_THROW(CircularFieldRings(10, 0, 80), CalcError);
}

}  // namespace
}  // namespace vorn
