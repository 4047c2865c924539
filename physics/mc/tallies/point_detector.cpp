#include "physics/mc/tallies/point_detector.h"

#include <cmath>
#include <stdexcept>

#include "physics/mc/constants.h"
#include "physics/mc/interactions.h"
#include "physics/mc/transport.h"

namespace vorn::mc {

PointDetectorTally::PointDetectorTally(const Vec3& point, std::shared_ptr<const EnergyAbsorption> scoring)
    : ScoringTally(kCollision), point_(point), scoring_(std::move(scoring))
{
  if (!scoring_) throw std::invalid_argument("PointDetectorTally: needs a scoring medium");
  scores_ = BatchScores(2);
}

void PointDetectorTally::contribute(const Photon& p, const World& world, const Vec3& toward, double R, double chance,
                                    double E_out)
{
  if (!(chance > 0.0) || E_out < kCutoff_keV) return;
  const GridPoint g = world.medium_of(p.region).grid().locate(E_out);
  const double tau = OpticalDepth(world, p.r, toward, p.region, R, g);
  const double fluence = p.weight * chance * std::exp(-tau) / (R * R);
  scores_.add(0, fluence * E_out * scoring_->mu_en_rho(g));
  scores_.add(1, fluence);
}

void PointDetectorTally::on_collision(const Photon& p, const World& world)
{
  const Vec3 d = point_ - p.r;
  const double R = norm(d);
  if (!(R > 1e-6)) return;
  const Vec3 toward = (1.0 / R) * d;
  const double mu = dot(p.u, toward);
  const Medium& m = world.medium_of(p.region);
  const double p_photo = m.p_photo(p.g);
  const double p_photo_coh = m.p_photo_coh(p.g);
  contribute(p, world, toward, R, (p_photo_coh - p_photo) * m.CoherentDensity(p.E_keV, p.g, mu), p.E_keV);
  contribute(p, world, toward, R, (1.0 - p_photo_coh) * m.IncoherentDensity(p.E_keV, p.g, mu),
             ComptonEnergy(p.E_keV, mu));
  if (m.has_fluorescence())
    for (const Medium::LineChance& line : m.FluorescenceChances(p.g))
      contribute(p, world, toward, R, p_photo * line.probability / (4.0 * kPi), line.E_keV);
}

}  // namespace vorn::mc
