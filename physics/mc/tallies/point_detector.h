// Next-event estimator of the scattered kerma at a point.
#pragma once

#include <memory>

#include "physics/mc/tally.h"

namespace vorn::mc {

/// At every interaction, the expected contribution of the photons it sends
/// straight to the detector point: for each outcome (coherent, incoherent,
/// fluorescence) its probability, its angular density towards the point, the
/// attenuation along the way and 1/R^2, at the energy the photon would have
/// there. Bin 0 holds the kerma-weighted fluence (times E mu_en/rho of the
/// scoring medium) [keV cm2/g per cm2], bin 1 the plain fluence [1/cm2], both
/// per primary photon.
///
/// The estimator's variance grows without bound for interactions close to
/// the point; use it only with the point outside every scattering region
/// (then R is bounded from below).
class PointDetectorTally : public ScoringTally<PointDetectorTally> {
public:
  PointDetectorTally(const Vec3& point, std::shared_ptr<const EnergyAbsorption> scoring);

  void check(const World& world) const override { CheckScoringGrid(*scoring_, world); }
  void on_collision(const Photon& p, const World& world) override;

  Estimate kerma() const { return scores_.estimate(0); }
  Estimate fluence() const { return scores_.estimate(1); }

private:
  void contribute(const Photon& p, const World& world, const Vec3& toward, double R, double chance, double E_out);

  Vec3 point_;
  std::shared_ptr<const EnergyAbsorption> scoring_;
};

}  // namespace vorn::mc
