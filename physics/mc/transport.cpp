#include "physics/mc/transport.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

#include "physics/mc/constants.h"
#include "physics/mc/interactions.h"

namespace vorn::mc {

namespace {

// A photon that crosses surfaces this often without moving is caught between
// surfaces by rounding; that is a geometry fault, not physics.
constexpr int kMaxStalls = 1000;

// Far above the rounding of a distance in a body of metres, far below any
// free path that matters.
constexpr double kSafetyMargin_cm = 1e-6;

void Deposit(const Photon& p, double E_keV, const TallyHooks& t, const World& world)
{
  for (Tally* x : t.deposit) x->on_deposit(p, E_keV, world);
}

}  // namespace

void CheckScoringGrid(const EnergyAbsorption& scoring, const World& world)
{
  if (&scoring.grid() != &world.media.front()->grid())
    throw std::invalid_argument("scoring medium " + scoring.name() + " is tabulated on another energy grid");
}

TallyHooks::TallyHooks(const std::vector<Tally*>& tallies)
{
  for (Tally* t : tallies) {
    const unsigned h = t->hooks();
    if (h & Tally::kSource) source.push_back(t);
    if (h & Tally::kTrack) track.push_back(t);
    if (h & Tally::kCollision) collision.push_back(t);
    if (h & Tally::kExit) exit.push_back(t);
    if (h & Tally::kDeposit) deposit.push_back(t);
    if (h & Tally::kEscape) escape.push_back(t);
  }
}

void TransportHistory(const Source& source, const World& world, Rng& rng, const TallyHooks& t)
{
  const EnergyGrid& grid = world.media.front()->grid();
  Photon p = source.emit(rng);
  if (!(p.E_keV >= kCutoff_keV && p.E_keV <= grid.E_max()))
    throw std::invalid_argument("source energy " + std::to_string(p.E_keV) + " keV outside the transport range " +
                                std::to_string(kCutoff_keV) + " .. " + std::to_string(grid.E_max()) + " keV");
  p.g = grid.locate(p.E_keV);
  p.region = world.geometry.region_at(p.r);
  for (Tally* x : t.source) x->on_source(p, world);

  int stalls = 0;
  while (true) {
    if (p.region == kVacuum) {
      const Crossing next = world.geometry.next_crossing(p.r, p.u, p.region);
      if (next.distance == kInfinity) {
        for (Tally* x : t.escape) x->on_escape(p, world);
        return;
      }
      p.r = advance(p.r, p.u, next.distance);
      p.region = next.next_region;
      continue;
    }

    // Flight to the next surface or interaction, whichever comes first. An
    // interaction nearer than the safety distance needs no exact crossing;
    // the margin keeps rounding in the two distances from changing a choice.
    const Medium& medium = *world.media[p.region];
    const double d_collision = SampleFreePath(medium.mu_total(p.g), rng);
    if (!(d_collision < world.geometry.safety(p.r, p.region) - kSafetyMargin_cm)) {
      const Crossing next = world.geometry.next_crossing(p.r, p.u, p.region);
      if (next.distance <= d_collision) {
        for (Tally* x : t.track) x->on_track(p, next.distance, world);
        p.r = advance(p.r, p.u, next.distance);
        if (next.distance == 0.0 && ++stalls > kMaxStalls)
          throw std::logic_error("photon caught between surfaces at (" + std::to_string(p.r.x) + ", " +
                                 std::to_string(p.r.y) + ", " + std::to_string(p.r.z) + ")");
        const int from = p.region;
        p.region = next.next_region;
        if (p.region == kVacuum) {
          for (Tally* x : t.exit) x->on_exit(p, from, world);
          if (world.geometry.convex()) {  // gone for good: no need to look for the way back
            for (Tally* x : t.escape) x->on_escape(p, world);
            return;
          }
        }
        continue;
      }
    }
    for (Tally* x : t.track) x->on_track(p, d_collision, world);
    p.r = advance(p.r, p.u, d_collision);
    stalls = 0;

    // Interaction.
    for (Tally* x : t.collision) x->on_collision(p, world);
    const double branch = rng.uniform();
    if (branch < medium.p_photo(p.g)) {
      const double E_fluorescence = medium.SampleFluorescence(p.g, rng);
      Deposit(p, p.E_keV - E_fluorescence, t, world);
      if (E_fluorescence <= 0.0) return;
      p.E_keV = E_fluorescence;
      p.u = SampleIsotropic(rng);
    } else if (branch < medium.p_photo_coh(p.g)) {
      const double mu = SampleCoherentMu(p.E_keV, medium.form_factor(), rng);
      const Azimuth phi = SampleAzimuthCosSin(rng);
      p.u = rotate(p.u, mu, phi.cos_phi, phi.sin_phi);
      ++p.collisions;
      continue;  // energy unchanged
    } else {
      const ScatterSample s = medium.incoherent_sampler().Sample(p.E_keV, rng);
      Deposit(p, p.E_keV - s.E_keV, t, world);
      p.E_keV = s.E_keV;
      const Azimuth phi = SampleAzimuthCosSin(rng);
      p.u = rotate(p.u, s.mu, phi.cos_phi, phi.sin_phi);
    }
    ++p.collisions;
    if (p.E_keV < kCutoff_keV) {
      Deposit(p, p.E_keV, t, world);
      return;
    }
    p.g = grid.locate(p.E_keV);
  }
}

double OpticalDepth(const World& world, const Vec3& r0, const Vec3& u, int region0, double distance, GridPoint g)
{
  double tau = 0.0;
  double remaining = distance;
  Vec3 r = r0;
  int region = region0;
  for (int steps = 0; remaining > 0.0; ++steps) {
    if (steps > kMaxStalls) throw std::logic_error("optical depth: path caught between surfaces");
    const Crossing c = world.geometry.next_crossing(r, u, region);
    const double step = std::min(c.distance, remaining);
    if (region != kVacuum) tau += world.media[region]->mu_total(g) * step;
    if (c.distance >= remaining) break;
    r = advance(r, u, step);
    region = c.next_region;
    remaining -= step;
  }
  return tau;
}

RunSummary RunTransport(Problem& problem, const RunSettings& settings)
{
  if (!problem.geometry || !problem.source) throw std::invalid_argument("RunTransport: the problem needs a geometry and a source");
  if (problem.media.size() != static_cast<std::size_t>(problem.geometry->region_count()))
    throw std::invalid_argument("RunTransport: one medium per region is needed (" +
                                std::to_string(problem.geometry->region_count()) + " regions, " +
                                std::to_string(problem.media.size()) + " media)");
  std::vector<const Medium*> media;
  for (const auto& m : problem.media) {
    if (!m) throw std::invalid_argument("RunTransport: a region has no medium");
    if (&m->grid() != &problem.media.front()->grid())
      throw std::invalid_argument("RunTransport: all media must share one energy grid");
    media.push_back(m.get());
  }
  for (const auto& t : problem.tallies)
    if (!t) throw std::invalid_argument("RunTransport: empty tally");
  if (settings.batches == 0 || settings.histories_per_batch == 0)
    throw std::invalid_argument("RunTransport: needs at least one batch of at least one history");

  const World world{*problem.geometry, media};
  for (const auto& t : problem.tallies) t->check(world);
  int threads = settings.threads > 0 ? settings.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = static_cast<int>(std::clamp<std::uint64_t>(static_cast<std::uint64_t>(std::max(threads, 1)), 1,
                                                        settings.batches));

  std::atomic<std::uint64_t> next_block{0};
  std::atomic<bool> failed{false};
  std::mutex merge_mutex;
  std::map<std::uint64_t, std::vector<std::unique_ptr<Tally>>> pending;
  std::uint64_t next_merge = 0;
  std::exception_ptr error;

  auto worker = [&] {
    try {
      for (std::uint64_t b = next_block++; b < settings.batches && !failed; b = next_block++) {
        std::vector<std::unique_ptr<Tally>> block;
        std::vector<Tally*> raw;
        for (const auto& t : problem.tallies) {
          block.push_back(t->clone_empty());
          raw.push_back(block.back().get());
        }
        const TallyHooks hooks(raw);
        const std::uint64_t first = b * settings.histories_per_batch;
        for (std::uint64_t h = first; h < first + settings.histories_per_batch; ++h) {
          Rng rng(settings.seed, h);
          TransportHistory(*problem.source, world, rng, hooks);
        }
        // Merge in block order, whoever finishes first.
        const std::lock_guard<std::mutex> lock(merge_mutex);
        pending.emplace(b, std::move(block));
        while (!pending.empty() && pending.begin()->first == next_merge) {
          auto& ready = pending.begin()->second;
          for (std::size_t i = 0; i < ready.size(); ++i)
            problem.tallies[i]->add_batch(*ready[i], settings.histories_per_batch);
          pending.erase(pending.begin());
          ++next_merge;
        }
      }
    } catch (...) {
      const std::lock_guard<std::mutex> lock(merge_mutex);
      if (!error) error = std::current_exception();
      failed = true;
    }
  };

  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> pool;
  for (int i = 1; i < threads; ++i) pool.emplace_back(worker);
  worker();
  for (std::thread& th : pool) th.join();
  if (error) std::rethrow_exception(error);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return {settings.batches * settings.histories_per_batch, threads, elapsed.count()};
}

}  // namespace vorn::mc
