#include "physics/mc/tallies/ring_exit.h"

#include <cmath>
#include <stdexcept>

namespace vorn::mc {

RingExitTally::RingExitTally(std::vector<std::shared_ptr<const EnergyAbsorption>> scoring, const Options& options)
    : ScoringTally(kExit), scoring_(std::move(scoring)), options_(options)
{
  if (!(options.ring_width > 0.0) || options.rings <= 0)
    throw std::invalid_argument("RingExitTally: ring width and count must be above 0");
  if (!(options.cosine_cutoff > 0.0 && options.cosine_cutoff < 1.0))
    throw std::invalid_argument("RingExitTally: the cosine cut-off must lie in (0, 1)");
  if (scoring_.empty()) throw std::invalid_argument("RingExitTally: needs at least one scoring medium");
  for (const auto& w : options.summary_weights)
    if (w.size() != static_cast<std::size_t>(options.rings))
      throw std::invalid_argument("RingExitTally: summary weights need one value per ring");
  const std::size_t per_medium = static_cast<std::size_t>(options.rings) + options.summary_weights.size();
  scores_ = BatchScores(per_medium * scoring_.size());
}

void RingExitTally::check(const World& world) const
{
  for (const auto& s : scoring_) CheckScoringGrid(*s, world);
}

void RingExitTally::on_exit(const Photon& p, int, const World&)
{
  if (!(p.u.z < 0.0) || std::abs(p.r.z - options_.z_plane) > 1e-9) return;
  const double rho = std::sqrt(p.r.x * p.r.x + p.r.y * p.r.y);  // std::hypot guards an overflow no position has
  const double pos = rho / options_.ring_width;
  if (pos >= options_.rings) return;
  const auto n = static_cast<std::size_t>(pos);
  const double c = -p.u.z;
  const double inv_cos = c < options_.cosine_cutoff ? 2.0 / options_.cosine_cutoff : 1.0 / c;
  const std::size_t per_medium = static_cast<std::size_t>(options_.rings) + options_.summary_weights.size();
  for (std::size_t m = 0; m < scoring_.size(); ++m) {
    const double s = p.weight * p.E_keV * scoring_[m]->mu_en_rho(p.g) * inv_cos;
    const std::size_t base = m * per_medium;
    scores_.add(base + n, s);
    for (std::size_t k = 0; k < options_.summary_weights.size(); ++k)
      scores_.add(base + options_.rings + k, s * options_.summary_weights[k][n]);
  }
}

Estimate RingExitTally::ring(std::size_t medium, int n) const
{
  const std::size_t per_medium = static_cast<std::size_t>(options_.rings) + options_.summary_weights.size();
  return scores_.estimate(medium * per_medium + static_cast<std::size_t>(n));
}

Estimate RingExitTally::summary(std::size_t medium, std::size_t s) const
{
  const std::size_t per_medium = static_cast<std::size_t>(options_.rings) + options_.summary_weights.size();
  return scores_.estimate(medium * per_medium + static_cast<std::size_t>(options_.rings) + s);
}

}  // namespace vorn::mc
