// Axis-aligned box: a slab (sides at infinity), a bounded block, a plate.
#pragma once

#include <algorithm>
#include <utility>

#include "physics/mc/shapes/shape.h"

namespace vorn::mc {

/// lo <= r <= hi componentwise; any bound may be infinite (a laterally
/// unbounded slab has x and y bounds at -/+ infinity).
/// Invariant: lo < hi in every component.
class Box : public ConvexShape {
public:
  Box(const Vec3& lo, const Vec3& hi);  // throws std::invalid_argument unless lo < hi

  // z0 <= z <= z0 + thickness, unbounded in x and y.
  static Box Slab(double z0, double thickness);
  // Centred on the z axis: |x| <= width_x / 2, |y| <= width_y / 2, z0 <= z <= z0 + thickness.
  static Box Plate(double width_x, double width_y, double z0, double thickness);

  bool inside(const Vec3& r) const override;
  Chord chord(const Vec3& r, const Vec3& u) const override;
  Vec3 normal(const Vec3& r) const override;
  double safety(const Vec3& r) const override;

  const Vec3& lo() const { return lo_; }
  const Vec3& hi() const { return hi_; }

private:
  Vec3 lo_;
  Vec3 hi_;
};

// The nearer of t and the distance along u from r to the plane at `lo` or
// `hi` that the ray heads for (none when it runs parallel).
inline double NearerPlane(double t, double r, double u, double lo, double hi)
{
  if (u > 0.0) return std::min(t, (hi - r) / u);
  if (u < 0.0) return std::min(t, (lo - r) / u);
  return t;
}

// One axis of the slab method: narrows [t_in, t_out] to where lo <= r + t u <= hi.
// (Inline: every step of every shape calls it.)
inline void ClipToInterval(double r, double u, double lo, double hi, Chord& c)
{
  if (u == 0.0) {
    if (r < lo || r > hi) c = {kInfinity, -kInfinity};
    return;
  }
  const double inv = 1.0 / u;
  double t1 = (lo - r) * inv;
  double t2 = (hi - r) * inv;
  if (t1 > t2) std::swap(t1, t2);
  if (t1 > c.t_in) c.t_in = t1;
  if (t2 < c.t_out) c.t_out = t2;
}

}  // namespace vorn::mc
