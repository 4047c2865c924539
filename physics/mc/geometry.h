// Geometry of a transport problem: regions of one material each, separated by
// analytic surfaces; everything outside them is vacuum.
#pragma once

#include <limits>

#include "physics/mc/vec3.h"

namespace vorn::mc {

constexpr int kVacuum = -1;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Crossing {
  double distance;  // to the next surface along the direction; kInfinity: none ahead
  int next_region;  // region beyond it (kVacuum outside every region)
};

class Geometry {
public:
  virtual ~Geometry() = default;
  virtual int region_count() const = 0;
  // The region holding r (kVacuum when none). A point on a surface between
  // two regions may be reported in either.
  virtual int region_at(const Vec3& r) const = 0;
  // The next surface along u for a photon at r in `region`. The transport
  // keeps track of the region itself, so a photon that sits on the surface it
  // has just crossed never finds that surface again.
  virtual Crossing next_crossing(const Vec3& r, const Vec3& u, int region) const = 0;
  // Outward unit normal of `region` at a point r on its surface.
  virtual Vec3 surface_normal(const Vec3& r, int region) const = 0;
  // A distance within which no surface of `region` lies around r, in any
  // direction (0 when the geometry cannot tell cheaply). The transport takes
  // an interaction that comes sooner without asking for the exact crossing,
  // which is the dearer question for curved bodies.
  virtual double safety(const Vec3& /*r*/, int /*region*/) const { return 0.0; }
  // True when the regions together form one convex solid: a photon that has
  // left it through its surface never meets it again.
  virtual bool convex() const { return false; }
};

}  // namespace vorn::mc
