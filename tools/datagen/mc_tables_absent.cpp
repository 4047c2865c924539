// Built only while tools/datagen has no mc_tables.cpp: this build of
// vorn-datagen then offers no Monte Carlo tables.
#include "tools/datagen/generators.h"

namespace vorn::datagen {

std::vector<Generator> MonteCarloGenerators() { return {}; }

}  // namespace vorn::datagen
