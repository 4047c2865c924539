#include "physics/mc/shapes/racetrack.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "physics/mc/shapes/elliptic_cylinder.h"

namespace vorn::mc {

namespace {

// Tolerance of the on-surface tests of candidate hits [cm].
constexpr double kTol = 1e-9;

}  // namespace

RacetrackPrism::RacetrackPrism(double a, double b, double length, double thickness)
    : a_(a), b_(b), length_(length), thickness_(thickness)
{
  if (!(a >= 0.0 && b > 0.0 && length > 0.0 && thickness > 0.0))
    throw std::invalid_argument("RacetrackPrism: needs a >= 0 and b, length, thickness above 0");
}

bool RacetrackPrism::in_profile(double y, double z, double tol) const
{
  const double half_flat = 0.5 * a_, radius = 0.5 * b_;
  const double ay = std::abs(y);
  if (z < -tol || z > thickness_ + tol || ay > half_flat + radius + tol) return false;
  if (ay > half_flat && z < radius) {
    const double dy = ay - half_flat, dz = z - radius;
    return std::sqrt(dy * dy + dz * dz) <= radius + tol;
  }
  return true;
}

bool RacetrackPrism::inside(const Vec3& r) const
{
  return std::abs(r.x) <= 0.5 * length_ && in_profile(r.y, r.z, 0.0);
}

Chord RacetrackPrism::chord(const Vec3& r, const Vec3& u) const
{
  // The body is convex, so the line meets its surface at most twice (or along
  // a face): the chord runs from the first to the last valid hit of all the
  // surface pieces.
  const double half_flat = 0.5 * a_, radius = 0.5 * b_, half_width = half_flat + radius, half_length = 0.5 * length_;
  double lo = kInfinity, hi = -kInfinity;
  auto take = [&](double t) {
    lo = std::min(lo, t);
    hi = std::max(hi, t);
  };
  auto on_length = [&](double t) { return std::abs(r.x + t * u.x) <= half_length + kTol; };

  if (u.z != 0.0) {
    const double t_top = -r.z / u.z;
    if (std::abs(r.y + t_top * u.y) <= half_flat + kTol && on_length(t_top)) take(t_top);
    const double t_bottom = (thickness_ - r.z) / u.z;
    if (in_profile(r.y + t_bottom * u.y, thickness_, kTol) && on_length(t_bottom)) take(t_bottom);
  }
  if (u.y != 0.0) {
    for (const double side : {-half_width, half_width}) {
      const double t = (side - r.y) / u.y;
      const double z = r.z + t * u.z;
      if (z >= radius - kTol && z <= thickness_ + kTol && on_length(t)) take(t);
    }
  }
  const double a_q = u.y * u.y + u.z * u.z;
  if (a_q > 0.0) {
    for (const double sign : {-1.0, 1.0}) {
      const double cy = sign * half_flat;
      const double dy = r.y - cy, dz = r.z - radius;
      const Chord roots = QuadraticRoots(a_q, dy * u.y + dz * u.z, dy * dy + dz * dz - radius * radius);
      if (roots.t_in > roots.t_out) continue;
      for (const double t : {roots.t_in, roots.t_out}) {
        const double y = r.y + t * u.y, z = r.z + t * u.z;
        if (sign * (y - cy) >= -kTol && z <= radius + kTol && z <= thickness_ + kTol && z >= -kTol && on_length(t))
          take(t);
      }
    }
  }
  if (u.x != 0.0) {
    for (const double cap : {-half_length, half_length}) {
      const double t = (cap - r.x) / u.x;
      if (in_profile(r.y + t * u.y, r.z + t * u.z, kTol)) take(t);
    }
  }
  if (!(hi > lo)) return {kInfinity, -kInfinity};
  return {lo, hi};
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
