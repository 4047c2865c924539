#include "physics/mc/shapes/racetrack.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "physics/mc/shapes/box.h"
#include "physics/mc/shapes/elliptic_cylinder.h"

namespace vorn::mc {

RacetrackPrism::RacetrackPrism(double a, double b, double length, double thickness)
    : a_(a), b_(b), length_(length), thickness_(thickness)
{
  if (!(a >= 0.0 && b > 0.0 && length > 0.0 && thickness > 0.0))
    throw std::invalid_argument("RacetrackPrism: needs a >= 0 and b, length, thickness above 0");
}

bool RacetrackPrism::in_profile(double y, double z) const
{
  const double half_flat = 0.5 * a_, radius = 0.5 * b_;
  const double ay = std::abs(y);
  if (z < 0.0 || z > thickness_ || ay > half_flat + radius) return false;
  if (ay > half_flat && z < radius) {
    const double dy = ay - half_flat, dz = z - radius;
    return std::sqrt(dy * dy + dz * dz) <= radius;
  }
  return true;
}

bool RacetrackPrism::inside(const Vec3& r) const
{
  return std::abs(r.x) <= 0.5 * length_ && in_profile(r.y, r.z);
}

Chord RacetrackPrism::chord(const Vec3& r, const Vec3& u) const
{
  // The cross-section is the union of convex pieces: the strip under the flat
  // top (|y| <= a/2, 0 <= z <= thickness), the strip under the shoulders
  // (|y| <= (a + b)/2, b/2 <= z <= thickness) and the two discs of the
  // shoulders (cut at the exit level). The union is convex, so the line meets
  // it in one interval: the hull of the pieces' chords.
  const double half_flat = 0.5 * a_, radius = 0.5 * b_, half_width = half_flat + radius;
  double lo = kInfinity, hi = -kInfinity;
  const auto add = [&](const Chord& c) {
    if (c.empty()) return;
    lo = std::min(lo, c.t_in);
    hi = std::max(hi, c.t_out);
  };
  if (half_flat > 0.0) {
    Chord c{-kInfinity, kInfinity};
    ClipToInterval(r.y, u.y, -half_flat, half_flat, c);
    ClipToInterval(r.z, u.z, 0.0, thickness_, c);
    add(c);
  }
  if (thickness_ > radius) {
    Chord c{-kInfinity, kInfinity};
    ClipToInterval(r.y, u.y, -half_width, half_width, c);
    ClipToInterval(r.z, u.z, radius, thickness_, c);
    add(c);
  }
  const double a_q = u.y * u.y + u.z * u.z;
  for (const double centre : {-half_flat, half_flat}) {
    const double dy = r.y - centre, dz = r.z - radius;
    const double c_q = dy * dy + dz * dz - radius * radius;
    Chord c{kInfinity, -kInfinity};
    if (a_q > 0.0) {
      c = QuadraticRoots(a_q, dy * u.y + dz * u.z, c_q);
    } else if (c_q <= 0.0) {
      c = {-kInfinity, kInfinity};  // along the axis, inside the disc's cylinder
    }
    ClipToInterval(r.z, u.z, -kInfinity, thickness_, c);
    add(c);
    if (half_flat == 0.0) break;  // one disc
  }
  if (!(hi > lo)) return {kInfinity, -kInfinity};
  Chord hull{lo, hi};
  ClipToInterval(r.x, u.x, -0.5 * length_, 0.5 * length_, hull);
  return hull;
}

Vec3 RacetrackPrism::normal(const Vec3& r) const
{
  const double half_flat = 0.5 * a_, radius = 0.5 * b_, half_width = half_flat + radius;
  const double ay = std::abs(r.y);
  const double sy = r.y >= 0.0 ? 1.0 : -1.0;
  struct Candidate {
    double distance;
    Vec3 n;
  };
  Candidate best{std::abs(0.5 * length_ - std::abs(r.x)), {r.x >= 0.0 ? 1.0 : -1.0, 0.0, 0.0}};
  auto consider = [&](double d, const Vec3& n) {
    if (d < best.distance) best = {d, n};
  };
  consider(std::abs(thickness_ - r.z), {0.0, 0.0, 1.0});
  if (ay <= half_flat) consider(std::abs(r.z), {0.0, 0.0, -1.0});
  if (r.z >= radius) consider(std::abs(half_width - ay), {0.0, sy, 0.0});
  if (ay >= half_flat && r.z <= radius) {
    const double dy = ay - half_flat, dz = r.z - radius;
    const double d = std::sqrt(dy * dy + dz * dz);
    if (d > 0.0) consider(std::abs(d - radius), {0.0, sy * dy / d, dz / d});
  }
  return best.n;
}

}  // namespace vorn::mc
