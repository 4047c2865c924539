// Positions [cm] and unit directions of the photon transport.
#pragma once

#include <cmath>

namespace vorn::mc {

struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

constexpr Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
constexpr double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double norm(const Vec3& a) { return std::sqrt(dot(a, a)); }

// r + d u: the point a distance d along the unit direction u.
constexpr Vec3 advance(const Vec3& r, const Vec3& u, double d) { return {r.x + d * u.x, r.y + d * u.y, r.z + d * u.z}; }

inline Vec3 normalized(const Vec3& a)
{
  const double n = norm(a);
  return {a.x / n, a.y / n, a.z / n};
}

// sqrt(max(0, x)): a square root where rounding may leave a tiny negative
// (written out, as std::fmax is a library call on the hot path).
inline double SqrtOfPositivePart(double x) { return std::sqrt(x > 0.0 ? x : 0.0); }

// The direction after scattering through the polar cosine mu and the azimuth
// phi (given by its cosine and sine) about the old direction u (unit). The
// branch near the z axis avoids the division by sqrt(1 - uz^2) where it loses
// all precision.
inline Vec3 rotate(const Vec3& u, double mu, double cos_phi, double sin_phi)
{
  const double sin_theta = SqrtOfPositivePart(1.0 - mu * mu);
  const double a = SqrtOfPositivePart(1.0 - u.z * u.z);
  if (a < 1e-10) {
    const double sign = u.z >= 0.0 ? 1.0 : -1.0;
    return {sin_theta * cos_phi, sin_theta * sin_phi, sign * mu};
  }
  const double b = sin_theta / a;
  return {mu * u.x + b * (u.x * u.z * cos_phi - u.y * sin_phi),
          mu * u.y + b * (u.y * u.z * cos_phi + u.x * sin_phi),
          mu * u.z - b * a * a * cos_phi};
}

inline Vec3 rotate(const Vec3& u, double mu, double phi) { return rotate(u, mu, std::cos(phi), std::sin(phi)); }

}  // namespace vorn::mc
