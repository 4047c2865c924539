#include "tests/mc/reference/reference_engine.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "physics/mc/constants.h"

namespace vorn::mc::reference {

PhiloxRng::PhiloxRng(std::uint64_t seed, std::uint64_t history)
    : key_{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)}, history_(history)
{
}

void PhiloxRng::refill()
{
  const PhiloxCounter counter{static_cast<std::uint32_t>(block_), static_cast<std::uint32_t>(block_ >> 32),
                              static_cast<std::uint32_t>(history_), static_cast<std::uint32_t>(history_ >> 32)};
  ++block_;
  const PhiloxCounter out = Philox4x32_10(counter, key_);
  const auto unit = [](std::uint32_t hi, std::uint32_t lo) {
    const std::uint64_t bits = (static_cast<std::uint64_t>(hi) << 32) | lo;
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
  };
  buffer_[1] = unit(out[0], out[1]);
  buffer_[0] = unit(out[2], out[3]);
  cached_ = 2;
}

ScatterSample SampleKleinNishina(double E_keV, PhiloxRng& rng)
{
  const double alpha = E_keV / kElectronRestEnergy_keV;
  const double beta = 1.0 + 2.0 * alpha;
  const double t = beta / (beta + 8.0);
  while (true) {
    if (rng.uniform() < t) {
      const double r = 2.0 * rng.uniform();
      const double x = 1.0 + alpha * r;
      if (rng.uniform() < 4.0 * (1.0 / x - 1.0 / (x * x))) return {E_keV / x, 1.0 - r};
    } else {
      const double x = beta / (1.0 + 2.0 * alpha * rng.uniform());
      const double mu = 1.0 + (1.0 - x) / alpha;
      if (rng.uniform() < 0.5 * (mu * mu + 1.0 / x)) return {E_keV / x, mu};
    }
  }
}

ScatterSample SampleIncoherent(double E_keV, const IncoherentFunctionTable& S, PhiloxRng& rng)
{
  while (true) {
    const ScatterSample s = SampleKleinNishina(E_keV, rng);
    if (rng.uniform() < S(MomentumTransfer(E_keV, s.mu))) return s;
  }
}

