#include "physics/mc/shapes/elliptic_arch.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "physics/mc/shapes/box.h"
#include "physics/mc/shapes/elliptic_cylinder.h"

namespace vorn::mc {

EllipticArchPrism::EllipticArchPrism(double h, double v, double length, double thickness)
    : h_(h), v_(v), length_(length), thickness_(thickness), inv_h_(1.0 / h), inv_v_(1.0 / v)
{
  if (!(h > 0.0 && v > 0.0 && length > 0.0 && thickness > 0.0))
    throw std::invalid_argument("EllipticArchPrism: semi-axes, length and thickness must be above 0");
}

bool EllipticArchPrism::inside(const Vec3& r) const
{
  if (std::abs(r.x) > 0.5 * length_ || r.z < 0.0 || r.z > thickness_ || std::abs(r.y) > h_) return false;
  if (r.z >= v_) return true;
  const double y = r.y / h_, z = (r.z - v_) / v_;
  return y * y + z * z <= 1.0;
}

Chord EllipticArchPrism::chord(const Vec3& r, const Vec3& u) const
{
  // The cross-section is the whole ellipse joined to the strip |y| <= h
  // below its centre. Both are convex and so is their union, so the line
  // meets the union in one interval: the hull of the two chords.
  Chord ellipse{kInfinity, -kInfinity};
  const double y = r.y * inv_h_, z = (r.z - v_) * inv_v_;
  const double uy = u.y * inv_h_, uz = u.z * inv_v_;
  const double a = uy * uy + uz * uz;
  const double c = y * y + z * z - 1.0;
  if (a == 0.0) {
    if (c <= 0.0) ellipse = {-kInfinity, kInfinity};
  } else {
    ellipse = QuadraticRoots(a, y * uy + z * uz, c);
  }
  Chord strip{-kInfinity, kInfinity};
  ClipToInterval(r.y, u.y, -h_, h_, strip);
  ClipToInterval(r.z, u.z, v_, kInfinity, strip);

  Chord hull = ellipse;
  if (ellipse.empty()) {
    hull = strip;
  } else if (!strip.empty()) {
    hull = {std::min(ellipse.t_in, strip.t_in), std::max(ellipse.t_out, strip.t_out)};
  }
  if (hull.empty()) return {kInfinity, -kInfinity};
  ClipToInterval(r.z, u.z, 0.0, thickness_, hull);
  ClipToInterval(r.x, u.x, -0.5 * length_, 0.5 * length_, hull);
  return hull;
}

Vec3 EllipticArchPrism::normal(const Vec3& r) const
{
  // The face nearest to r, as for the racetrack.
  struct Candidate {
    double distance;
    Vec3 n;
  };
  Candidate best{std::abs(0.5 * length_ - std::abs(r.x)), {r.x >= 0.0 ? 1.0 : -1.0, 0.0, 0.0}};
  auto consider = [&](double d, const Vec3& n) {
    if (d < best.distance) best = {d, n};
  };
  consider(std::abs(thickness_ - r.z), {0.0, 0.0, 1.0});
  if (r.z >= v_) {
    consider(std::abs(h_ - std::abs(r.y)), {0.0, r.y >= 0.0 ? 1.0 : -1.0, 0.0});
  } else {
    const double y = r.y / h_, z = (r.z - v_) / v_;
    // Distance to the curve, roughly: the residual times the smaller semi-axis.
    const double d = std::abs(std::sqrt(y * y + z * z) - 1.0) * std::min(h_, v_);
    consider(d, normalized(Vec3{0.0, y / h_, z / v_}));
  }
  return best.n;
}

}  // namespace vorn::mc
