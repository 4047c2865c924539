// The transported photon.
#pragma once

#include "physics/mc/energy_grid.h"
#include "physics/mc/geometry.h"
#include "physics/mc/vec3.h"

namespace vorn::mc {

struct Photon {
  Vec3 r;                 // position [cm]
  Vec3 u;                 // unit direction
  double E_keV = 0.0;
  double weight = 1.0;
  GridPoint g;            // where E_keV lies on the energy grid (kept current by the transport)
  int region = kVacuum;
  int collisions = 0;     // interactions so far; 0 for a primary photon that has not interacted

  bool scattered() const { return collisions > 0; }
};

}  // namespace vorn::mc
