#include "physics/mc/shapes/elliptic_arch.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "physics/mc/shapes/box.h"
#include "physics/mc/shapes/elliptic_cylinder.h"

namespace vorn::mc {

EllipticArchPrism::EllipticArchPrism(double h, double v, double length, double thickness)
    : h_(h), v_(v), length_(length), thickness_(thickness), inv_h_(1.0 / h), inv_v_(1.0 / v)
{
  if (!(h > 0.0 && v > 0.0 && length > 0.0 && thickness > 0.0))
    throw std::invalid_argument("EllipticArchPrism: semi-axes, length and thickness must be above 0");
}

bool EllipticArchPrism::inside(const Vec3& r) const
{
  if (std::abs(r.x) > 0.5 * length_ || r.z < 0.0 || r.z > thickness_ || std::abs(r.y) > h_) return false;
  if (r.z >= v_) return true;
  const double y = r.y / h_, z = (r.z - v_) / v_;
  return y * y + z * z <= 1.0;
}

Chord EllipticArchPrism::chord(const Vec3& r, const Vec3& u) const
{
  // The cross-section is the whole ellipse joined to the strip |y| <= h
  // below its centre. Both are convex and so is their union, so the line
  // meets the union in one interval: the hull of the two chords.
  Chord ellipse{kInfinity, -kInfinity};
  const double y = r.y * inv_h_, z = (r.z - v_) * inv_v_;
  const double uy = u.y * inv_h_, uz = u.z * inv_v_;
  const double a = uy * uy + uz * uz;
  const double c = y * y + z * z - 1.0;
  if (a == 0.0) {
    if (c <= 0.0) ellipse = {-kInfinity, kInfinity};
  } else {
    ellipse = QuadraticRoots(a, y * uy + z * uz, c);
  }
  Chord strip{-kInfinity, kInfinity};
  ClipToInterval(r.y, u.y, -h_, h_, strip);
  ClipToInterval(r.z, u.z, v_, kInfinity, strip);

  Chord hull = ellipse;
  if (ellipse.empty()) {
    hull = strip;
  } else if (!strip.empty()) {
    hull = {std::min(ellipse.t_in, strip.t_in), std::max(ellipse.t_out, strip.t_out)};
  }
  if (hull.empty()) return {kInfinity, -kInfinity};
  ClipToInterval(r.z, u.z, 0.0, thickness_, hull);
  ClipToInterval(r.x, u.x, -0.5 * length_, 0.5 * length_, hull);
  return hull;
}

Vec3 EllipticArchPrism::normal(const Vec3& r) const
{
  // The face nearest to r, as for the racetrack.
  struct Candidate {
    double distance;
    Vec3 n;
  };
  Candidate best{std::abs(0.5 * length_ - std::abs(r.x)), {r.x >= 0.0 ? 1.0 : -1.0, 0.0, 0.0}};
  auto consider = [&](double d, const Vec3& n) {
    if (d < best.distance) best = {d, n};
  };
  consider(std::abs(thickness_ - r.z), {0.0, 0.0, 1.0});
  if (r.z >= v_) {
    consider(std::abs(h_ - std::abs(r.y)), {0.0, r.y >= 0.0 ? 1.0 : -1.0, 0.0});
  } else {
    const double y = r.y / h_, z = (r.z - v_) / v_;
    // Distance to the curve, roughly: the residual times the smaller semi-axis.
    const double d = std::abs(std::sqrt(y * y + z * z) - 1.0) * std::min(h_, v_);
    consider(d, normalized(Vec3{0.0, y / h_, z / v_}));
  }
  return best.n;
}

double EllipticArchPrism::distance_to_exit(const Vec3& r, const Vec3& u) const
{
  // The body is the intersection of the slab between the ends, the strip
  // |y| <= h, the slab 0 <= z <= thickness and the region above the lower
  // half ellipse (which is convex). From inside, the ray leaves where it
  // first leaves one of them: it leaves the last one where it leaves the
  // ellipse through its lower half.
  double t = NearerPlane(kInfinity, r.x, u.x, -0.5 * length_, 0.5 * length_);
  t = NearerPlane(t, r.y, u.y, -h_, h_);
  t = NearerPlane(t, r.z, u.z, 0.0, thickness_);
  const double y = r.y * inv_h_, z = (r.z - v_) * inv_v_;
  const double uy = u.y * inv_h_, uz = u.z * inv_v_;
  const Chord ellipse = QuadraticRoots(uy * uy + uz * uz, y * uy + z * uz, y * y + z * z - 1.0);
  if (!ellipse.empty() && r.z + ellipse.t_out * u.z <= v_) t = std::min(t, ellipse.t_out);
  return t > 0.0 ? t : 0.0;
}

double EllipticArchPrism::distance_to_entry(const Vec3& r, const Vec3& u) const
{
  // Most photons come from the focus above and enter through the curved top:
  // where a ray from above meets the ellipse's upper half, well inside the
  // ends and the exit level (the margin keeps the chord from being a sliver),
  // it enters the body.
  constexpr double kMargin_cm = 1e-6;
  if (r.z < 0.0) {
    const double y = r.y * inv_h_, z = (r.z - v_) * inv_v_;
    const double uy = u.y * inv_h_, uz = u.z * inv_v_;
    const Chord e = QuadraticRoots(uy * uy + uz * uz, y * uy + z * uz, y * y + z * z - 1.0);
    if (!e.empty() && e.t_in > 0.0 && e.t_out - e.t_in > kMargin_cm) {
      const double z_in = r.z + e.t_in * u.z;
      if (z_in <= v_ && z_in < thickness_ - kMargin_cm && std::abs(r.x + e.t_in * u.x) < 0.5 * length_ - kMargin_cm)
        return e.t_in;
    }
  }
  return ConvexShape::distance_to_entry(r, u);
}

double EllipticArchPrism::safety(const Vec3& r) const
{
  // The surface lies on the planes and on the whole ellipse. A point on the
  // ellipse scaled by s about its centre is at least |s - 1| times the
  // ellipse's inner radius min(h, v) from it (the ellipse is convex and holds
  // that disc); the curved part lies below the centre, z <= v.
  const double y = r.y * inv_h_, z = (r.z - v_) * inv_v_;
  double curve = std::abs(std::sqrt(y * y + z * z) - 1.0) * std::min(h_, v_);
  curve = std::max(curve, r.z - v_);
  return std::min({curve, r.z, thickness_ - r.z, h_ - std::abs(r.y), 0.5 * length_ - std::abs(r.x)});
}

}  // namespace vorn::mc
