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

inline double ToUnit(std::uint32_t hi, std::uint32_t lo)
{
  // The top 53 bits of the 64-bit word, scaled by 2^-53: exactly representable,
  // never 1.
  const std::uint64_t bits = (static_cast<std::uint64_t>(hi) << 32) | lo;
  return static_cast<double>(bits >> 11) * 0x1.0p-53;
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
    : key_{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)}, history_(history)
{
}

void Rng::refill()
{
  const PhiloxCounter counter{static_cast<std::uint32_t>(block_), static_cast<std::uint32_t>(block_ >> 32),
                              static_cast<std::uint32_t>(history_), static_cast<std::uint32_t>(history_ >> 32)};
  ++block_;
  const PhiloxCounter out = Philox4x32_10(counter, key_);
  buffer_[1] = ToUnit(out[0], out[1]);
  buffer_[0] = ToUnit(out[2], out[3]);
  cached_ = 2;
}

}  // namespace vorn::mc
