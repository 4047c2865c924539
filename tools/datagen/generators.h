// The table generators of vorn-datagen. Each writes one family of shipped
// data files into an output folder, deterministically (fixed seeds).
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vorn::datagen {

struct GenContext {
  std::filesystem::path out_dir;  // the data folder being written
  bool quick = false;             // low statistics, for tests (Monte Carlo only)
  int threads = 0;                // 0: all cores
};

struct Generator {
  std::string name;         // e.g. "Att_coeff2020", "dBSF", "PDS", "dATR"
  bool monte_carlo = false; // true: slow, never regenerated in CI
  std::function<void(const GenContext&)> run;
};

// The tables computed from interaction data alone.
std::vector<Generator> DeterministicGenerators();
// The tables computed by photon transport.
std::vector<Generator> MonteCarloGenerators();

}  // namespace vorn::datagen
