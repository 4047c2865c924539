#include "physics/mc/source.h"

#include <cmath>
#include <stdexcept>

namespace vorn::mc {

PencilBeam::PencilBeam(const Vec3& origin, const Vec3& direction, double E_keV)
    : origin_(origin), direction_(normalized(direction)), E_keV_(E_keV)
{
  if (!(E_keV > 0.0)) throw std::invalid_argument("PencilBeam: energy must be above 0");
  if (!(norm(direction) > 0.0)) throw std::invalid_argument("PencilBeam: direction must not be zero");
}

Photon PencilBeam::emit(Rng&) const
{
  Photon p;
  p.r = origin_;
  p.u = direction_;
  p.E_keV = E_keV_;
  return p;
}

PointSourceField::PointSourceField(double width_x, double width_y, double field_distance, double E_keV)
    : half_x_(0.5 * width_x), half_y_(0.5 * width_y), distance_(field_distance), E_keV_(E_keV)
{
  if (!(width_x > 0.0 && width_y > 0.0 && field_distance > 0.0 && E_keV > 0.0))
    throw std::invalid_argument("PointSourceField: sizes, distance and energy must be above 0");
}

Photon PointSourceField::emit(Rng& rng) const
{
  // A point uniform on the field plane, kept with probability cos^3 of its
  // angle (the solid angle of an area element is cos^3 dA / d^2): uniform per
  // solid angle. Over a field of modest size nearly every point is kept.
  Vec3 u;
  while (true) {
    const double x = half_x_ * (2.0 * rng.uniform() - 1.0);
    const double y = half_y_ * (2.0 * rng.uniform() - 1.0);
    const double cos_theta = distance_ / std::sqrt(x * x + y * y + distance_ * distance_);
    if (rng.uniform() < cos_theta * cos_theta * cos_theta) {
      u = normalized(Vec3{x, y, distance_});
      break;
    }
  }
  Photon p;
  p.r = {0.0, 0.0, 0.0};
  p.u = u;
  p.E_keV = E_keV_;
  return p;
}

double PointSourceField::solid_angle() const
{
  // Solid angle of a rectangle seen from a point on its normal through its centre.
  const double a = half_x_, b = half_y_, d = distance_;
  return 4.0 * std::asin(a * b / std::sqrt((a * a + d * d) * (b * b + d * d)));
}

}  // namespace vorn::mc
