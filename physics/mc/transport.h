// The photon transport: one history at a time, and the multithreaded run.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "physics/mc/geometry.h"
#include "physics/mc/medium.h"
#include "physics/mc/rng.h"
#include "physics/mc/source.h"
#include "physics/mc/tally.h"

namespace vorn::mc {

/// Everything a run needs. The tallies receive the results.
/// Invariant (checked by RunTransport): one medium per region, all on one energy grid.
struct Problem {
  std::shared_ptr<const Geometry> geometry;
  std::vector<std::shared_ptr<const Medium>> media;  // by region
  std::shared_ptr<const Source> source;
  std::vector<std::shared_ptr<Tally>> tallies;
};

struct RunSettings {
  std::uint64_t seed = 1;
  std::uint64_t batches = 100;
  std::uint64_t histories_per_batch = 10000;
  int threads = 0;  // 0: every hardware thread
};

struct RunSummary {
  std::uint64_t histories = 0;
  int threads = 0;
  double seconds = 0.0;
};

// Runs batches x histories_per_batch histories; history h draws from the
// stream (seed, h), and each batch is one block of consecutive histories
// handed to whichever thread is free. The scores of each block are merged into
// the problem's tallies in block order, so the results are the same, bit for
// bit, for any number of threads. Throws std::invalid_argument for an
// inconsistent problem; an error inside a history is rethrown here.
RunSummary RunTransport(Problem& problem, const RunSettings& settings);

// The tallies of one block, listed per event they subscribe to.
class TallyHooks {
public:
  explicit TallyHooks(const std::vector<Tally*>& tallies);
  std::vector<Tally*> source, track, collision, exit, deposit, escape;
};

// Transports one primary photon and all it becomes, reporting to the tallies.
void TransportHistory(const Source& source, const World& world, Rng& rng, const TallyHooks& tallies);

// Optical depth along the straight path of length `distance` from r (in
// `region`) in direction u, at the energy of grid point g.
double OpticalDepth(const World& world, const Vec3& r, const Vec3& u, int region, double distance, GridPoint g);

}  // namespace vorn::mc
