#include <gtest/gtest.h>

#include <cmath>

#include "physics/mc/interactions.h"
#include "physics/mc/shapes/box.h"
#include "physics/mc/shapes/elliptic_cylinder.h"
#include "physics/mc/shapes/racetrack.h"

namespace vorn::mc {
namespace {

// Every shape with an example and a box around it from which test points are drawn.
struct SlabCase {
  static constexpr bool kHasSafety = true;
  static Box make() { return Box::Slab(0.0, 20.0); }
  static Vec3 lo() { return {-50.0, -50.0, -5.0}; }
  static Vec3 hi() { return {50.0, 50.0, 25.0}; }
};
struct PlateCase {
  static constexpr bool kHasSafety = true;
  static Box make() { return Box::Plate(30.0, 20.0, 50.0, 2.0); }
  static Vec3 lo() { return {-20.0, -15.0, 45.0}; }
  static Vec3 hi() { return {20.0, 15.0, 55.0}; }
};
struct CylinderCase {
  static constexpr bool kHasSafety = false;
  static Cylinder make() { return Cylinder(10.0, 40.0); }
  static Vec3 lo() { return {-25.0, -12.0, -2.0}; }
  static Vec3 hi() { return {25.0, 12.0, 22.0}; }
};
struct EllipseCase {
  static constexpr bool kHasSafety = false;
  static EllipticCylinder make() { return EllipticCylinder(15.0, 10.0, 40.0); }
  static Vec3 lo() { return {-25.0, -17.0, -2.0}; }
  static Vec3 hi() { return {25.0, 17.0, 22.0}; }
};
struct UprightEllipseCase {
  static constexpr bool kHasSafety = false;
  static EllipticCylinder make() { return EllipticCylinder(6.0, 12.0, 30.0); }
  static Vec3 lo() { return {-20.0, -8.0, -2.0}; }
  static Vec3 hi() { return {20.0, 8.0, 26.0}; }
};
struct RacetrackCase {
  static constexpr bool kHasSafety = true;
  static RacetrackPrism make() { return RacetrackPrism(20.0, 20.0, 80.0, 25.0); }
  static Vec3 lo() { return {-45.0, -22.0, -2.0}; }
  static Vec3 hi() { return {45.0, 22.0, 27.0}; }
};
struct ShallowRacetrackCase {  // exit level above the end of the shoulders
  static constexpr bool kHasSafety = true;
  static RacetrackPrism make() { return RacetrackPrism(10.0, 16.0, 30.0, 5.0); }
  static Vec3 lo() { return {-17.0, -15.0, -1.0}; }
  static Vec3 hi() { return {17.0, 15.0, 6.0}; }
};
struct NarrowRacetrackCase {  // no flat top: a = 0
  static constexpr bool kHasSafety = true;
  static RacetrackPrism make() { return RacetrackPrism(0.0, 12.0, 30.0, 15.0); }
  static Vec3 lo() { return {-17.0, -8.0, -1.0}; }
  static Vec3 hi() { return {17.0, 8.0, 16.0}; }
};

template <class Case>
class ShapeContract : public ::testing::Test {
protected:
  Vec3 random_point(Rng& rng) const
  {
    const Vec3 lo = Case::lo(), hi = Case::hi();
    return {lo.x + (hi.x - lo.x) * rng.uniform(), lo.y + (hi.y - lo.y) * rng.uniform(),
            lo.z + (hi.z - lo.z) * rng.uniform()};
  }
  Vec3 point_inside(const ConvexShape& shape, Rng& rng) const
  {
    while (true) {
      const Vec3 r = random_point(rng);
      if (shape.inside(r)) return r;
    }
  }
  Vec3 point_outside(const ConvexShape& shape, Rng& rng) const
  {
    while (true) {
      const Vec3 r = random_point(rng);
      if (!shape.inside(r)) return r;
    }
  }
};

using AllShapes = ::testing::Types<SlabCase, PlateCase, CylinderCase, EllipseCase, UprightEllipseCase, RacetrackCase,
                                   ShallowRacetrackCase, NarrowRacetrackCase>;
TYPED_TEST_SUITE(ShapeContract, AllShapes);

constexpr double kEps = 1e-7;

TYPED_TEST(ShapeContract, StepToTheExitLeavesTheShape)
{
  const auto shape = TypeParam::make();
  Rng rng(1, 0);
  for (int i = 0; i < 3000; ++i) {
    const Vec3 r = this->point_inside(shape, rng);
    const Vec3 u = SampleIsotropic(rng);
    const double d = shape.distance_to_exit(r, u);
    ASSERT_TRUE(std::isfinite(d));
    if (d > kEps) {
      ASSERT_TRUE(shape.inside(advance(r, u, d - kEps))) << i;
    }
    ASSERT_FALSE(shape.inside(advance(r, u, d + kEps))) << i;
  }
}

TYPED_TEST(ShapeContract, EntryIsTheFirstPointInsideAlongTheRay)
{
  const auto shape = TypeParam::make();
  Rng rng(2, 0);
  int hits = 0;
  for (int i = 0; i < 3000; ++i) {
    const Vec3 r = this->point_outside(shape, rng);
    const Vec3 u = SampleIsotropic(rng);
    const double d = shape.distance_to_entry(r, u);
    const double probe_length = std::isfinite(d) ? d - kEps : 200.0;
    for (int k = 0; k <= 40; ++k) ASSERT_FALSE(shape.inside(advance(r, u, probe_length * k / 40.0))) << i;
    if (std::isfinite(d)) {
      ++hits;
      ASSERT_TRUE(shape.inside(advance(r, u, d + kEps))) << i;
    }
  }
  EXPECT_GT(hits, 100);
}

TYPED_TEST(ShapeContract, NormalAtTheExitPointsOutward)
{
  const auto shape = TypeParam::make();
  Rng rng(3, 0);
  for (int i = 0; i < 2000; ++i) {
    const Vec3 r = this->point_inside(shape, rng);
    const Vec3 u = SampleIsotropic(rng);
    const Vec3 exit = advance(r, u, shape.distance_to_exit(r, u));
    const Vec3 n = shape.normal(exit);
    ASSERT_NEAR(norm(n), 1.0, 1e-12);
    // The photon leaves, so it moves along the outward normal.
    ASSERT_GE(dot(n, u), -1e-9) << i;
    ASSERT_FALSE(shape.inside(advance(exit, n, 1e-6))) << i;
  }
}

TYPED_TEST(ShapeContract, APhotonThatHasLeftDoesNotReenter)
{
  const auto shape = TypeParam::make();
  Rng rng(4, 0);
  for (int i = 0; i < 2000; ++i) {
    const Vec3 r = this->point_inside(shape, rng);
    const Vec3 u = SampleIsotropic(rng);
    const double d = shape.distance_to_exit(r, u);
    const Vec3 exit = advance(r, u, d);
    ASSERT_TRUE(std::isinf(shape.distance_to_entry(exit, u))) << i;
    // Turned round at the exit point, it crosses the whole chord back.
    const Vec3 back{-u.x, -u.y, -u.z};
    ASSERT_NEAR(shape.distance_to_exit(exit, back), d + shape.distance_to_exit(r, back), 1e-6 * (1.0 + d)) << i;
  }
}

// A shape's own exit and entry agree with the ones through its whole chord,
// and its safety distance is a true bound: no exit in any direction is nearer.
TYPED_TEST(ShapeContract, FastDistancesAgreeWithTheChordAndSafetyIsABound)
{
  const auto shape = TypeParam::make();
  const ConvexShape& chord_only = shape;
  Rng rng(5, 0);
  int positive_safety = 0;
  for (int i = 0; i < 2000; ++i) {
    const Vec3 r = this->point_inside(shape, rng);
    const double safety = shape.safety(r);
    ASSERT_GE(safety, -1e-12) << i;
    positive_safety += safety > 0.0;
    for (int k = 0; k < 4; ++k) {
      const Vec3 u = SampleIsotropic(rng);
      const double d = shape.distance_to_exit(r, u);
      ASSERT_NEAR(d, chord_only.ConvexShape::distance_to_exit(r, u), 1e-9 * (1.0 + d)) << i;
      ASSERT_LE(safety, d + 1e-9) << i;
    }
    // From outside, and from a focus 80 cm above the entrance point.
    const Vec3 outside = this->point_outside(shape, rng);
    const Vec3 target = this->random_point(rng);
    for (const Vec3& from : {outside, Vec3{0.0, 0.0, -80.0}}) {
      const Vec3 u = normalized(Vec3{target.x - from.x, target.y - from.y, target.z - from.z});
      const double d = shape.distance_to_entry(from, u), expected = chord_only.ConvexShape::distance_to_entry(from, u);
      ASSERT_EQ(std::isinf(d), std::isinf(expected)) << i;
      if (!std::isinf(d)) {
        ASSERT_NEAR(d, expected, 1e-9 * (1.0 + d)) << i;
      }
    }
  }
  if (TypeParam::kHasSafety) {
    EXPECT_GT(positive_safety, 1900);
  }
}

// Hand-worked chords.
TEST(Shapes, CylinderAlongTheBeamAxis)
{
  const Cylinder c(10.0, 40.0);
  EXPECT_NEAR(c.distance_to_entry({0, 0, -5}, {0, 0, 1}), 5.0, 1e-12);
  EXPECT_NEAR(c.distance_to_exit({0, 0, 0}, {0, 0, 1}), 20.0, 1e-12);
  // 6 cm off axis sideways: the circle is met at z = 10 -/+ 8.
  EXPECT_NEAR(c.distance_to_entry({0, 6, -5}, {0, 0, 1}), 7.0, 1e-12);
  EXPECT_NEAR(c.distance_to_exit({0, 6, 10}, {0, 0, 1}), 8.0, 1e-12);
  // Along the axis of the cylinder the end caps bound it.
  EXPECT_NEAR(c.distance_to_exit({0, 0, 10}, {1, 0, 0}), 20.0, 1e-12);
  EXPECT_TRUE(std::isinf(c.distance_to_entry({0, 11, 10}, {1, 0, 0})));
  EXPECT_THROW(Cylinder(0.0, 10.0), std::invalid_argument);
}

TEST(Shapes, EllipseIsScaledCircle)
{
  const EllipticCylinder e(30.0, 20.0, 80.0);
  // Top touches the origin; depth on the axis is 2 v.
  EXPECT_NEAR(e.distance_to_exit({0, 0, 0}, {0, 0, 1}), 40.0, 1e-12);
  // At y = 15 (half of h) the surface lies at z = 20 (1 -/+ sqrt(3)/2).
  EXPECT_NEAR(e.distance_to_entry({0, 15, -1}, {0, 0, 1}), 1.0 + 20.0 * (1.0 - std::sqrt(3.0) / 2.0), 1e-12);
  const Vec3 n = e.normal({0, 30, 20});
  EXPECT_NEAR(n.y, 1.0, 1e-12);
}

TEST(Shapes, RacetrackShoulderAndSides)
{
  const RacetrackPrism t(20.0, 20.0, 80.0, 25.0);
  // On the flat top the beam enters at z = 0 and leaves at the exit level.
  EXPECT_NEAR(t.distance_to_entry({5, 3, -2}, {0, 0, 1}), 2.0, 1e-12);
  EXPECT_NEAR(t.distance_to_exit({5, 3, 0}, {0, 0, 1}), 25.0, 1e-12);
  // Over the shoulder at y = 15: circle centre (10, 10), radius 10.
  EXPECT_NEAR(t.distance_to_entry({0, 15, -2}, {0, 0, 1}), 2.0 + 10.0 - std::sqrt(75.0), 1e-12);
  // Sideways at z = 15 the body spans |y| <= 20.
  EXPECT_NEAR(t.distance_to_exit({0, 0, 15}, {0, 1, 0}), 20.0, 1e-12);
  // Sideways at z = 5 the shoulder bounds it: y = 10 + sqrt(100 - 25).
  EXPECT_NEAR(t.distance_to_exit({0, 0, 5}, {0, 1, 0}), 10.0 + std::sqrt(75.0), 1e-12);
  // Normals: top, side, bottom, shoulder at 45 degrees.
  EXPECT_NEAR(t.normal({0, 0, 0}).z, -1.0, 1e-12);
  EXPECT_NEAR(t.normal({0, 20, 15}).y, 1.0, 1e-12);
  EXPECT_NEAR(t.normal({0, 0, 25}).z, 1.0, 1e-12);
  const double s = std::sqrt(0.5);
  const Vec3 shoulder = t.normal({0, 10 + 10 * s, 10 - 10 * s});
  EXPECT_NEAR(shoulder.y, s, 1e-9);
  EXPECT_NEAR(shoulder.z, -s, 1e-9);
  EXPECT_THROW(RacetrackPrism(-1.0, 20.0, 80.0, 25.0), std::invalid_argument);
  EXPECT_THROW(RacetrackPrism(20.0, 0.0, 80.0, 25.0), std::invalid_argument);
}

TEST(Shapes, BoxRejectsEmptyExtentsAndHandlesAxisParallelRays)
{
  EXPECT_THROW(Box({0, 0, 0}, {1, 1, 0}), std::invalid_argument);
  const Box slab = Box::Slab(0.0, 10.0);
  EXPECT_TRUE(std::isinf(slab.distance_to_exit({0, 0, 5}, {1, 0, 0})));
  EXPECT_TRUE(std::isinf(slab.distance_to_entry({0, 0, -5}, {1, 0, 0})));
  EXPECT_NEAR(slab.distance_to_exit({0, 0, 5}, {0, 0.6, -0.8}), 6.25, 1e-12);
}

}  // namespace
}  // namespace vorn::mc
