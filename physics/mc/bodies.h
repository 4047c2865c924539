// Separate convex bodies in vacuum: a phantom, or a plate in air.
#pragma once

#include <memory>
#include <vector>

#include "physics/mc/geometry.h"
#include "physics/mc/shapes/shape.h"

namespace vorn::mc {

/// Region i is body i. Bodies must neither overlap nor touch: a photon that
/// leaves one is in vacuum until it enters another. (Air is treated as
/// vacuum: over the distances of these arrangements it attenuates every
/// compared quantity alike.)
/// Invariant: at least one body.
class Bodies : public Geometry {
public:
  explicit Bodies(std::vector<std::shared_ptr<const ConvexShape>> bodies);  // throws std::invalid_argument when empty

  int region_count() const override { return static_cast<int>(bodies_.size()); }
  int region_at(const Vec3& r) const override;
  Crossing next_crossing(const Vec3& r, const Vec3& u, int region) const override;
  Vec3 surface_normal(const Vec3& r, int region) const override;
  double safety(const Vec3& r, int region) const override;
  bool convex() const override { return bodies_.size() == 1; }

  const ConvexShape& body(int i) const { return *bodies_[i]; }

private:
  std::vector<std::shared_ptr<const ConvexShape>> bodies_;
};

}  // namespace vorn::mc
