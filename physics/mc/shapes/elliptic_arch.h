// A body whose upper half is an elliptic (or circular) cylinder: the torso or
// limb of a patient lying under the beam, seen in cross-section as a half
// ellipse over straight sides.
#pragma once

#include "physics/mc/shapes/shape.h"

namespace vorn::mc {

/// Cross-section in the y-z plane (z is depth, the beam enters at the origin):
/// the upper half of the ellipse with centre (0, v), semi-axis h along y and
/// v along z, whose top touches the origin; below the centre, vertical sides
/// at |y| = h; everything cut at the exit level z = thickness (which may lie
/// above the centre). The prism runs along x, |x| <= length / 2. With h = v
/// it is the upper half of a circular cylinder of radius h on its sides.
/// Invariant: h, v, length and thickness above 0.
class EllipticArchPrism : public ConvexShape {
public:
  EllipticArchPrism(double h, double v, double length, double thickness);  // throws std::invalid_argument otherwise

  bool inside(const Vec3& r) const override;
  Chord chord(const Vec3& r, const Vec3& u) const override;
  Vec3 normal(const Vec3& r) const override;
  double safety(const Vec3& r) const override;
  double distance_to_exit(const Vec3& r, const Vec3& u) const override;
  double distance_to_entry(const Vec3& r, const Vec3& u) const override;

  double h() const { return h_; }
  double v() const { return v_; }
  double length() const { return length_; }
  double thickness() const { return thickness_; }
  // Radius of curvature of the cross-section at the entrance point, h^2 / v.
  double top_curvature_radius() const { return h_ * h_ / v_; }

private:
  double h_;
  double v_;
  double length_;
  double thickness_;
  double inv_h_;  // 1 / h and 1 / v: every step scales by them
  double inv_v_;
};

}  // namespace vorn::mc
