#include "physics/mc/tallies/energy_balance.h"

#include <algorithm>
#include <cmath>

namespace vorn::mc {

EnergyBalanceTally::EnergyBalanceTally() : ScoringTally(kSource | kDeposit | kEscape) { scores_ = BatchScores(3); }

void EnergyBalanceTally::add_batch(Tally& block, std::uint64_t histories)
{
  const BatchScores& b = static_cast<EnergyBalanceTally&>(block).scores_;
  const double emitted = b.open(0);
  if (emitted > 0.0) worst_ = std::max(worst_, std::abs(emitted - b.open(1) - b.open(2)) / emitted);
  ScoringTally::add_batch(block, histories);
}

}  // namespace vorn::mc
