// Photon histories per second: pencil beams in the body phantom (20 cm of
// ICRU-44 soft tissue), scored as the backscatter tables are (rings of the
// entrance surface, three scoring media), on one core and on all of them.
#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

#include "physics/interaction.h"
#include "physics/mc/layered_slab.h"
#include "physics/mc/tallies/ring_exit.h"
#include "physics/mc/transport.h"
#include "tests/mc/reference/reference_engine.h"

namespace {

using namespace vorn;

struct Setup {
  physics::Material soft = physics::IcruSoftTissue();
  physics::Material skin = physics::IcruSkin();
  physics::Material air = physics::NistMaterial("Air, Dry (near sea level)");
  std::shared_ptr<const mc::EnergyGrid> grid = mc::MakeEnergyGrid({soft, skin, air}, 151.0);
  std::shared_ptr<const mc::Medium> medium = std::make_shared<mc::Medium>(soft, grid);
  std::vector<std::shared_ptr<const mc::EnergyAbsorption>> scoring{
      std::make_shared<mc::EnergyAbsorption>(soft, grid), std::make_shared<mc::EnergyAbsorption>(air, grid),
      std::make_shared<mc::EnergyAbsorption>(skin, grid)};

  static const Setup& get()
  {
    static const Setup s;
    return s;
  }
};

void BM_BodyPhantomPencilBeam(benchmark::State& state)
{
  const Setup& s = Setup::get();
  const double E = static_cast<double>(state.range(0));
  const int threads = state.range(1) == 0 ? static_cast<int>(std::thread::hardware_concurrency())
                                          : static_cast<int>(state.range(1));
  const std::uint64_t batches = 64, per_batch = 4000;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    mc::Problem p;
    p.geometry = std::make_shared<mc::LayeredSlab>(std::vector<double>{0.0, 20.0});
    p.media = {s.medium};
    p.source = std::make_shared<mc::PencilBeam>(mc::Vec3{0, 0, -1}, mc::Vec3{0, 0, 1}, E);
    p.tallies = {std::make_shared<mc::RingExitTally>(s.scoring, mc::RingExitTally::Options{})};
    const mc::RunSummary summary = mc::RunTransport(p, {.seed = seed++, .batches = batches,
                                                        .histories_per_batch = per_batch, .threads = threads});
    benchmark::DoNotOptimize(summary.histories);
  }
  state.counters["threads"] = threads;
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * batches * per_batch));
}

// The same on one thread with the engine as it was before its samplers and
// random numbers were made faster (tests/mc/reference): old and new in one
// binary, for a fair comparison on a busy machine run them interleaved,
// repeated and pinned to one core, e.g.
//   taskset -c 2 bench_mc --benchmark_filter='/1/|Before' --benchmark_repetitions=10
//     --benchmark_enable_random_interleaving=true
// The reference shares the geometry, tallies, energy lookup and source with
// the current engine, so its rate is if anything above the old one.
void BM_BodyPhantomPencilBeamBefore(benchmark::State& state)
{
  const Setup& s = Setup::get();
  const double E = static_cast<double>(state.range(0));
  const std::uint64_t batches = 64, per_batch = 4000;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    mc::Problem p;
    p.geometry = std::make_shared<mc::LayeredSlab>(std::vector<double>{0.0, 20.0});
    p.media = {s.medium};
    p.source = std::make_shared<mc::PencilBeam>(mc::Vec3{0, 0, -1}, mc::Vec3{0, 0, 1}, E);
    p.tallies = {std::make_shared<mc::RingExitTally>(s.scoring, mc::RingExitTally::Options{})};
    mc::reference::RunOneThread(p, seed++, batches, per_batch);
  }
  state.counters["threads"] = 1;
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * batches * per_batch));
}

// Arguments: photon energy [keV], threads (0: every hardware thread).
BENCHMARK(BM_BodyPhantomPencilBeam)
    ->Args({50, 1})
    ->Args({100, 1})
    ->Args({50, 0})
    ->Args({100, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Argument: photon energy [keV].
BENCHMARK(BM_BodyPhantomPencilBeamBefore)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
