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

// A rectangular field at the skin: its half-sides (a >= b, cm) and the ring
// limits Nb = Int(10 b), Na = Int(10 a), Nmax = Int(10 sqrt(a^2 + b^2)).
struct RectangleRingLimits {
  double a_cm = 0.0;
  double b_cm = 0.0;
  int Nb = 0;
  int Na = 0;
  int Nmax = 0;
};

// The sides are given at FFD (cm); each is scaled to the skin as
// (side x FSD) / FFD and clamped to 1 .. 40 cm. A half-side or diagonal that
// lies exactly on a ring boundary counts that ring in (see ring_count.h).
// Raises CalcError when FFD is 0.
RectangleRingLimits RectangularFieldLimits(double side1_cm, double side2_cm, double ffd_cm, double fsd_cm);

// The last ring of a circular field with its diameter given at FFD (cm):
// Int(5 d) of the diameter d at the skin, (diameter x FSD) / FFD, at most
// 40 cm; a radius on a ring boundary counts that ring in. Raises CalcError
// when FFD is 0.
int CircularFieldLastRing(double diameter_cm, double ffd_cm, double fsd_cm);

// Rings out to the short half-side count whole; rings beyond it count with
// the arc fraction inside the field (the ring's mid-radius decides).
RingWeights RectangularFieldRings(double side1_cm, double side2_cm, double ffd_cm, double fsd_cm);

// Every ring out to the radius counts whole (none below 0.2 cm).
RingWeights CircularFieldRings(double diameter_cm, double ffd_cm, double fsd_cm);

// Sum over rings n of weight(n) x table(phantom, column, n).
double RingSum(const RingWeights& weights, const DbsfTable& table, int phantom, int column);

}  // namespace vorn
