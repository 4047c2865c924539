#include "physics/mc/tallies/shell_kerma.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorn::mc {

ShellKermaTally::ShellKermaTally(const Options& options) : ScoringTally(kTrack), options_(options)
{
  if (!(options.slab_thickness > 0.0 && options.ring_width > 0.0) || options.slabs <= 0 || options.rings <= 0)
    throw std::invalid_argument("ShellKermaTally: slab and ring sizes and counts must be above 0");
  const std::size_t bins = static_cast<std::size_t>(options.slabs) * static_cast<std::size_t>(options.rings);
  for (const auto& w : options.summary_weights)
    if (w.size() != bins) throw std::invalid_argument("ShellKermaTally: summary weights need one value per bin");
  scores_ = BatchScores(bins + options.summary_weights.size());
  crossings_.reserve(512);
}

void ShellKermaTally::score(int m, int j, double energy)
{
  if (m < 0 || m >= options_.rings || j < 0 || j >= options_.slabs) return;
  const std::size_t bin = static_cast<std::size_t>(j) * static_cast<std::size_t>(options_.rings) + m;
  scores_.add(bin, energy);
  const std::size_t bins = static_cast<std::size_t>(options_.slabs) * static_cast<std::size_t>(options_.rings);
  for (std::size_t k = 0; k < options_.summary_weights.size(); ++k)
    scores_.add(bins + k, energy * options_.summary_weights[k][bin]);
}

void ShellKermaTally::on_track(const Photon& p, double d, const World& world)
{
  if (!p.scattered() || !(d > 0.0)) return;
  const double dz = options_.slab_thickness, dr = options_.ring_width;
  const double z_bottom = options_.z_top + dz * options_.slabs;
  const double r_max = dr * options_.rings;
  const Vec3& r = p.r;
  const Vec3& u = p.u;
  const double z_end = r.z + d * u.z;
  if (std::max(r.z, z_end) <= options_.z_top || std::min(r.z, z_end) >= z_bottom) return;

  const double kerma_per_cm = p.weight * p.E_keV * world.medium_of(p.region).mu_en(p.g);

  // Where the flight crosses slab faces and ring cylinders, in increasing t.
  crossings_.clear();
  crossings_.push_back(0.0);
  if (u.z != 0.0) {
    const double first = (r.z - options_.z_top) / dz, last = (z_end - options_.z_top) / dz;
    const double lo = std::max(0.0, std::ceil(std::min(first, last)));
    const double hi = std::min(static_cast<double>(options_.slabs), std::floor(std::max(first, last)));
    // Faces in the order the photon meets them.
    const double step = u.z > 0.0 ? 1.0 : -1.0;
    for (double k = u.z > 0.0 ? lo : hi; k >= lo && k <= hi; k += step) {
      const double t = (options_.z_top + k * dz - r.z) / u.z;
      if (t > 0.0 && t < d) crossings_.push_back(t);
    }
  }
  const double a = u.x * u.x + u.y * u.y;
  const std::size_t z_count = crossings_.size();
  if (a > 1e-300) {
    // rho^2(t) = a t^2 + 2 b t + c falls until t* = -b/a and rises after it.
    const double b = r.x * u.x + r.y * u.y;
    const double c = r.x * r.x + r.y * r.y;
    const double t_star = -b / a;
    const double rho_start = std::sqrt(c);
    const double rho_end = std::sqrt(std::max(0.0, a * d * d + 2.0 * b * d + c));
    const double t_low = std::clamp(t_star, 0.0, d);
    const double rho_low = std::sqrt(std::max(0.0, a * t_low * t_low + 2.0 * b * t_low + c));
    auto add_root = [&](double R, double sign) {
      const double disc = b * b - a * (c - R * R);
      if (disc < 0.0) return;
      const double t = (-b + sign * std::sqrt(disc)) / a;
      if (t > 0.0 && t < d) crossings_.push_back(t);
    };
    // Inward: cylinders between rho_low and rho_start, outermost first.
    const double k_in_hi = std::min(std::floor(rho_start / dr), static_cast<double>(options_.rings));
    for (double k = k_in_hi; k * dr > rho_low && k >= 1.0; k -= 1.0) add_root(k * dr, -1.0);
    // Outward: cylinders between rho_low and rho_end, innermost first.
    const double k_out_hi = std::min(std::floor(rho_end / dr), static_cast<double>(options_.rings));
    for (double k = std::floor(rho_low / dr) + 1.0; k <= k_out_hi; k += 1.0) add_root(k * dr, 1.0);
  }
  crossings_.push_back(d);
  // Both runs are sorted already; merging them keeps the order.
  std::inplace_merge(crossings_.begin() + 1, crossings_.begin() + static_cast<std::ptrdiff_t>(z_count),
                     crossings_.end() - 1);

  for (std::size_t i = 0; i + 1 < crossings_.size(); ++i) {
    const double t0 = crossings_[i], t1 = crossings_[i + 1];
    if (!(t1 > t0)) continue;
    // The bin of a piece is that of its middle, away from either boundary.
    const double t_mid = 0.5 * (t0 + t1);
    const Vec3 mid = advance(r, u, t_mid);
    const double zrel = (mid.z - options_.z_top) / dz;
    const double rho = std::hypot(mid.x, mid.y);
    if (zrel < 0.0 || rho >= r_max) continue;
    score(static_cast<int>(rho / dr), static_cast<int>(zrel), kerma_per_cm * (t1 - t0));
  }
}

Estimate ShellKermaTally::bin(int m, int j) const
{
  return scores_.estimate(static_cast<std::size_t>(j) * static_cast<std::size_t>(options_.rings) + m);
}

Estimate ShellKermaTally::summary(std::size_t s) const
{
  return scores_.estimate(static_cast<std::size_t>(options_.slabs) * static_cast<std::size_t>(options_.rings) + s);
}

}  // namespace vorn::mc
