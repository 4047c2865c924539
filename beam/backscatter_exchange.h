// What the main program and the backscatter programs agree on beyond the
// lines of joken.txt and resultBSF.txt that the programs have always
// exchanged: the run token that ties a result to the calculation that asked
// for it, and the range of a backscatter factor. Both sides include this.
//
// The token is one extra line: after the photon histories in joken.txt, and
// echoed after the three factors in resultBSF.txt. A reader that takes only
// the old lines never sees it.
#pragma once

#include <cstddef>
#include <string_view>

namespace vorn {

// A run token: 1 to kRunTokenMaxLength letters and digits, the first a
// letter, so that it is never taken for a number of the old lines.
inline constexpr std::size_t kRunTokenMaxLength = 32;

constexpr bool IsRunToken(std::string_view text)
{
  if (text.empty() || text.size() > kRunTokenMaxLength) return false;
  if (!((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'))) return false;
  for (const char c : text) {
    const bool digit = c >= '0' && c <= '9';
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!digit && !letter) return false;
  }
  return true;
}

// The backscattered part is added to the primary and can only add: a body's
// backscatter factor is never below 1. Below 150 keV it stays well below 2:
// the largest factors, those of a laterally infinite water or soft-tissue
// slab under a 40 x 40 cm field, peak at about 1.6-1.7 near 60-80 keV
// (Grosswendt, Phys. Med. Biol. 35 (1990) 1233; the flat tables shipped here
// give 1.66 for 20 x 20 cm at 60 keV), a spectrum averages below its peak,
// and a curved body, which ends where the slab goes on, backscatters less.
// The upper bound leaves room for the programs' statistical uncertainty
// (at most 5 % of a factor).
inline constexpr double kLeastBackscatterFactor = 1.0;
inline constexpr double kMostBackscatterFactor = 1.8;

// False for NaN too.
constexpr bool BackscatterFactorInRange(double factor)
{
  return factor >= kLeastBackscatterFactor && factor <= kMostBackscatterFactor;
}

}  // namespace vorn
