// Elliptic and circular cylinders lying across the beam.
#pragma once

#include <cmath>
#include <utility>

#include "physics/mc/shapes/shape.h"

namespace vorn::mc {

/// Axis along x (horizontal, across the beam), |x| <= length / 2; semi-axis
/// h along y (half the body width) and v along z (the beam direction, depth).
/// The centre is at (0, 0, v), so the top of the body touches the origin,
/// where the central beam enters.
/// Invariant: h, v and length above 0.
class EllipticCylinder : public ConvexShape {
public:
  EllipticCylinder(double h, double v, double length);  // throws std::invalid_argument otherwise

  bool inside(const Vec3& r) const override;
  Chord chord(const Vec3& r, const Vec3& u) const override;
  Vec3 normal(const Vec3& r) const override;

  double h() const { return h_; }
  double v() const { return v_; }
  double length() const { return length_; }

private:
  double h_;
  double v_;
  double length_;
};

/// A circular cylinder of radius R, placed like the elliptic one.
class Cylinder : public EllipticCylinder {
public:
  Cylinder(double radius, double length) : EllipticCylinder(radius, radius, length) {}
  double radius() const { return h(); }
};

// The roots t1 <= t2 of a t^2 + 2 b t + c = 0, or an empty chord when there are none
// (a = 0 included: the caller handles lines parallel to the surface).
inline Chord QuadraticRoots(double a, double b, double c)
{
  const double disc = b * b - a * c;
  if (a == 0.0 || disc < 0.0) return {kInfinity, -kInfinity};
  // The root that avoids cancellation first, the other from the product c/a.
  const double root = std::sqrt(disc);
  const double q = -(b + (b >= 0.0 ? root : -root));
  double t1 = q / a;
  double t2 = q != 0.0 ? c / q : t1;
  if (t1 > t2) std::swap(t1, t2);
  return {t1, t2};
}

}  // namespace vorn::mc
