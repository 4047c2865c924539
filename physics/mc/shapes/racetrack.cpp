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

double RacetrackPrism::distance_to_exit(const Vec3& r, const Vec3& u) const
{
  // The body is the intersection of the slab between the ends, the strip
  // |y| <= (a + b)/2, the slab 0 <= z <= thickness and, per shoulder, the
  // region above that shoulder's arc (convex: flat, then rising along the
  // circle). From inside, the ray leaves where it first leaves one of them;
  // it leaves a shoulder's region where it leaves the shoulder's circle
  // through the arc.
  const double half_flat = 0.5 * a_, radius = 0.5 * b_, half_width = half_flat + radius;
  double t = NearerPlane(kInfinity, r.x, u.x, -0.5 * length_, 0.5 * length_);
  t = NearerPlane(t, r.y, u.y, -half_width, half_width);
  t = NearerPlane(t, r.z, u.z, 0.0, thickness_);
  const double a_q = u.y * u.y + u.z * u.z;
  // A ray that stays below the shoulders' centres never meets an arc.
  if (a_q > 0.0 && !(r.z >= radius && u.z >= 0.0)) {
    const double dz = r.z - radius;
    for (const double side : {1.0, -1.0}) {
      const double centre = side * half_flat, dy = r.y - centre;
      // Nor one that stays on the far side of this shoulder's centre.
      if (half_flat > 0.0 && side * dy <= 0.0 && side * u.y <= 0.0) continue;
      const Chord circle = QuadraticRoots(a_q, dy * u.y + dz * u.z, dy * dy + dz * dz - radius * radius);
      // The arc: below the centre and, with a flat top, on this side of it.
      if (!circle.empty() && r.z + circle.t_out * u.z <= radius &&
          (half_flat == 0.0 || side * (r.y + circle.t_out * u.y - centre) >= 0.0))
        t = std::min(t, circle.t_out);
      if (half_flat == 0.0) break;  // one circle
    }
  }
  return t > 0.0 ? t : 0.0;
}

double RacetrackPrism::distance_to_entry(const Vec3& r, const Vec3& u) const
{
  // Most photons come from the focus above and enter through the flat top.
  // Well inside its edges (the margin keeps the chord from being a sliver),
  // the point where the ray meets the top's plane is the entry.
  constexpr double kMargin_cm = 1e-6;
  if (r.z < 0.0 && u.z > 0.0) {
    const double t = -r.z / u.z;
    if (std::abs(r.y + t * u.y) < 0.5 * a_ - kMargin_cm && std::abs(r.x + t * u.x) < 0.5 * length_ - kMargin_cm)
      return t;
  }
  return ConvexShape::distance_to_entry(r, u);
}

double RacetrackPrism::safety(const Vec3& r) const
{
  // The surface lies on the planes and on the shoulders' circles. The circle
  // on r's side is |distance to its centre - radius| away; the other
  // shoulder lies beyond the middle, at least |y| + a/2 away.
  const double half_flat = 0.5 * a_, radius = 0.5 * b_, half_width = half_flat + radius;
  const double ay = std::abs(r.y);
  const double dy = ay - half_flat, dz = r.z - radius;
  double shoulders = std::abs(std::sqrt(dy * dy + dz * dz) - radius);
  if (half_flat > 0.0) shoulders = std::min(shoulders, ay + half_flat);
  return std::min({shoulders, r.z, thickness_ - r.z, half_width - ay, 0.5 * length_ - std::abs(r.x)});
}

}  // namespace vorn::mc
