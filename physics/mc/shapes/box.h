// Axis-aligned box: a slab (sides at infinity), a bounded block, a plate.
#pragma once

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

  const Vec3& lo() const { return lo_; }
  const Vec3& hi() const { return hi_; }

private:
  Vec3 lo_;
  Vec3 hi_;
};

// One axis of the slab method: narrows [t_in, t_out] to where lo <= r + t u <= hi.
void ClipToInterval(double r, double u, double lo, double hi, Chord& c);

}  // namespace vorn::mc
