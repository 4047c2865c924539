// Photons leaving through a small patch of a phantom's surface.
#pragma once

#include <memory>
#include <vector>

#include "physics/mc/tally.h"

namespace vorn::mc {

/// Scores photons that leave the phantom within `radius` of a surface point
/// (the entrance point of the central beam on a curved surface), per scoring
/// medium: weight x E x mu_en/rho(E) / |cos|, with cos against the local
/// outward surface normal and the half-cosine substitution below the cut-off
/// (see RingExitTally). Divided by the patch area, this is the backscattered
/// fluence-weighted kerma at that point. For a radius small against the
/// surface's radii of curvature the patch area is pi radius^2.
class EntrancePatchTally : public ScoringTally<EntrancePatchTally> {
public:
  // Throws std::invalid_argument on a non-positive radius, a cut-off outside
  // (0, 1) or no scoring medium.
  EntrancePatchTally(const Vec3& centre, double radius, std::vector<std::shared_ptr<const EnergyAbsorption>> scoring,
                     double cosine_cutoff = 0.05);

  void check(const World& world) const override;
  void on_exit(const Photon& p, int from_region, const World& world) override;

  // Per primary photon, scoring medium m in the order given.
  Estimate score(std::size_t medium) const { return scores_.estimate(medium); }
  double area() const;

private:
  Vec3 centre_;
  double radius_;
  std::vector<std::shared_ptr<const EnergyAbsorption>> scoring_;
  double cosine_cutoff_;
};

}  // namespace vorn::mc
