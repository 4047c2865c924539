#include "physics/mc/shapes/elliptic_cylinder.h"

#include <cmath>
#include <stdexcept>

#include "physics/mc/shapes/box.h"

namespace vorn::mc {

EllipticCylinder::EllipticCylinder(double h, double v, double length) : h_(h), v_(v), length_(length)
{
  if (!(h > 0.0 && v > 0.0 && length > 0.0))
    throw std::invalid_argument("EllipticCylinder: semi-axes and length must be above 0");
}

bool EllipticCylinder::inside(const Vec3& r) const
{
  const double y = r.y / h_;
  const double z = (r.z - v_) / v_;
  return y * y + z * z <= 1.0 && std::abs(r.x) <= 0.5 * length_;
}

Chord EllipticCylinder::chord(const Vec3& r, const Vec3& u) const
{
  // In coordinates scaled to the unit circle the surface is a quadric in t.
  const double y = r.y / h_, z = (r.z - v_) / v_;
  const double uy = u.y / h_, uz = u.z / v_;
  const double a = uy * uy + uz * uz;
  const double c_coeff = y * y + z * z - 1.0;
  Chord c{-kInfinity, kInfinity};
  if (a == 0.0) {
    if (c_coeff > 0.0) return {kInfinity, -kInfinity};
  } else {
    c = QuadraticRoots(a, y * uy + z * uz, c_coeff);
    if (c.empty()) return c;
  }
  ClipToInterval(r.x, u.x, -0.5 * length_, 0.5 * length_, c);
  return c;
}

Vec3 EllipticCylinder::normal(const Vec3& r) const
{
  const double y = r.y / h_, z = (r.z - v_) / v_;
  // Distance to the curved surface, roughly: the residual times the smaller semi-axis.
  const double curved = std::abs(std::sqrt(y * y + z * z) - 1.0) * std::min(h_, v_);
  const double cap = std::abs(0.5 * length_ - std::abs(r.x));
  if (cap < curved) return {r.x >= 0.0 ? 1.0 : -1.0, 0.0, 0.0};
  return normalized(Vec3{0.0, y / h_, z / v_});
}

}  // namespace vorn::mc
