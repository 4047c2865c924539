#include "physics/mc/source.h"

#include <algorithm>
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
    : E_keV_(E_keV)
{
  const auto usable = [](double x) { return std::isfinite(x) && x > 0.0; };
  if (!(usable(width_x) && usable(width_y) && usable(field_distance) && usable(E_keV)))
    throw std::invalid_argument("PointSourceField: sizes, distance and energy must be finite and above 0");
  const double largest = std::max({width_x, width_y, 2.0 * field_distance});
  a_ = 0.5 * width_x / largest;
  b_ = 0.5 * width_y / largest;
  d_ = field_distance / largest;
  if (!(std::isnormal(a_) && std::isnormal(b_) && std::isnormal(d_)))
    throw std::invalid_argument("PointSourceField: the field's sides and distance differ too much in size");
  c_ = std::hypot(b_, d_);
  theta_a_ = std::atan(a_ * b_ / (d_ * std::sqrt(a_ * a_ + c_ * c_)));
  const double cos_corner = d_ / std::sqrt(a_ * a_ + c_ * c_);
  by_rejection_ = cos_corner * cos_corner * cos_corner >= 0.5;
}

Photon PointSourceField::emit(Rng& rng) const
{
  Photon p;
  p.r = {0.0, 0.0, 0.0};
  p.E_keV = E_keV_;
  if (by_rejection_) {
    // A point uniform on the field, kept with probability cos^3 of its angle
    // (the solid angle of an area element is cos^3 dA / d^2).
    while (true) {
      const double x = a_ * (2.0 * rng.uniform() - 1.0);
      const double y = b_ * (2.0 * rng.uniform() - 1.0);
      const double inverse_distance = 1.0 / std::sqrt(x * x + y * y + d_ * d_);
      const double cos_theta = d_ * inverse_distance;
      if (rng.uniform() < cos_theta * cos_theta * cos_theta) {
        p.u = {x * inverse_distance, y * inverse_distance, cos_theta};
        return p;
      }
    }
  }
  // Uniform per solid angle means a density on the field plane proportional
  // to d / (x^2 + y^2 + d^2)^(3/2). Its marginal in x has the cumulative
  // atan(b x / (d sqrt(x^2 + b^2 + d^2))) (the solid angle of the strip up to
  // x), and y given x, with r^2 = x^2 + d^2, one proportional to
  // t = y / sqrt(y^2 + r^2): both invert in closed form, so no photon is ever
  // rejected. t is also the direction's y component, and the other two are
  // x and d over the distance r / sqrt(1 - t^2). Rounding near the edges of a
  // very wide field is clamped back onto the field. (The scaled sizes are at
  // most 1/2: the squares neither overflow nor underflow harmfully.)
  const double theta = theta_a_ * (2.0 * rng.uniform() - 1.0);
  const double s = std::tan(theta) * d_ / b_;  // x / sqrt(x^2 + c^2), |s| < 1
  const double x = std::clamp(s * c_ / std::sqrt((1.0 - s) * (1.0 + s)), -a_, a_);
  const double r2 = x * x + d_ * d_;
  const double t = (b_ / std::sqrt(r2 + b_ * b_)) * (2.0 * rng.uniform() - 1.0);
  const double q = std::sqrt((1.0 - t) * (1.0 + t) / r2);
  p.u = {x * q, t, d_ * q};
  return p;
}

double PointSourceField::solid_angle() const
{
  // Four quarters, each the solid angle of a rectangle seen from above its corner.
  return 4.0 * theta_a_;
}

}  // namespace vorn::mc
