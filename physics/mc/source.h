// Photon sources.
#pragma once

#include "physics/mc/photon.h"
#include "physics/mc/rng.h"

namespace vorn::mc {

class Source {
public:
  virtual ~Source() = default;
  // A new primary photon: position, direction, energy and weight (the
  // transport fills in the grid point and region).
  virtual Photon emit(Rng& rng) const = 0;
};

/// A monoenergetic pencil beam.
/// Invariant: E above 0, direction of unit length (normalised at construction).
class PencilBeam : public Source {
public:
  PencilBeam(const Vec3& origin, const Vec3& direction, double E_keV);  // throws std::invalid_argument
  Photon emit(Rng& rng) const override;

private:
  Vec3 origin_;
  Vec3 direction_;
  double E_keV_;
};

/// A point focus at the origin radiating towards +z, uniformly per solid
/// angle, into a rectangular field of width_x by width_y at the distance
/// field_distance (the field is defined there, as on a tube's collimator).
/// A field whose corners are seen at cos^3 >= 1/2 (the usual, narrow one) is
/// sampled by rejection from the field plane, which keeps at least half the
/// points and costs least; a wider one by inverting the distribution in
/// closed form, exactly two random numbers a photon however wide it is.
/// Invariant: all sizes and E finite and above 0; the field's sides and
/// distance within a factor of about 1e300 of each other.
class PointSourceField : public Source {
public:
  PointSourceField(double width_x, double width_y, double field_distance, double E_keV);  // throws std::invalid_argument
  Photon emit(Rng& rng) const override;
  // Solid angle of the field [sr].
  double solid_angle() const;

private:
  // Half sides and distance divided by the largest of the three: the
  // directions depend only on their ratios, and the scaled ones neither
  // overflow nor lose the small ones.
  double a_;
  double b_;
  double d_;
  double c_;        // sqrt(b^2 + d^2)
  double theta_a_;  // the x marginal's cumulative at the field's edge (a quarter of the solid angle)
  bool by_rejection_;
  double E_keV_;
};

}  // namespace vorn::mc
