// The ring-in-rectangle rule against an independent area integration: the
// quarter ring inside the quarter field, summed in thin strips along y.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "depthdose/ring_share.h"

namespace vorn::pdd {
namespace {

constexpr double kPi = std::numbers::pi;

// Area of {r1 <= r <= r2, 0 <= x <= a, 0 <= y <= y_max} by the midpoint rule in y.
double IntegratedArea(double r1, double r2, double a, double y_max, int steps = 200000)
{
  const double h = y_max / steps;
  double area = 0.0;
  for (int k = 0; k < steps; ++k) {
    const double y = (k + 0.5) * h;
    const double x_in = std::sqrt(std::max(r1 * r1 - y * y, 0.0));
    const double x_out = std::min(std::sqrt(std::max(r2 * r2 - y * y, 0.0)), a);
    area += std::max(x_out - x_in, 0.0) * h;
  }
  return area;
}

double QuarterRing(double r1, double r2) { return kPi / 4.0 * (r2 * r2 - r1 * r1); }

double TrueShare(double r1, double r2, double a, double b, int steps = 200000)
{
  return IntegratedArea(r1, r2, a, b, steps) / QuarterRing(r1, r2);
}

struct ExactCase {
  const char* name;
  double r1, r2, a, b;
  RingCase rule;
};

TEST(RingShare, ExactCasesMatchTheIntegratedArea)
{
  const ExactCase cases[] = {
      {"inside", 1.0, 1.5, 3.0, 2.0, RingCase::Inside},
      {"outer circle touches both edges", 1.5, 2.0, 2.0, 2.0, RingCase::Inside},
      {"outer circle crosses the short edge", 1.5, 2.0, 5.0, 1.8, RingCase::CrossesShortEdge},
      {"strip along the short edge", 2.0, 2.5, 5.0, 1.2, RingCase::StripOfShortEdge},
      {"both edges, caps apart", 2.5, 3.0, 2.9, 2.6, RingCase::CrossesBothEdges},
      {"strip and long edge, caps apart", 3.0, 3.5, 3.2, 1.5, RingCase::StripAndLongEdge},
      {"inside the corner", 3.1, 3.6, 3.0, 2.5, RingCase::BetweenBothEdges},
      {"across the corner", 3.5, 4.0, 3.0, 2.0, RingCase::AcrossCorner},
      {"across the corner of a square", 1.0, 1.5, 0.9, 0.9, RingCase::AcrossCorner},
  };
  for (const ExactCase& c : cases) {
    SCOPED_TRACE(c.name);
    const RingShare s = RingShareInRectangle(c.r1, c.r2, c.a, c.b, kPi);
    EXPECT_EQ(s.rule, c.rule);
    EXPECT_NEAR(s.share, TrueShare(c.r1, c.r2, c.a, c.b), 1e-7);
  }
}

TEST(RingShare, RingFromTheHalfDiagonalOnIsOutside)
{
  const RingShare s = RingShareInRectangle(5.0, 5.5, 4.0, 3.0, kPi);  // R = 5
  EXPECT_EQ(s.rule, RingCase::Outside);
  EXPECT_EQ(s.share, 0.0);
}

TEST(RingShare, ARingHoldingTheCornerTakesTheFieldsQuadrantOnce)
{
  // The caps beyond the two edges overlap beyond the corner; that region
  // lies outside the field once, not twice.
  const ExactCase cases[] = {
      // 2 x 2 cm: the square less the quarter disc of radius 1, (1 - pi/4).
      {"both edges, 2 x 2 cm", 1.0, 1.5, 1.0, 1.0, RingCase::CrossesBothEdges},
      // The field, 0.25 x 0.25 cm at 100 cm seen at 80 cm: the whole
      // quadrant (0.1 x 0.1 cm) lies in the first ring.
      {"first ring of a 2 x 2 mm field", 0.0, 0.5, 0.1, 0.1, RingCase::CrossesBothEdges},
      {"strip and long edge", 3.0, 3.5, 3.2, 1.0, RingCase::StripAndLongEdge},
      {"far out along a 20 x 4 cm field", 10.0, 10.5, 10.0, 2.0, RingCase::StripAndLongEdge},
  };
  for (const ExactCase& c : cases) {
    SCOPED_TRACE(c.name);
    const RingShare s = RingShareInRectangle(c.r1, c.r2, c.a, c.b, kPi);
    EXPECT_EQ(s.rule, c.rule);
    EXPECT_NEAR(s.share, TrueShare(c.r1, c.r2, c.a, c.b), 1e-7);
  }
  EXPECT_NEAR(RingShareInRectangle(1.0, 1.5, 1.0, 1.0, kPi).share, (1.0 - kPi / 4.0) / QuarterRing(1.0, 1.5), 1e-12);
  EXPECT_NEAR(RingShareInRectangle(0.0, 0.5, 0.1, 0.1, kPi).share, 0.01 / QuarterRing(0.0, 0.5), 1e-12);
}

TEST(RingShare, EveryRingOfManyFieldsTakesItsTrueShare)
{
  for (double a : {0.05, 0.3, 0.75, 1.0, 1.2, 2.6, 4.0125, 10.0, 17.3}) {
    for (double ratio : {1.0, 0.8, 0.5, 0.2, 0.05}) {
      const double b = a * ratio;
      const int rings = static_cast<int>(2.0 * std::sqrt(a * a + b * b)) + 1;
      for (int m = 1; m <= rings; ++m) {
        const double r1 = 0.5 * (m - 1), r2 = 0.5 * m;
        SCOPED_TRACE(testing::Message() << "a " << a << " b " << b << " ring " << m);
        EXPECT_NEAR(RingShareInRectangle(r1, r2, a, b, kPi).share, TrueShare(r1, r2, a, b, 20000), 1e-4);
      }
    }
  }
}

TEST(RingShare, UsesThePiItIsGiven)
{
  // Strip shares scale with the quarter-ring area built from the program's pi.
  const double with_program_pi = RingShareInRectangle(2.0, 2.5, 5.0, 1.2, 3.14159).share;
  const double exact = RingShareInRectangle(2.0, 2.5, 5.0, 1.2, kPi).share;
  EXPECT_NE(with_program_pi, exact);
  EXPECT_NEAR(with_program_pi, exact, 1e-5);
}

}  // namespace
}  // namespace vorn::pdd
