#include "beam/field_rings.h"

#include <cmath>

#include "beam/checked_math.h"
#include "beam/ring_count.h"

namespace vorn {
namespace {

// The quarter angle of the arc fractions, as the tables were made with it.
constexpr double kQuarterAngle = 1.570795;

double GeometricFactor(double fsd_cm, int n)
{
  const double r = RingMidRadius_cm(n);
  return fsd_cm * fsd_cm / (fsd_cm * fsd_cm + r * r);
}

double ClampSide(double side_cm)
{
  if (side_cm > 40.0) return 40.0;
  if (side_cm < 1.0) return 1.0;
  return side_cm;
}

}  // namespace

RectangleRingLimits RectangularFieldLimits(double side1_cm, double side2_cm, double ffd_cm, double fsd_cm)
{
  // side1 is the length box, side2 the width box; the longer one is L.
  double L = side1_cm;
  double W = side2_cm;
  if (side1_cm < side2_cm) {
    L = side2_cm;
    W = side1_cm;
  }
  // The product first, as for the circle: FSD / FFD seldom has an exact
  // binary value, and a side scaled by it falls below a whole millimetre at
  // the skin more often than (side x FSD) / FFD does.
  L = ClampSide(CheckedDivide(L * fsd_cm, ffd_cm, "FFD is 0 (field size at the skin)"));
  W = ClampSide(CheckedDivide(W * fsd_cm, ffd_cm, "FFD is 0 (field size at the skin)"));

  RectangleRingLimits limits;
  limits.a_cm = 0.5 * L;
  limits.b_cm = 0.5 * W;
  const double a = limits.a_cm;
  const double b = limits.b_cm;
  limits.Nb = static_cast<int>(WholeRingsWithin(10.0 * b));
  limits.Na = static_cast<int>(WholeRingsWithin(10.0 * a));
  limits.Nmax = static_cast<int>(WholeRingsWithin(10.0 * std::sqrt(a * a + b * b)));
  return limits;
}

int CircularFieldLastRing(double diameter_cm, double ffd_cm, double fsd_cm)
{
  double d = CheckedDivide(diameter_cm * fsd_cm, ffd_cm, "FFD is 0 (field size at the skin)");
  if (d > 40.0) d = 40.0;
  return static_cast<int>(WholeRingsWithin(5.0 * d));
}

RingWeights RectangularFieldRings(double side1_cm, double side2_cm, double ffd_cm, double fsd_cm)
{
  const RectangleRingLimits limits = RectangularFieldLimits(side1_cm, side2_cm, ffd_cm, fsd_cm);
  const double a = limits.a_cm;
  const double b = limits.b_cm;
  const int Nb = limits.Nb;
  const int Na = limits.Na;
  const int Nmax = limits.Nmax;

  RingWeights w{};
  for (int n = 1; n <= Nb; ++n) w[n] = GeometricFactor(fsd_cm, n);
  if (Na > Nb) {
    // Cut by the two long edges only.
    for (int n = Nb + 1; n <= Na; ++n) {
      const double r = RingMidRadius_cm(n);
      if (r * r - b * b >= 0.0) {
        const double f = (kQuarterAngle - std::atan(std::sqrt(r * r - b * b) / b)) / kQuarterAngle;
        w[n] = GeometricFactor(fsd_cm, n) * f;
      }
    }
  }
  // Cut by all four edges.
  for (int n = Na + 1; n <= Nmax; ++n) {
    const double r = RingMidRadius_cm(n);
    if (r * r - b * b >= 0.0 && r * r - a * a >= 0.0) {
      const double f = (kQuarterAngle - std::atan(std::sqrt(r * r - b * b) / b) -
                        std::atan(std::sqrt(r * r - a * a) / a)) /
                       kQuarterAngle;
      w[n] = GeometricFactor(fsd_cm, n) * f;
    }
  }
  return w;
}

RingWeights CircularFieldRings(double diameter_cm, double ffd_cm, double fsd_cm)
{
  const int last = CircularFieldLastRing(diameter_cm, ffd_cm, fsd_cm);
  RingWeights w{};
  for (int n = 1; n <= last; ++n) w[n] = GeometricFactor(fsd_cm, n);
  return w;
}

double RingSum(const RingWeights& weights, const DbsfTable& table, int phantom, int column)
{
  double sum = 0.0;
  for (int n = 1; n <= kLastRing; ++n) {
    if (weights[n] != 0.0) sum += weights[n] * table(phantom, column, n);
  }
  return sum;
}

}  // namespace vorn
