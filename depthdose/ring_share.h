// Share of a ring around the central axis that lies inside a rectangular
// field, as the scatter sum of the depth dose weighs its rings.
#pragma once

namespace vorn::pdd {

// Which of the rule's cases decided a share (for tests and diagnosis).
enum class RingCase {
  Inside = 1,          // r2 <= b: whole ring inside
  CrossesShortEdge,    // only the outer circle crosses the edge at b
  StripOfShortEdge,    // both circles cross the edge at b, r2 <= a
  CrossesBothEdges,    // outer circle crosses both edges, inner crosses none
  StripAndLongEdge,    // both circles cross the edge at b, the outer one the edge at a
  BetweenBothEdges,    // both circles cross both edges, inside the corner
  AcrossCorner,        // the corner lies inside the ring
  Outside,             // r1 >= the half-diagonal
};

struct RingShare {
  double share;    // 0..1
  RingCase rule;
};

// Share of the ring r1 < r < r2 (cm) inside the field with half-sides a >= b
// (cm) centred on the axis; pi is the program's PiValue. The rule works on
// one quadrant with sector, cap and triangle areas. Where the corner region
// beyond both edges falls inside the outer circle, the two caps subtracted
// by the crossing cases overlap there and are both subtracted whole, so the
// share comes out low; for rings far beyond a small field's corner it
// would even fall below 0, and it is then taken as 0.
RingShare RingShareInRectangle(double r1, double r2, double a, double b, double pi);

}  // namespace vorn::pdd
