#include "physics/mc/rng.h"

namespace vorn::mc {

namespace {

// Multipliers and Weyl key increments of Philox-4x32 (the published constants).
constexpr std::uint32_t kM0 = 0xD2511F53u;
constexpr std::uint32_t kM1 = 0xCD9E8D57u;
constexpr std::uint32_t kW0 = 0x9E3779B9u;
constexpr std::uint32_t kW1 = 0xBB67AE85u;

inline void Round(PhiloxCounter& c, const PhiloxKey& k)
{
  const std::uint64_t p0 = static_cast<std::uint64_t>(kM0) * c[0];
  const std::uint64_t p1 = static_cast<std::uint64_t>(kM1) * c[2];
  const auto hi0 = static_cast<std::uint32_t>(p0 >> 32);
  const auto lo0 = static_cast<std::uint32_t>(p0);
  const auto hi1 = static_cast<std::uint32_t>(p1 >> 32);
  const auto lo1 = static_cast<std::uint32_t>(p1);
  c = {hi1 ^ c[1] ^ k[0], lo1, hi0 ^ c[3] ^ k[1], lo0};
}

}  // namespace

PhiloxCounter Philox4x32_10(PhiloxCounter counter, PhiloxKey key)
{
  for (int round = 0; round < 10; ++round) {
    if (round > 0) {
      key[0] += kW0;
      key[1] += kW1;
    }
    Round(counter, key);
  }
  return counter;
}

Rng::Rng(std::uint64_t seed, std::uint64_t history)
{
  const PhiloxKey key{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  const PhiloxCounter block =
      Philox4x32_10({0, 0, static_cast<std::uint32_t>(history), static_cast<std::uint32_t>(history >> 32)}, key);
  const std::uint64_t a = (static_cast<std::uint64_t>(block[0]) << 32) | block[1];
  const std::uint64_t b = (static_cast<std::uint64_t>(block[2]) << 32) | block[3];
  // The other half of the state from SplitMix64's finaliser (a bijection) of
  // each word, so no history starts in the all-zero state.
  const auto mix = [](std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  };
  s_ = {a, b, mix(a + 0x9E3779B97F4A7C15ull), mix(b + 0x3C6EF372FE94F82Aull)};
  if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;
}

}  // namespace vorn::mc
