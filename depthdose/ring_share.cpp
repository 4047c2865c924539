#include "depthdose/ring_share.h"

#include <cmath>

namespace vorn::pdd {

namespace {

// Angle, from the axis perpendicular to an edge at distance h, at which a
// circle of radius r (r > h) meets that edge.
double EdgeAngle(double r, double h) { return std::atan(std::sqrt(r * r - h * h) / h); }

// Part of the quarter disc of radius r beyond the edge at distance h: the
// sector up to the meeting point less the triangle under it.
double Cap(double r, double h)
{
  const double A = EdgeAngle(r, h);
  return 0.5 * r * r * A - 0.5 * r * std::sin(A) * h;
}

struct Ring {
  double r1, r2, Q, pi;
};

// Part of the quarter ring on the field side of the edge at distance h, when
// both circles cross that edge (r1 > h).
double Strip(const Ring& ring, double h)
{
  const double A1 = EdgeAngle(ring.r1, h);
  const double A2 = EdgeAngle(ring.r2, h);
  const double half_pi = ring.pi / 2.0;
  return ring.Q * (half_pi - A1) / half_pi -
         (0.5 * ring.r2 * ring.r2 * (A2 - A1) - 0.5 * (h / std::cos(A1)) * ring.r2 * std::sin(A2 - A1));
}

// Part of a ring that holds the corner (r1 < R < r2), between the inner
// circle's crossing with the edge at distance h and the corner direction.
double Corner(const Ring& ring, double h, double h_other, double R)
{
  const double A1 = EdgeAngle(ring.r1, h);
  const double G = std::atan(h_other / h);
  return 0.5 * (R * R - ring.r1 * ring.r1) * (G - A1) -
         (0.5 * R * R * (G - A1) - 0.5 * (h / std::cos(A1)) * R * std::sin(G - A1));
}

// The quarter of the field beyond the inner circle, for a ring whose outer
// circle holds the corner while the inner one stays inside the long edge
// (r1 <= a): the field's quadrant less the inner quarter disc's part in it,
// which reaches beyond the short edge once r1 > b.
double QuadrantBeyond(const Ring& ring, double a, double b)
{
  const double inner = (ring.pi / 4.0) * ring.r1 * ring.r1 - (ring.r1 > b ? Cap(ring.r1, b) : 0.0);
  return a * b - inner;
}

}  // namespace

RingShare RingShareInRectangle(double r1, double r2, double a, double b, double pi)
{
  const Ring ring{r1, r2, (pi / 4.0) * (r2 * r2 - r1 * r1), pi};
  const double Q = ring.Q;
  const double R = std::sqrt(a * a + b * b);

  double s = 0.0;
  RingCase rule = RingCase::Outside;
  if (r2 <= b && r2 <= a) {
    s = 1.0;
    rule = RingCase::Inside;
  } else if (r2 > b && r1 <= b && r2 <= a) {
    s = (Q - Cap(r2, b)) / Q;
    rule = RingCase::CrossesShortEdge;
  } else if (r1 > b && r2 <= a) {
    s = Strip(ring, b) / Q;
    rule = RingCase::StripOfShortEdge;
  } else if (r2 > b && r1 <= b && r2 > a && r1 <= a) {
    s = (r2 > R ? QuadrantBeyond(ring, a, b) : Q - Cap(r2, b) - Cap(r2, a)) / Q;
    rule = RingCase::CrossesBothEdges;
  } else if (r1 >= b && r2 > a && r1 <= a) {
    s = (r2 > R ? QuadrantBeyond(ring, a, b) : Strip(ring, b) - Cap(r2, a)) / Q;
    rule = RingCase::StripAndLongEdge;
  } else if (r1 > b && r1 > a && r2 <= R) {
    s = (Q - (Q - Strip(ring, b)) - (Q - Strip(ring, a))) / Q;
    rule = RingCase::BetweenBothEdges;
  } else if (r2 > R && r1 < R) {
    s = (Corner(ring, b, a, R) + Corner(ring, a, b, R)) / Q;
    rule = RingCase::AcrossCorner;
  }
  return {s, rule};
}

}  // namespace vorn::pdd
