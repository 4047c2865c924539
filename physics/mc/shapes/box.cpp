#include "physics/mc/shapes/box.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorn::mc {

Box::Box(const Vec3& lo, const Vec3& hi) : lo_(lo), hi_(hi)
{
  if (!(lo.x < hi.x && lo.y < hi.y && lo.z < hi.z)) throw std::invalid_argument("Box: needs lo < hi on every axis");
}

Box Box::Slab(double z0, double thickness)
{
  return Box({-kInfinity, -kInfinity, z0}, {kInfinity, kInfinity, z0 + thickness});
}

Box Box::Plate(double width_x, double width_y, double z0, double thickness)
{
  return Box({-0.5 * width_x, -0.5 * width_y, z0}, {0.5 * width_x, 0.5 * width_y, z0 + thickness});
}

bool Box::inside(const Vec3& r) const
{
  return r.x >= lo_.x && r.x <= hi_.x && r.y >= lo_.y && r.y <= hi_.y && r.z >= lo_.z && r.z <= hi_.z;
}

Chord Box::chord(const Vec3& r, const Vec3& u) const
{
  Chord c{-kInfinity, kInfinity};
  ClipToInterval(r.x, u.x, lo_.x, hi_.x, c);
  ClipToInterval(r.y, u.y, lo_.y, hi_.y, c);
  ClipToInterval(r.z, u.z, lo_.z, hi_.z, c);
  return c;
}

Vec3 Box::normal(const Vec3& r) const
{
  // The face nearest to r.
  const double d[6] = {std::abs(r.x - lo_.x), std::abs(r.x - hi_.x), std::abs(r.y - lo_.y),
                       std::abs(r.y - hi_.y), std::abs(r.z - lo_.z), std::abs(r.z - hi_.z)};
  static const Vec3 n[6] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
  int best = 0;
  for (int i = 1; i < 6; ++i)
    if (d[i] < d[best]) best = i;
  return n[best];
}

double Box::safety(const Vec3& r) const
{
  // Infinite bounds give infinite distances, which min passes over.
  return std::min({r.x - lo_.x, hi_.x - r.x, r.y - lo_.y, hi_.y - r.y, r.z - lo_.z, hi_.z - r.z});
}

}  // namespace vorn::mc