namespace {

// The old table search: the s where the cumulative reaches u of its value at
// s_max, found here by bisection on the table's cumulative (the search
// itself is what the current table does faster).
double SampleS(const CoherentFormTable& F2, double s_max, double u)
{
  const double target = u * F2.cumulative(s_max);
  double lo = 0.0, hi = s_max;
  for (int i = 0; i < 45 && hi > lo; ++i) {
    const double mid = 0.5 * (lo + hi);
    (F2.cumulative(mid) < target ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

}  // namespace

double SampleCoherentMu(double E_keV, const CoherentFormTable& F2, PhiloxRng& rng, bool search_by_bisection)
{
  const double k = E_keV / kHc_keV_Angstrom;
  const double s_max = k * k;
  while (true) {
    const double u = rng.uniform();
    const double s = search_by_bisection ? SampleS(F2, s_max, u) : F2.sample_s(s_max, u);
    const double mu = 1.0 - 2.0 * s / s_max;
    if (2.0 * rng.uniform() < 1.0 + mu * mu) return mu;
  }
}

double SampleFluorescence(const Medium& medium, GridPoint g, PhiloxRng& rng)
{
  return medium.SampleFluorescence(g, rng);
}

Vec3 Rotate(const Vec3& u, double mu, double phi)
{
  const double sin_theta = std::sqrt(std::fmax(0.0, 1.0 - mu * mu));
  const double cos_phi = std::cos(phi);
  const double sin_phi = std::sin(phi);
  const double a = std::sqrt(std::fmax(0.0, 1.0 - u.z * u.z));
  if (a < 1e-10) {
    const double sign = u.z >= 0.0 ? 1.0 : -1.0;
    return {sin_theta * cos_phi, sin_theta * sin_phi, sign * mu};
  }
  const double b = sin_theta / a;
  return {mu * u.x + b * (u.x * u.z * cos_phi - u.y * sin_phi), mu * u.y + b * (u.y * u.z * cos_phi + u.x * sin_phi),
          mu * u.z - b * a * a * cos_phi};
}

namespace {

double SampleAzimuth(PhiloxRng& rng) { return 2.0 * kPi * rng.uniform(); }

Vec3 SampleIsotropic(PhiloxRng& rng)
{
  const double mu = 2.0 * rng.uniform() - 1.0;
  const double phi = SampleAzimuth(rng);
  const double s = std::sqrt(std::fmax(0.0, 1.0 - mu * mu));
  return {s * std::cos(phi), s * std::sin(phi), mu};
}

double SampleFreePath(double mu_total_per_cm, PhiloxRng& rng) { return -std::log1p(-rng.uniform()) / mu_total_per_cm; }

constexpr int kMaxStalls = 1000;

void Deposit(const Photon& p, double E_keV, const TallyHooks& t, const World& world)
{
  for (Tally* x : t.deposit) x->on_deposit(p, E_keV, world);
}

// The source draws its photon from a generator of the current kind, one per
// batch (a pencil beam draws nothing, so the cost is the old one).
void TransportHistory(const Source& source, const World& world, Rng& source_rng, PhiloxRng& rng, const TallyHooks& t)
{
  const EnergyGrid& grid = world.media.front()->grid();
  Photon p = source.emit(source_rng);
  if (!(p.E_keV >= kCutoff_keV && p.E_keV <= grid.E_max()))
    throw std::invalid_argument("source energy " + std::to_string(p.E_keV) + " keV outside the transport range");
  p.g = grid.locate(p.E_keV);
  p.region = world.geometry.region_at(p.r);
  for (Tally* x : t.source) x->on_source(p, world);

  int stalls = 0;
  while (true) {
    const Crossing next = world.geometry.next_crossing(p.r, p.u, p.region);
    if (p.region == kVacuum) {
      if (next.distance == kInfinity) {
        for (Tally* x : t.escape) x->on_escape(p, world);
        return;
      }
      p.r = advance(p.r, p.u, next.distance);
      p.region = next.next_region;
      continue;
    }
    const Medium& medium = *world.media[p.region];
    const double d_collision = SampleFreePath(medium.mu_total(p.g), rng);
    if (next.distance <= d_collision) {
      for (Tally* x : t.track) x->on_track(p, next.distance, world);
      p.r = advance(p.r, p.u, next.distance);
      if (next.distance == 0.0 && ++stalls > kMaxStalls) throw std::logic_error("photon caught between surfaces");
      const int from = p.region;
      p.region = next.next_region;
      if (p.region == kVacuum)
        for (Tally* x : t.exit) x->on_exit(p, from, world);
      continue;
    }
    for (Tally* x : t.track) x->on_track(p, d_collision, world);
    p.r = advance(p.r, p.u, d_collision);
    stalls = 0;

    for (Tally* x : t.collision) x->on_collision(p, world);
    const double branch = rng.uniform();
    if (branch < medium.p_photo(p.g)) {
      const double E_fluorescence = SampleFluorescence(medium, p.g, rng);
      Deposit(p, p.E_keV - E_fluorescence, t, world);
      if (E_fluorescence <= 0.0) return;
      p.E_keV = E_fluorescence;
      p.u = SampleIsotropic(rng);
    } else if (branch < medium.p_photo_coh(p.g)) {
      const double mu = SampleCoherentMu(p.E_keV, medium.form_factor(), rng, false);
      p.u = Rotate(p.u, mu, SampleAzimuth(rng));
      ++p.collisions;
      continue;
    } else {
      const ScatterSample s = SampleIncoherent(p.E_keV, medium.incoherent_function(), rng);
      Deposit(p, p.E_keV - s.E_keV, t, world);
      p.E_keV = s.E_keV;
      p.u = Rotate(p.u, s.mu, SampleAzimuth(rng));
    }
    ++p.collisions;
    if (p.E_keV < kCutoff_keV) {
      Deposit(p, p.E_keV, t, world);
      return;
    }
    p.g = grid.locate(p.E_keV);
  }
}

}  // namespace

void RunOneThread(Problem& problem, std::uint64_t seed, std::uint64_t batches, std::uint64_t histories_per_batch)
{
  std::vector<const Medium*> media;
  for (const auto& m : problem.media) media.push_back(m.get());
  const World world{*problem.geometry, media};
  for (std::uint64_t b = 0; b < batches; ++b) {
    std::vector<std::unique_ptr<Tally>> block;
    std::vector<Tally*> raw;
    for (const auto& t : problem.tallies) {
      block.push_back(t->clone_empty());
      raw.push_back(block.back().get());
    }
    const TallyHooks hooks(raw);
    Rng source_rng(seed, b);
    for (std::uint64_t h = b * histories_per_batch; h < (b + 1) * histories_per_batch; ++h) {
      PhiloxRng rng(seed, h);
      TransportHistory(*problem.source, world, source_rng, rng, hooks);
    }
    for (std::size_t i = 0; i < block.size(); ++i) problem.tallies[i]->add_batch(*block[i], histories_per_batch);
  }
}

}  // namespace vorn::mc::reference
