#include "physics/mc/energy_grid.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace vorn::mc {

EnergyGrid::EnergyGrid(double E_min_keV, double E_max_keV, int points_per_decade, const std::vector<double>& edges_keV)
{
  if (!(E_min_keV > 0.0) || !(E_max_keV > E_min_keV) || points_per_decade < 2)
    throw std::invalid_argument("EnergyGrid: needs 0 < E_min < E_max and at least 2 points per decade");
  const double decades = std::log10(E_max_keV / E_min_keV);
  const int n = std::max(2, static_cast<int>(std::ceil(decades * points_per_decade)) + 1);
  const double step = std::log(E_max_keV / E_min_keV) / (n - 1);
  std::vector<double> inside_edges;
  for (const double edge : edges_keV)
    if (edge * (1.0 - kEdgeOffset) > E_min_keV && edge * (1.0 + kEdgeOffset) < E_max_keV) inside_edges.push_back(edge);
  std::vector<double> kept;
  kept.reserve(static_cast<std::size_t>(n) + 2 * inside_edges.size());
  for (int k = 0; k < n; ++k) {
    const double e = (k == 0) ? E_min_keV : (k == n - 1) ? E_max_keV : E_min_keV * std::exp(step * k);
    // A log point right beside an edge would leave an interval of almost no
    // width next to the edge pair; the edge points take its place.
    const bool near_edge = std::any_of(inside_edges.begin(), inside_edges.end(),
                                       [&](double edge) { return std::abs(e - edge) < 1e-4 * edge; });
    if (!near_edge || k == 0 || k == n - 1) kept.push_back(e);
  }
  for (const double edge : inside_edges) {
    kept.push_back(edge * (1.0 - kEdgeOffset));
    kept.push_back(edge * (1.0 + kEdgeOffset));
  }
  std::sort(kept.begin(), kept.end());
  kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
  E_ = std::move(kept);

  inv_width_.resize(E_.size() - 1);
  for (std::size_t i = 0; i + 1 < E_.size(); ++i) inv_width_[i] = 1.0 / (E_[i + 1] - E_[i]);

  // A bucket spans at most 2^-m of its energy, m mantissa bits: half the
  // relative spacing of the log points or less.
  const double spacing = std::expm1(std::log(10.0) / points_per_decade);
  const int m = std::clamp(static_cast<int>(std::ceil(std::log2(2.0 / spacing))), 1, 20);
  bucket_shift_ = 52 - m;
  bits_min_ = std::bit_cast<std::uint64_t>(E_.front());
  const std::size_t n_buckets = ((std::bit_cast<std::uint64_t>(E_.back()) - bits_min_) >> bucket_shift_) + 1;
  bucket_first_.resize(n_buckets);
  std::size_t i = 0;
  for (std::size_t b = 0; b < n_buckets; ++b) {
    const double lowest = std::bit_cast<double>(bits_min_ + (static_cast<std::uint64_t>(b) << bucket_shift_));
    while (i + 2 < E_.size() && E_[i + 1] <= lowest) ++i;
    bucket_first_[b] = i;
  }
}

GridPoint EnergyGrid::locate(double E_keV) const
{
  std::size_t b = 0;
  if (E_keV > E_.front())
    b = std::min<std::size_t>((std::bit_cast<std::uint64_t>(E_keV) - bits_min_) >> bucket_shift_,
                              bucket_first_.size() - 1);
  std::size_t i = bucket_first_[b];
  while (i + 2 < E_.size() && E_[i + 1] <= E_keV) ++i;
  const double f = (E_keV - E_[i]) * inv_width_[i];
  return {i, f};
}

}  // namespace vorn::mc
