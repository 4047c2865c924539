// Random numbers of the photon transport.
//
// Every history has a stream of its own, keyed by the run seed and addressed
// by the history index: a history draws the same numbers whichever thread
// runs it and in whatever order, so results do not depend on the thread
// count, and a single history can be replayed alone.
//
// The stream is xoshiro256++ (Blackman and Vigna, "Scrambled linear
// pseudorandom number generators", ACM TOMS 47 (2021) 36), started from one
// block of the counter-based Philox-4x32-10 (Salmon, Moraes, Dror, Shaw,
// "Parallel random numbers: as easy as 1, 2, 3", SC'11) at the counter
// (0, history) under the seed as key: its 128 bits are half the state, and
// SplitMix64's finaliser of each word the other half. Philox makes the
// starting states of different histories independent; xoshiro then gives
// each number for about a nanosecond, where a Philox block for every two
// numbers took a quarter of the transport's time.
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
  // Stream `history` of the run `seed`; its period (2^256 - 1) is far beyond
  // any history.
  Rng(std::uint64_t seed, std::uint64_t history);
  // The stream from a given xoshiro256++ state (not all zero), as the
  // generator's published known answers start.
  static Rng FromState(const std::array<std::uint64_t, 4>& state)
  {
    Rng rng;
    rng.s_ = state;
    return rng;
  }

  // Uniform in [0, 1), 53 random bits.
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  // Uniform in (0, 1], 53 random bits: never 0, so its logarithm is finite.
  double uniform_positive() { return static_cast<double>((next() >> 11) + 1) * 0x1.0p-53; }

  // The next 64 bits of the stream.
  std::uint64_t next()
  {
    const std::uint64_t result = Rotl(s_[0] + s_[3], 23) + s_[0];
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
  }

private:
  Rng() = default;
  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  std::array<std::uint64_t, 4> s_{};
};

}  // namespace vorn::mc
