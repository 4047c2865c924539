// vorn-datagen: writes the shipped data tables from physics.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/datagen/generators.h"
#include "tools/datagen/options.h"
#include "tools/datagen/run.h"

int main(int argc, char** argv)
{
  using namespace vorn::datagen;
  try {
    const Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << kUsage;
      return 0;
    }
    const std::vector<Generator> selected =
        SelectGenerators(options, DeterministicGenerators(), MonteCarloGenerators());
    if (selected.empty()) {
      std::cerr << "vorn-datagen: no generator selected (this build has no Monte Carlo tables?)\n";
      return 2;
    }
    RunGenerators(options, selected, std::cout);
    return 0;
  } catch (const UsageError& e) {
    std::cerr << "vorn-datagen: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "vorn-datagen: " << e.what() << '\n';
    return 1;
  }
}
