// Whole rings out to a radius given in ring widths, for the ring sums over a
// field. The radius comes through a few roundings (a side scaled to the skin,
// halved, its diagonal), so a field edge that lies exactly on a ring boundary
// can arrive a few units in the last place below it; the plain integer part
// would then drop the last whole ring of the field. Header only: both
// programs' ring sums use it.
#pragma once

#include <cmath>
#include <limits>

namespace vorn {

// Int(x) for x >= 0, where an x less than 8 machine epsilons (relative)
// below a whole number counts as that number. A field of whole millimetres at
// whole-millimetre distances that is not on a boundary lies at least 1e-10
// (relative) below the next one, far outside this tolerance.
inline double WholeRingsWithin(double x)
{
  constexpr double kTolerance = 8.0 * std::numeric_limits<double>::epsilon();
  return std::floor(x * (1.0 + kTolerance));
}

}  // namespace vorn
