// The K fluorescence lines of an element, split into the K-alpha and K-beta
// groups (the interaction layer gives only their mean energy, which would put
// every Ca K photon at 3.73 keV instead of 3.69 and 4.01). Read from xraylib.
#pragma once

#include <vector>

namespace vorn::mc {

struct FluorescenceLine {
  double E_keV;
  double probability;  // share of the K-shell radiative transitions
};

// K-alpha and K-beta group lines of element Z with probabilities summing to 1;
// empty where xraylib lists no K line. Throws std::invalid_argument for Z
// outside 1..98.
std::vector<FluorescenceLine> KLines(int Z);

}  // namespace vorn::mc
