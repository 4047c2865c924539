// Where the energy of the primary photons ends up.
#pragma once

#include "physics/mc/tally.h"

namespace vorn::mc {

/// Energy emitted by the source, deposited in the regions and carried away by
/// escaping photons, per primary photon; and the largest relative imbalance
/// of any single batch (emitted - deposited - escaped, against emitted).
class EnergyBalanceTally : public ScoringTally<EnergyBalanceTally> {
public:
  EnergyBalanceTally();

  void on_source(const Photon& p, const World&) override { scores_.add(0, p.weight * p.E_keV); }
  void on_deposit(const Photon& p, double E_keV, const World&) override { scores_.add(1, p.weight * E_keV); }
  void on_escape(const Photon& p, const World&) override { scores_.add(2, p.weight * p.E_keV); }
  void add_batch(Tally& block, std::uint64_t histories) override;

  Estimate emitted() const { return scores_.estimate(0); }
  Estimate deposited() const { return scores_.estimate(1); }
  Estimate escaped() const { return scores_.estimate(2); }
  double worst_batch_imbalance() const { return worst_; }

private:
  double worst_ = 0.0;
};

}  // namespace vorn::mc
