#include "physics/mc/bodies.h"

#include <stdexcept>

namespace vorn::mc {

Bodies::Bodies(std::vector<std::shared_ptr<const ConvexShape>> bodies) : bodies_(std::move(bodies))
{
  if (bodies_.empty()) throw std::invalid_argument("Bodies: needs at least one body");
  for (const auto& b : bodies_)
    if (!b) throw std::invalid_argument("Bodies: empty body");
}

int Bodies::region_at(const Vec3& r) const
{
  for (std::size_t i = 0; i < bodies_.size(); ++i)
    if (bodies_[i]->inside(r)) return static_cast<int>(i);
  return kVacuum;
}

Crossing Bodies::next_crossing(const Vec3& r, const Vec3& u, int region) const
{
  if (region != kVacuum) return {bodies_[region]->distance_to_exit(r, u), kVacuum};
  Crossing next{kInfinity, kVacuum};
  for (std::size_t i = 0; i < bodies_.size(); ++i) {
    const double d = bodies_[i]->distance_to_entry(r, u);
    if (d < next.distance) next = {d, static_cast<int>(i)};
  }
  return next;
}

Vec3 Bodies::surface_normal(const Vec3& r, int region) const { return bodies_[region]->normal(r); }

// Bodies never touch, so the nearest surface is the body's own.
double Bodies::safety(const Vec3& r, int region) const { return bodies_[region]->safety(r); }

}  // namespace vorn::mc
