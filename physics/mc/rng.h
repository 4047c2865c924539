// Counter-based random numbers: Philox-4x32-10 (Salmon, Moraes, Dror, Shaw,
// "Parallel random numbers: as easy as 1, 2, 3", SC'11).
//
// A stream is keyed by the run seed and addressed by the history index, so a
// history draws the same numbers whichever thread runs it and in whatever
// order: results do not depend on the thread count, and a single history can
// be replayed alone.
#pragma once

#include <array>
#include <cstdint>

namespace vorn::mc {

using PhiloxCounter = std::array<std::uint32_t, 4>;
using PhiloxKey = std::array<std::uint32_t, 2>;

// The bare block function: ten rounds over a 128-bit counter and 64-bit key.
PhiloxCounter Philox4x32_10(PhiloxCounter counter, PhiloxKey key);

class Rng {
public:
  // Stream `history` of the run `seed`. A stream holds 2^64 blocks of two
  // numbers, far beyond any history.
  Rng(std::uint64_t seed, std::uint64_t history);

  // Uniform in [0, 1), 53 random bits.
  double uniform()
  {
    if (cached_ == 0) refill();
    return buffer_[--cached_];
  }

private:
  void refill();

  PhiloxKey key_;
  std::uint64_t history_;
  std::uint64_t block_ = 0;  // blocks drawn so far
  std::array<double, 2> buffer_{};
  int cached_ = 0;
};

}  // namespace vorn::mc
