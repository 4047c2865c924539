#include "physics/mc/incoherent_sampler.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorn::mc {

namespace {

// Rounding in the sampled cosine and in the density may lift the density a
// few units in the last place above a bound computed at the bin's ends.
constexpr double kBoundMargin = 1.0 + 1e-12;

}  // namespace

IncoherentSampler::IncoherentSampler(double E_min_keV, double E_max_keV, const IncoherentFunctionTable& S)
    : S_(S), grid_(E_min_keV, E_max_keV, kPointsPerDecade, {})
{
  const EnergyGrid& grid = grid_;
  if (grid.E_max() > 1000.0) throw std::invalid_argument("IncoherentSampler: the grid must end below 1 MeV");
  if (S.x_max() < grid.E_max() / kHc_keV_Angstrom)
    throw std::invalid_argument("IncoherentSampler: S(x) is not tabulated to the largest momentum transfer");

  // Bin j: t = sin(theta / 2) from j / kBins to (j + 1) / kBins, mu = 1 - 2 t^2.
  std::array<double, kBins + 1> t{}, mu{};
  for (int j = 0; j <= kBins; ++j) {
    t[j] = static_cast<double>(j) / kBins;
    mu[j] = 1.0 - 2.0 * t[j] * t[j];
  }
  for (int j = 0; j < kBins; ++j) {
    mu_low_[j] = mu[j + 1];
    width_[j] = mu[j] - mu[j + 1];
  }

  const std::size_t intervals = grid.size() - 1;
  bins_.resize(intervals * kBins);
  std::array<double, kBins> weight{};
  std::vector<std::size_t> small, large;
  for (std::size_t i = 0; i < intervals; ++i) {
    const double E_lo = grid[i], E_hi = grid[i + 1];
    const double k_lo = E_lo / kHc_keV_Angstrom, k_hi = E_hi / kHc_keV_Angstrom;
    Bin* bins = &bins_[i * kBins];
    double total = 0.0;
    for (int j = 0; j < kBins; ++j) {
      const double kn = std::max(KleinNishinaPerSolidAngle(E_lo, mu[j]), KleinNishinaPerSolidAngle(E_lo, mu[j + 1]));
      const double s = S.max_between(k_lo * t[j], k_hi * t[j + 1]);
      // A bin where S vanishes throughout keeps a tiny weight: never empty.
      bins[j].bound = std::max(kn * s, 1e-300) * kBoundMargin;
      weight[j] = bins[j].bound * width_[j];
      total += weight[j];
    }
    // Vose's alias method: every slot holds its own bin's share (scaled to
    // kBins slots) and the rest of the slot goes to one bin that has more.
    small.clear();
    large.clear();
    for (int j = 0; j < kBins; ++j) {
      weight[j] *= kBins / total;
      bins[j].alias = static_cast<std::uint32_t>(j);
      (weight[j] < 1.0 ? small : large).push_back(static_cast<std::size_t>(j));
    }
    while (!small.empty() && !large.empty()) {
      const std::size_t s = small.back(), l = large.back();
      small.pop_back();
      bins[s].keep = weight[s];
      bins[s].alias = static_cast<std::uint32_t>(l);
      weight[l] -= 1.0 - weight[s];
      if (weight[l] < 1.0) {
        large.pop_back();
        small.push_back(l);
      }
    }
    // What is left holds a share of one up to rounding.
    for (const std::size_t j : small) bins[j].keep = 1.0;
    for (const std::size_t j : large) bins[j].keep = 1.0;
  }
}

}  // namespace vorn::mc
