#include "physics/mc/layered_slab.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "physics/mc/shapes/box.h"
#include "physics/mc/shapes/shape.h"

namespace vorn::mc {

LayeredSlab::LayeredSlab(std::vector<double> boundaries_z, double half_x, double half_y)
    : z_(std::move(boundaries_z)), half_x_(half_x), half_y_(half_y)
{
  if (z_.size() < 2) throw std::invalid_argument("LayeredSlab: needs at least one layer");
  for (std::size_t i = 1; i < z_.size(); ++i)
    if (!(z_[i] > z_[i - 1])) throw std::invalid_argument("LayeredSlab: boundaries must increase");
  if (!(half_x > 0.0 && half_y > 0.0)) throw std::invalid_argument("LayeredSlab: half widths must be above 0");
}

int LayeredSlab::layer_of(double z) const
{
  if (z == z_.back()) return region_count() - 1;
  const auto it = std::upper_bound(z_.begin(), z_.end(), z);
  return static_cast<int>(it - z_.begin()) - 1;
}

int LayeredSlab::region_at(const Vec3& r) const
{
  if (r.z < z_.front() || r.z > z_.back() || std::abs(r.x) > half_x_ || std::abs(r.y) > half_y_) return kVacuum;
  return layer_of(r.z);
}

Crossing LayeredSlab::next_crossing(const Vec3& r, const Vec3& u, int region) const
{
  if (region == kVacuum) {
    // Entry into the stack: where the line meets the enclosing box, if ahead.
    Chord c{-kInfinity, kInfinity};
    ClipToInterval(r.x, u.x, -half_x_, half_x_, c);
    ClipToInterval(r.y, u.y, -half_y_, half_y_, c);
    ClipToInterval(r.z, u.z, z_.front(), z_.back(), c);
    const double t = std::max(0.0, c.t_in);
    if (c.empty() || c.t_out - t <= kSurfaceTolerance) return {kInfinity, kVacuum};
    // The layer at the entry point; at a face between layers, the one ahead.
    const double z = r.z + t * u.z;
    int layer = layer_of(std::clamp(z, z_.front(), z_.back()));
    if (u.z < 0.0 && layer > 0 && z == z_[layer]) --layer;
    return {t, layer};
  }
  // Lateral sides (none for a laterally unbounded stack, the common case).
  double d = kInfinity;
  if (half_x_ != kInfinity || half_y_ != kInfinity) {
    Chord side{-kInfinity, kInfinity};
    ClipToInterval(r.x, u.x, -half_x_, half_x_, side);
    ClipToInterval(r.y, u.y, -half_y_, half_y_, side);
    d = std::max(0.0, side.t_out);
  }
  int next = kVacuum;
  // The layer's own faces in the direction of flight.
  if (u.z > 0.0) {
    const double t = (z_[region + 1] - r.z) / u.z;
    if (t < d) {
      d = std::max(0.0, t);
      next = region + 1 < region_count() ? region + 1 : kVacuum;
    }
  } else if (u.z < 0.0) {
    const double t = (z_[region] - r.z) / u.z;
    if (t < d) {
      d = std::max(0.0, t);
      next = region > 0 ? region - 1 : kVacuum;
    }
  }
  return {d, next};
}

Vec3 LayeredSlab::surface_normal(const Vec3& r, int region) const
{
  const double d_lo = std::abs(r.z - z_[region]), d_hi = std::abs(r.z - z_[region + 1]);
  const double d_x = std::abs(half_x_ - std::abs(r.x)), d_y = std::abs(half_y_ - std::abs(r.y));
  const double best = std::min({d_lo, d_hi, d_x, d_y});
  if (best == d_lo) return {0.0, 0.0, -1.0};
  if (best == d_hi) return {0.0, 0.0, 1.0};
  if (best == d_x) return {r.x >= 0.0 ? 1.0 : -1.0, 0.0, 0.0};
  return {0.0, r.y >= 0.0 ? 1.0 : -1.0, 0.0};
}

}  // namespace vorn::mc
