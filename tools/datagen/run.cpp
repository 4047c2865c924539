#include "tools/datagen/run.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

namespace vorn::datagen {

std::vector<Generator> SelectGenerators(const Options& options, const std::vector<Generator>& deterministic,
                                        const std::vector<Generator>& monte_carlo)
{
  std::vector<Generator> pool;
  if (options.selection != Selection::MonteCarloOnly)
    pool.insert(pool.end(), deterministic.begin(), deterministic.end());
  if (options.selection != Selection::DeterministicOnly)
    pool.insert(pool.end(), monte_carlo.begin(), monte_carlo.end());
  if (options.only.empty()) return pool;

  const std::set<std::string> wanted(options.only.begin(), options.only.end());
  for (const std::string& name : wanted) {
    const bool known = std::any_of(pool.begin(), pool.end(), [&](const Generator& g) { return g.name == name; });
    if (!known) {
      std::string names;
      for (const Generator& g : pool) names += (names.empty() ? "" : ", ") + g.name;
      throw UsageError("no generator \"" + name + "\" among those selected (" +
                       (names.empty() ? std::string("none") : names) + ")");
    }
  }
  std::vector<Generator> selected;
  for (const Generator& g : pool)
    if (wanted.count(g.name) != 0) selected.push_back(g);
  return selected;
}

void RunGenerators(const Options& options, const std::vector<Generator>& selected, std::ostream& log)
{
  const std::filesystem::path out(options.out_dir);
  std::filesystem::create_directories(out);
  const GenContext context{out, options.quick, options.threads};
  for (const Generator& g : selected) {
    log << "vorn-datagen: " << g.name << (g.monte_carlo ? " (Monte Carlo)" : "") << " ..." << std::endl;
    g.run(context);
  }
  log << "vorn-datagen: " << selected.size() << " generator(s) done in " << out.string() << std::endl;
}

}  // namespace vorn::datagen
