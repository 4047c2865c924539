// The photon transport as it was before its samplers and random numbers were
// made faster, kept whole as a reference: the statistical tests compare the
// distributions of the current samplers with these, and bench_mc runs both
// engines in one binary. Nothing here is used by the programs.
#pragma once

#include <array>
#include <cstdint>

#include "physics/mc/medium.h"
#include "physics/mc/rng.h"
#include "physics/mc/scattering_tables.h"
#include "physics/mc/source.h"
#include "physics/mc/tally.h"
#include "physics/mc/transport.h"
#include "physics/mc/vec3.h"

namespace vorn::mc::reference {

// One Philox-4x32-10 block per two numbers, keyed by the run seed, the
// counter holding the block and the history.
class PhiloxRng {
public:
  PhiloxRng(std::uint64_t seed, std::uint64_t history);
  double uniform()
  {
    if (cached_ == 0) refill();
    return buffer_[--cached_];
  }

private:
  void refill();

  PhiloxKey key_;
  std::uint64_t history_;
  std::uint64_t block_ = 0;
  std::array<double, 2> buffer_{};
  int cached_ = 0;
};

struct ScatterSample {
  double E_keV;
  double mu;
};

// Kahn's rejection for Klein-Nishina; incoherent = that times S(x) by
// rejection; coherent = x^2 from F^2, then the Thomson factor by rejection.
ScatterSample SampleKleinNishina(double E_keV, PhiloxRng& rng);
ScatterSample SampleIncoherent(double E_keV, const IncoherentFunctionTable& S, PhiloxRng& rng);
// search_by_bisection: the inverse of the table's cumulative found by
// bisection (independent of the table's own search, for the tests); else by
// the table's search (as the engine did it, for the benchmark).
double SampleCoherentMu(double E_keV, const CoherentFormTable& F2, PhiloxRng& rng, bool search_by_bisection);
// Fluorescence after a photoabsorption at g: a channel by its chance, then
// its line; 0 when none.
double SampleFluorescence(const Medium& medium, GridPoint g, PhiloxRng& rng);
// The new direction through mu and the azimuth phi (by sine and cosine).
Vec3 Rotate(const Vec3& u, double mu, double phi);

// One thread, batches in order, every history with its own PhiloxRng: the
// run as the engine did it, for the benchmark. The tallies receive the scores.
void RunOneThread(Problem& problem, std::uint64_t seed, std::uint64_t batches, std::uint64_t histories_per_batch);

}  // namespace vorn::mc::reference
