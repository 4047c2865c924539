// Incoherent scattering sampled from tables built once per medium.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "physics/mc/constants.h"
#include "physics/mc/energy_grid.h"
#include "physics/mc/interactions.h"
#include "physics/mc/rng.h"
#include "physics/mc/scattering_tables.h"

namespace vorn::mc {

/// The density of SampleIncoherent, Klein-Nishina times S(x)/S(infinity),
/// drawn exactly and with few rejections. For each interval of a log energy
/// grid of kPointsPerDecade (coarse, so that the tables stay in the cache)
/// the cosine range is cut into kBins bins, uniform in sin(theta / 2)
/// (narrow forward, where S rises), and each bin carries a bound of the
/// density over the bin and over all energies of the interval: Klein-Nishina
/// falls with the energy at every angle and has a single minimum in the
/// cosine, so its largest value is at an end of the bin at the interval's
/// lower energy; S is bounded by the largest value of its piecewise-linear
/// table over the bin's momentum transfers at either energy. A bin is drawn
/// in proportion to bound x width (an alias table), the cosine uniformly in
/// it, and kept with density / bound: the kept cosines follow the density,
/// whatever the bins (most are kept).
/// Invariant: E_max below 1 MeV and S tabulated to at least the largest
/// momentum transfer at E_max.
class IncoherentSampler {
public:
  static constexpr int kBins = 64;
  static constexpr int kPointsPerDecade = 50;

  // For energies from E_min to E_max [keV]. Throws std::invalid_argument
  // when the invariant does not hold.
  IncoherentSampler(double E_min_keV, double E_max_keV, const IncoherentFunctionTable& S);

  // Precondition: E_min <= E <= E_max.
  ScatterSample Sample(double E_keV, Rng& rng) const
  {
    const Bin* bins = &bins_[grid_.locate(E_keV).i * kBins];
    const double alpha = E_keV / kElectronRestEnergy_keV;
    const double k = E_keV / kHc_keV_Angstrom;
    while (true) {
      // One number picks the bin and decides between it and its alias.
      const double u = rng.uniform() * kBins;
      auto j = static_cast<std::size_t>(u);
      if (u - static_cast<double>(j) >= bins[j].keep) j = bins[j].alias;
      const double mu = mu_low_[j] + rng.uniform() * width_[j];
      const double one_minus_mu = 1.0 - mu;
      const double inverse_ratio = 1.0 + alpha * one_minus_mu;  // E / E'
      const double ratio = 1.0 / inverse_ratio;
      const double kn = 0.5 * ratio * ratio * (ratio + inverse_ratio - 1.0 + mu * mu);
      const double density = kn * S_(k * std::sqrt(0.5 * (one_minus_mu > 0.0 ? one_minus_mu : 0.0)));
      if (rng.uniform() * bins[j].bound < density) return {E_keV * ratio, mu};
    }
  }

private:
  struct Bin {
    double keep;          // alias table: keep this bin when the fraction is below
    double bound;         // bound of the density over the bin (this bin's, not the alias's)
    std::uint32_t alias;  // the other bin of this slot
  };

  const IncoherentFunctionTable& S_;
  EnergyGrid grid_;
  std::array<double, kBins> mu_low_{};
  std::array<double, kBins> width_{};
  std::vector<Bin> bins_;  // kBins per grid interval
};

}  // namespace vorn::mc
