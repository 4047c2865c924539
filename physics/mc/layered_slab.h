// Layers stacked along the beam (z), laterally unbounded or bounded.
#pragma once

#include <vector>

#include "physics/mc/geometry.h"

namespace vorn::mc {

/// Region i is the layer z_i <= z < z_i+1 (the last one closed at its far
/// side), with |x| <= half_x and |y| <= half_y (infinite for an unbounded slab).
/// Invariant: at least two boundaries, strictly increasing; half widths above 0.
class LayeredSlab : public Geometry {
public:
  // Throws std::invalid_argument when the invariant does not hold.
  explicit LayeredSlab(std::vector<double> boundaries_z, double half_x = kInfinity, double half_y = kInfinity);

  int region_count() const override { return static_cast<int>(z_.size()) - 1; }
  int region_at(const Vec3& r) const override;
  Crossing next_crossing(const Vec3& r, const Vec3& u, int region) const override;
  Vec3 surface_normal(const Vec3& r, int region) const override;
  bool convex() const override { return true; }  // a stack of layers fills one box

  const std::vector<double>& boundaries() const { return z_; }

private:
  int layer_of(double z) const;

  std::vector<double> z_;
  double half_x_;
  double half_y_;
};

}  // namespace vorn::mc
