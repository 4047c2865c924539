// Convex solids for the transport geometry.
#pragma once

#include "physics/mc/geometry.h"
#include "physics/mc/vec3.h"

namespace vorn::mc {

// The part of the line r + t u (t of either sign) inside a solid; empty when
// t_out <= t_in.
// Chords and distances below this length [cm] are rounding noise at a surface.
constexpr double kSurfaceTolerance = 1e-9;

struct Chord {
  double t_in;
  double t_out;
  bool empty() const { return !(t_out > t_in); }
};

/// A convex solid: a line meets it in one interval, which makes the distances
/// to entry and exit two ends of the same chord.
class ConvexShape {
public:
  virtual ~ConvexShape() = default;
  virtual bool inside(const Vec3& r) const = 0;
  virtual Chord chord(const Vec3& r, const Vec3& u) const = 0;
  // Outward unit normal at a point r on the surface.
  virtual Vec3 normal(const Vec3& r) const = 0;
  // From a point inside: a lower bound of the distance to the surface (0 when
  // no cheap bound is known; 0 or less for a point outside).
  virtual double safety(const Vec3& /*r*/) const { return 0.0; }

  // From a point inside (or on the surface): distance to where the ray
  // leaves; 0 when it is leaving already. A shape may answer it faster than
  // through the whole chord.
  virtual double distance_to_exit(const Vec3& r, const Vec3& u) const
  {
    const Chord c = chord(r, u);
    return (c.empty() || c.t_out < 0.0) ? 0.0 : c.t_out;
  }
  // From a point outside: distance to where the ray enters; kInfinity when it
  // misses. A chord shorter than kSurfaceTolerance counts as a miss, so a
  // photon that has just left through the surface never re-enters at once.
  virtual double distance_to_entry(const Vec3& r, const Vec3& u) const
  {
    const Chord c = chord(r, u);
    const double t_in = c.t_in > 0.0 ? c.t_in : 0.0;
    if (c.empty() || c.t_out - t_in <= kSurfaceTolerance) return kInfinity;
    return t_in;
  }
};

}  // namespace vorn::mc
