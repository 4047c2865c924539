#include "tools/datagen/options.h"

#include <charconv>

namespace vorn::datagen {

const char* const kUsage =
    "usage: vorn-datagen --out DIR [--only NAME ...] [--deterministic | --monte-carlo]\n"
    "                    [--quick] [--threads N]\n"
    "Writes the shipped data tables into DIR (created when missing).\n"
    "  --only NAME      only this generator (may be repeated)\n"
    "  --deterministic  only the tables computed from interaction data\n"
    "  --monte-carlo    only the tables computed by photon transport\n"
    "  --quick          low statistics (Monte Carlo tables, for tests)\n"
    "  --threads N      worker threads for the Monte Carlo (0: all cores)\n";

namespace {

const std::string& ValueOf(const std::vector<std::string>& args, std::size_t& i)
{
  if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args)
{
  Options o;
  bool deterministic = false, monte_carlo = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--out") {
      o.out_dir = ValueOf(args, i);
      if (o.out_dir.empty()) throw UsageError("--out needs a folder name");
    } else if (a == "--only") {
      o.only.push_back(ValueOf(args, i));
    } else if (a == "--deterministic") {
      deterministic = true;
    } else if (a == "--monte-carlo") {
      monte_carlo = true;
    } else if (a == "--quick") {
      o.quick = true;
    } else if (a == "--threads") {
      const std::string& v = ValueOf(args, i);
      int n = -1;
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
      if (ec != std::errc() || end != v.data() + v.size() || n < 0)
        throw UsageError("--threads needs a whole number of 0 or more, got \"" + v + "\"");
      o.threads = n;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else {
      throw UsageError("unknown argument \"" + a + "\"");
    }
  }
  if (deterministic && monte_carlo) throw UsageError("--deterministic and --monte-carlo exclude each other");
  if (deterministic) o.selection = Selection::DeterministicOnly;
  if (monte_carlo) o.selection = Selection::MonteCarloOnly;
  if (o.out_dir.empty() && !o.help) throw UsageError("--out DIR is required");
  return o;
}

}  // namespace vorn::datagen
