// Racetrack prism: a body section with a flat top and rounded shoulders.
#pragma once

#include "physics/mc/shapes/shape.h"

namespace vorn::mc {

/// Cross-section in the y-z plane (z is depth, the beam enters at the origin):
/// a flat top of width a at z = 0, quarter-circle shoulders of radius b/2
/// (the rounded ends of a racetrack of end diameter b), vertical sides at
/// |y| = (a + b)/2 below the shoulders, down to the exit level z = thickness.
/// The prism runs along x, |x| <= length / 2.
/// Invariant: a >= 0; b, length and thickness above 0.
class RacetrackPrism : public ConvexShape {
public:
  RacetrackPrism(double a, double b, double length, double thickness);  // throws std::invalid_argument otherwise

  bool inside(const Vec3& r) const override;
  Chord chord(const Vec3& r, const Vec3& u) const override;
  Vec3 normal(const Vec3& r) const override;
  double safety(const Vec3& r) const override;
  double distance_to_exit(const Vec3& r, const Vec3& u) const override;
  double distance_to_entry(const Vec3& r, const Vec3& u) const override;

  double a() const { return a_; }
  double b() const { return b_; }
  double length() const { return length_; }
  double thickness() const { return thickness_; }

private:
  // Inside the cross-section.
  bool in_profile(double y, double z) const;

  double a_;
  double b_;
  double length_;
  double thickness_;
};

}  // namespace vorn::mc
