// Picks the generators the command line asks for and runs them.
#pragma once

#include <ostream>
#include <vector>

#include "tools/datagen/generators.h"
#include "tools/datagen/options.h"

namespace vorn::datagen {

// The generators selected by the options, in the order given by the lists;
// throws UsageError for an --only name that no selected generator has.
std::vector<Generator> SelectGenerators(const Options& options, const std::vector<Generator>& deterministic,
                                        const std::vector<Generator>& monte_carlo);

// Creates the output folder and runs the selected generators, reporting each
// on log. Exceptions of a generator pass to the caller.
void RunGenerators(const Options& options, const std::vector<Generator>& selected, std::ostream& log);

}  // namespace vorn::datagen
