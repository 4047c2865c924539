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
  double share;    // 0..1, to rounding
  RingCase rule;
};

// Share of the ring r1 < r < r2 (cm) inside the field with half-sides a >= b
// (cm) centred on the axis; pi is the program's PiValue. The rule works on
// one quadrant with sector, cap and triangle areas.
//
// Where the field's corner lies inside the outer circle of a ring that the
// inner circle leaves inside the long edge (the crossing cases), the caps
// beyond the two edges overlap beyond the corner, and subtracting both whole
// takes that region away twice: for the first ring of a field under about
// 0.5 x 0.5 cm, or a ring far out along a narrow field, the share would come
// out below 0. Such a ring holds the whole quadrant of the field beyond its
// inner circle, and that area is its share. A field never puts its corner
// there when b^2 >= a + 0.25 (cm^2; for a square, b >= 1.21 cm), and then
// every share is the rule's.
RingShare RingShareInRectangle(double r1, double r2, double a, double b, double pi);

}  // namespace vorn::pdd
