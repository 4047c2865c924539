// The half-ellipse body over straight sides: chords, normals and entry
// against its inside test over random rays (convex-shape contract), hand-worked
// chords, and agreement with two shapes written independently: the racetrack
// without a flat top (a circle) and the full elliptic cylinder above its centre.
#include <gtest/gtest.h>

#include <cmath>

#include "physics/mc/interactions.h"
#include "physics/mc/rng.h"
#include "physics/mc/shapes/elliptic_arch.h"
#include "physics/mc/shapes/elliptic_cylinder.h"
#include "physics/mc/shapes/racetrack.h"

namespace vorn::mc {
namespace {

constexpr double kEps = 1e-7;

struct Case {
  const char* name;
  EllipticArchPrism shape;
  Vec3 lo, hi;  // a box around it from which test points are drawn
};

std::vector<Case> Cases()
{
  return {
      {"cylinder", EllipticArchPrism(10.0, 10.0, 40.0, 20.0), {-25, -12, -2}, {25, 12, 22}},
      {"wide ellipse", EllipticArchPrism(30.0, 10.0, 80.0, 25.0), {-45, -32, -2}, {45, 32, 27}},
      {"upright ellipse", EllipticArchPrism(6.0, 15.0, 30.0, 20.0), {-17, -8, -2}, {17, 8, 22}},
      {"cut above the centre", EllipticArchPrism(20.0, 20.0, 30.0, 8.0), {-17, -22, -1}, {17, 22, 9}},
  };
}

Vec3 RandomPoint(const Case& c, Rng& rng)
{
  return {c.lo.x + (c.hi.x - c.lo.x) * rng.uniform(), c.lo.y + (c.hi.y - c.lo.y) * rng.uniform(),
          c.lo.z + (c.hi.z - c.lo.z) * rng.uniform()};
}

Vec3 PointWhere(const Case& c, Rng& rng, bool inside)
{
  while (true) {
    const Vec3 r = RandomPoint(c, rng);
    if (c.shape.inside(r) == inside) return r;
  }
}

TEST(EllipticArch, StepToTheExitLeavesAndTheNormalPointsOutward)
{
  for (const Case& c : Cases()) {
    Rng rng(11, 0);
    for (int i = 0; i < 3000; ++i) {
      const Vec3 r = PointWhere(c, rng, true);
      const Vec3 u = SampleIsotropic(rng);
      const double d = c.shape.distance_to_exit(r, u);
      ASSERT_TRUE(std::isfinite(d)) << c.name;
      if (d > kEps) {
        ASSERT_TRUE(c.shape.inside(advance(r, u, d - kEps))) << c.name << " " << i;
      }
      ASSERT_FALSE(c.shape.inside(advance(r, u, d + kEps))) << c.name << " " << i;
      const Vec3 exit = advance(r, u, d);
      const Vec3 n = c.shape.normal(exit);
      ASSERT_NEAR(norm(n), 1.0, 1e-12) << c.name;
      ASSERT_GE(dot(n, u), -1e-9) << c.name << " " << i;
      ASSERT_FALSE(c.shape.inside(advance(exit, n, 1e-6))) << c.name << " " << i;
      // A photon that has left does not find the body again straight ahead.
      ASSERT_TRUE(std::isinf(c.shape.distance_to_entry(exit, u))) << c.name << " " << i;
    }
  }
}

TEST(EllipticArch, EntryIsTheFirstPointInsideAlongTheRay)
{
  for (const Case& c : Cases()) {
    Rng rng(12, 0);
    int hits = 0;
    for (int i = 0; i < 3000; ++i) {
      const Vec3 r = PointWhere(c, rng, false);
      const Vec3 u = SampleIsotropic(rng);
      const double d = c.shape.distance_to_entry(r, u);
      const double probe = std::isfinite(d) ? d - kEps : 200.0;
      for (int k = 0; k <= 40; ++k) ASSERT_FALSE(c.shape.inside(advance(r, u, probe * k / 40.0))) << c.name << " " << i;
      if (std::isfinite(d)) {
        ++hits;
        ASSERT_TRUE(c.shape.inside(advance(r, u, d + kEps))) << c.name << " " << i;
      }
    }
    EXPECT_GT(hits, 100) << c.name;
  }
}

TEST(EllipticArch, FastDistancesAgreeWithTheChordAndSafetyIsABound)
{
  for (const Case& c : Cases()) {
    const ConvexShape& chord_only = c.shape;
    Rng rng(13, 0);
    int positive_safety = 0;
    for (int i = 0; i < 2000; ++i) {
      const Vec3 r = PointWhere(c, rng, true);
      const double safety = c.shape.safety(r);
      ASSERT_GE(safety, -1e-12) << c.name;
      positive_safety += safety > 0.0;
      for (int k = 0; k < 4; ++k) {
        const Vec3 u = SampleIsotropic(rng);
        const double d = c.shape.distance_to_exit(r, u);
        ASSERT_NEAR(d, chord_only.ConvexShape::distance_to_exit(r, u), 1e-9 * (1.0 + d)) << c.name << " " << i;
        ASSERT_LE(safety, d + 1e-9) << c.name << " " << i;
      }
      // From outside, and from a focus 80 cm above the entrance point.
      const Vec3 outside = PointWhere(c, rng, false), target = RandomPoint(c, rng);
      for (const Vec3& from : {outside, Vec3{0.0, 0.0, -80.0}}) {
        const Vec3 u = normalized(Vec3{target.x - from.x, target.y - from.y, target.z - from.z});
        const double d = c.shape.distance_to_entry(from, u);
        const double expected = chord_only.ConvexShape::distance_to_entry(from, u);
        ASSERT_EQ(std::isinf(d), std::isinf(expected)) << c.name << " " << i;
        if (!std::isinf(d)) {
          ASSERT_NEAR(d, expected, 1e-9 * (1.0 + d)) << c.name << " " << i;
        }
      }
    }
    EXPECT_GT(positive_safety, 1900) << c.name;
  }
}

TEST(EllipticArch, HandWorkedChords)
{
  const EllipticArchPrism e(30.0, 20.0, 80.0, 25.0);
  // The central ray enters at the origin and leaves at the exit level.
  EXPECT_NEAR(e.distance_to_entry({0, 0, -80}, {0, 0, 1}), 80.0, 1e-12);
  EXPECT_NEAR(e.distance_to_exit({0, 0, 0}, {0, 0, 1}), 25.0, 1e-12);
  // At y = 15 the half ellipse lies at z = 20 (1 - sqrt(3)/2).
  EXPECT_NEAR(e.distance_to_entry({0, 15, -1}, {0, 0, 1}), 1.0 + 20.0 * (1.0 - std::sqrt(3.0) / 2.0), 1e-12);
  // Below the centre the sides are straight: across at z = 22 the body spans |y| <= 30.
  EXPECT_NEAR(e.distance_to_exit({0, 0, 22}, {0, 1, 0}), 30.0, 1e-12);
  // Above the centre, at z = 10: y = 30 sqrt(1 - 0.25).
  EXPECT_NEAR(e.distance_to_exit({0, 0, 10}, {0, 1, 0}), 30.0 * std::sqrt(0.75), 1e-12);
  // Along the body the ends bound it; beside the sides nothing is met.
  EXPECT_NEAR(e.distance_to_exit({0, 0, 10}, {1, 0, 0}), 40.0, 1e-12);
  EXPECT_TRUE(std::isinf(e.distance_to_entry({0, 31, 22}, {1, 0, 0})));
  // Normals: the top, a side, the exit level, the curve at 45 degrees of the circle case.
  EXPECT_NEAR(e.normal({0, 0, 0}).z, -1.0, 1e-12);
  EXPECT_NEAR(e.normal({0, 30, 23}).y, 1.0, 1e-12);
  EXPECT_NEAR(e.normal({0, 0, 25}).z, 1.0, 1e-12);
  const EllipticArchPrism circle(10.0, 10.0, 80.0, 30.0);
  const double s = std::sqrt(0.5);
  const Vec3 n = circle.normal({0, -10 * s, 10 - 10 * s});
  EXPECT_NEAR(n.y, -s, 1e-12);
  EXPECT_NEAR(n.z, -s, 1e-12);
  EXPECT_NEAR(circle.top_curvature_radius(), 10.0, 1e-15);
  EXPECT_NEAR(e.top_curvature_radius(), 45.0, 1e-12);

  EXPECT_THROW(EllipticArchPrism(0.0, 10.0, 80.0, 20.0), std::invalid_argument);
  EXPECT_THROW(EllipticArchPrism(10.0, -1.0, 80.0, 20.0), std::invalid_argument);
  EXPECT_THROW(EllipticArchPrism(10.0, 10.0, 0.0, 20.0), std::invalid_argument);
  EXPECT_THROW(EllipticArchPrism(10.0, 10.0, 80.0, 0.0), std::invalid_argument);
}

TEST(EllipticArch, CircleAgreesWithTheRacetrackWithoutAFlatTop)
{
  // Two independent descriptions of one body: a circle of radius 12 on
  // straight sides, 20 cm thick, 60 cm long.
  const EllipticArchPrism arch(12.0, 12.0, 60.0, 20.0);
  const RacetrackPrism track(0.0, 24.0, 60.0, 20.0);
  const Case box{"box", arch, {-35, -15, -3}, {35, 15, 23}};
  Rng rng(13, 0);
  int inside = 0;
  for (int i = 0; i < 20000; ++i) {
    const Vec3 r = RandomPoint(box, rng);
    const Vec3 u = SampleIsotropic(rng);
    ASSERT_EQ(arch.inside(r), track.inside(r)) << i;
    if (arch.inside(r)) {
      ++inside;
      ASSERT_NEAR(arch.distance_to_exit(r, u), track.distance_to_exit(r, u), 1e-9) << i;
    } else {
      const double a = arch.distance_to_entry(r, u), t = track.distance_to_entry(r, u);
      ASSERT_EQ(std::isinf(a), std::isinf(t)) << i;
      if (!std::isinf(a)) {
        ASSERT_NEAR(a, t, 1e-9) << i;
      }
    }
  }
  EXPECT_GT(inside, 5000);
}

TEST(EllipticArch, AboveItsCentreItIsTheEllipticCylinder)
{
  const EllipticArchPrism arch(25.0, 15.0, 50.0, 35.0);
  const EllipticCylinder full(25.0, 15.0, 50.0);
  Rng rng(14, 0);
  for (int i = 0; i < 20000; ++i) {
    const Vec3 r{-30.0 + 60.0 * rng.uniform(), -30.0 + 60.0 * rng.uniform(), -2.0 + 17.0 * rng.uniform()};
    ASSERT_EQ(arch.inside(r), full.inside(r)) << i;
    // Rays that go up from inside leave both bodies through the same point.
    if (full.inside(r)) {
      Vec3 u = SampleIsotropic(rng);
      if (u.z > 0.0) u.z = -u.z;
      ASSERT_NEAR(arch.distance_to_exit(r, u), full.distance_to_exit(r, u), 1e-9) << i;
    }
  }
  // Below the centre the sides go straight down: wider than the ellipse.
  EXPECT_TRUE(arch.inside({0.0, 24.0, 28.0}));
  EXPECT_FALSE(full.inside({0.0, 24.0, 28.0}));
}

}  // namespace
}  // namespace vorn::mc
