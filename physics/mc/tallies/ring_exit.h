// Photons leaving a plane surface, binned by their distance from the beam axis.
#pragma once

#include <memory>
#include <vector>

#include "physics/mc/tally.h"

namespace vorn::mc {

/// Scores every photon that leaves through the plane z = z_plane towards -z
/// (the entrance surface of a phantom irradiated along +z), in rings of equal
/// width around the z axis. The score is the photon's contribution to the
/// fluence-weighted kerma of each scoring medium: weight x E x mu_en/rho(E)
/// / |cos|, where cos is taken against the surface normal.
///
/// Grazing exits: 1/|cos| has an infinite variance. Below the cosine cut-off
/// c the score uses c/2 instead (the half-cosine substitution): for exits
/// whose angular flux is smooth near grazing, the mean of 1/|cos| over
/// (0, c) weighted by the current is 2/c, so the mean stays right and the
/// variance stays bounded.
///
/// Optional summary weights: a weighted sum over the rings, scored history by
/// history, gives the uncertainty of a field-integrated value with the
/// correlations between rings included.
class RingExitTally : public ScoringTally<RingExitTally> {
public:
  struct Options {
    double z_plane = 0.0;
    double ring_width = 0.1;       // cm
    int rings = 300;
    double cosine_cutoff = 0.05;
    std::vector<std::vector<double>> summary_weights;  // each of `rings` weights
  };
  // Throws std::invalid_argument on a non-positive ring width or count, a
  // cut-off outside (0, 1), no scoring medium, or summary weights of the wrong size.
  RingExitTally(std::vector<std::shared_ptr<const EnergyAbsorption>> scoring, const Options& options);

  void check(const World& world) const override;
  void on_exit(const Photon& p, int from_region, const World& world) override;

  int rings() const { return options_.rings; }
  std::size_t media() const { return scoring_.size(); }
  // Per primary photon: medium m (in the order given), ring n (0-based).
  Estimate ring(std::size_t medium, int n) const;
  // Summary s of medium m.
  Estimate summary(std::size_t medium, std::size_t s) const;

private:
  std::vector<std::shared_ptr<const EnergyAbsorption>> scoring_;
  Options options_;
};

}  // namespace vorn::mc
