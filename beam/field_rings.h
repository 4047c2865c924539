// Weights of the 1 mm rings of the entrance surface in the backscatter sum
// over the irradiated field: the geometric factor FSD^2 / (FSD^2 + r^2) times
// the fraction of the ring inside the field at the skin, 0 for a ring that
// does not count.
#pragma once

#include <array>

#include "beam/diff_bsf_data.h"

namespace vorn {

using RingWeights = std::array<double, kLastRing + 1>;  // ring 1..300; index 0 unused

// Mid-radius of ring n, cm.
constexpr double RingMidRadius_cm(int n) { return 0.1 * n - 0.05; }

// A rectangular field with sides given at FFD (cm). Both sides are scaled to
// the skin by FSD / FFD and each is clamped to 1 .. 40 cm. Rings out to the
// short half-side count whole; rings beyond it count with the arc fraction
// inside the field (the ring's mid-radius decides). Raises CalcError when FFD is 0.
RingWeights RectangularFieldRings(double side1_cm, double side2_cm, double ffd_cm, double fsd_cm);

// A circular field with its diameter given at FFD (cm): scaled to the skin,
// at most 40 cm, every ring out to the radius counts whole (none below
// 0.2 cm). Raises CalcError when FFD is 0.
RingWeights CircularFieldRings(double diameter_cm, double ffd_cm, double fsd_cm);

// Sum over rings n of weight(n) x table(phantom, column, n).
double RingSum(const RingWeights& weights, const DbsfTable& table, int phantom, int column);

}  // namespace vorn
