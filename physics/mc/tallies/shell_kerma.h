// Track-length kerma of scattered photons in cylindrical shells by slabs.
#pragma once

#include <vector>

#include "physics/mc/tally.h"

namespace vorn::mc {

/// Bins: ring m (rho between m and m + 1 ring widths from the z axis) by slab
/// j (z between z_top + j and z_top + j + 1 slab thicknesses). Every flight of
/// a photon that has interacted at least once scores weight x E x mu_en(E)
/// [1/cm, of the region's medium] x the length it runs inside each bin: the
/// energy that photon would hand to electrons there (kerma approximation).
/// Primary photons are left out: their dose is known in closed form.
class ShellKermaTally : public ScoringTally<ShellKermaTally> {
public:
  struct Options {
    double z_top = 0.0;
    double slab_thickness = 0.5;  // cm
    int slabs = 80;
    double ring_width = 0.5;  // cm
    int rings = 80;
    std::vector<std::vector<double>> summary_weights;  // each slabs x rings, index j * rings + m
  };
  // Throws std::invalid_argument on non-positive sizes or summary weights of the wrong size.
  explicit ShellKermaTally(const Options& options);

  void on_track(const Photon& p, double d, const World& world) override;

  // Energy per primary photon [keV] in ring m, slab j (0-based).
  Estimate bin(int m, int j) const;
  Estimate summary(std::size_t s) const;
  const Options& options() const { return options_; }

private:
  void score(int m, int j, double energy);

  Options options_;
  std::vector<double> crossings_;  // scratch: parameters t where the flight crosses a bin boundary
};

}  // namespace vorn::mc
