// The command line of vorn-datagen.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace vorn::datagen {

enum class Selection { All, DeterministicOnly, MonteCarloOnly };

struct Options {
  std::string out_dir;             // --out DIR (required)
  std::vector<std::string> only;   // --only NAME, repeatable; empty: every generator
  Selection selection = Selection::All;
  bool quick = false;              // --quick
  int threads = 0;                 // --threads N; 0: all cores
  bool help = false;               // --help
};

class UsageError : public std::invalid_argument {
public:
  using std::invalid_argument::invalid_argument;
};

// Parses the arguments after the program name; throws UsageError naming the
// offending argument.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace vorn::datagen
