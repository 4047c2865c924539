#include "physics/mc/tallies/entrance_patch.h"

#include <stdexcept>

#include "physics/mc/constants.h"

namespace vorn::mc {

EntrancePatchTally::EntrancePatchTally(const Vec3& centre, double radius,
                                       std::vector<std::shared_ptr<const EnergyAbsorption>> scoring,
                                       double cosine_cutoff)
    : ScoringTally(kExit), centre_(centre), radius_(radius), scoring_(std::move(scoring)), cosine_cutoff_(cosine_cutoff)
{
  if (!(radius > 0.0)) throw std::invalid_argument("EntrancePatchTally: radius must be above 0");
  if (!(cosine_cutoff > 0.0 && cosine_cutoff < 1.0))
    throw std::invalid_argument("EntrancePatchTally: the cosine cut-off must lie in (0, 1)");
  if (scoring_.empty()) throw std::invalid_argument("EntrancePatchTally: needs at least one scoring medium");
  scores_ = BatchScores(scoring_.size());
}

double EntrancePatchTally::area() const { return kPi * radius_ * radius_; }

void EntrancePatchTally::check(const World& world) const
{
  for (const auto& s : scoring_) CheckScoringGrid(*s, world);
}

void EntrancePatchTally::on_exit(const Photon& p, int from_region, const World& world)
{
  const Vec3 offset = p.r - centre_;
  if (dot(offset, offset) > radius_ * radius_) return;
  const double c = std::abs(dot(p.u, world.geometry.surface_normal(p.r, from_region)));
  const double inv_cos = c < cosine_cutoff_ ? 2.0 / cosine_cutoff_ : 1.0 / c;
  for (std::size_t m = 0; m < scoring_.size(); ++m)
    scores_.add(m, p.weight * p.E_keV * scoring_[m]->mu_en_rho(p.g) * inv_cos);
}

}  // namespace vorn::mc
