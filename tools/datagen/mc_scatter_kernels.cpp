// The scatter kernels of the depth-dose program by pencil beam and reciprocity.
#include <cmath>
#include <queue>
#include <stdexcept>
#include <string>

#include "physics/mc/layered_slab.h"
#include "physics/mc/tallies/shell_kerma.h"
#include "physics/mc/transport.h"
#include "tools/datagen/mc_tables.h"
#include "tools/datagen/text_out.h"

namespace vorn::datagen {

namespace {

constexpr int kSummaryRings = 20;  // 10 cm radius

std::vector<double> SlabSummary(int slab)
{
  std::vector<double> w(static_cast<std::size_t>(kKernelRings * kKernelSlabs), 0.0);
  for (int m = 1; m <= kSummaryRings; ++m) w[(slab - 1) * kKernelRings + (m - 1)] = 1.0;
  return w;
}

}  // namespace

ScatterKernel RunScatterKernel(const McMaterials& materials, double E_keV, std::uint64_t seed,
                               const McStatistics& statistics)
{
  mc::Problem problem;
  problem.geometry =
      std::make_shared<mc::LayeredSlab>(std::vector<double>{0.0, kKernelSlabs * kKernelStep_cm});  // 40 cm
  problem.media = {materials.soft_medium};
  problem.source = std::make_shared<mc::PencilBeam>(mc::Vec3{0.0, 0.0, -1.0}, mc::Vec3{0.0, 0.0, 1.0}, E_keV);
  mc::ShellKermaTally::Options options;
  options.z_top = 0.0;
  options.slab_thickness = kKernelStep_cm;
  options.slabs = kKernelSlabs;
  options.ring_width = kKernelStep_cm;
  options.rings = kKernelRings;
  options.summary_weights = {SlabSummary(10), SlabSummary(20)};
  auto shells = std::make_shared<mc::ShellKermaTally>(options);
  problem.tallies = {shells};
  mc::RunTransport(problem, {.seed = seed,
                             .batches = statistics.batches,
                             .histories_per_batch = statistics.histories_per_batch,
                             .threads = statistics.threads});

  // Energy per photon in a shell over (density x slab thickness): the ring's
  // integral of the pencil beam's dose at that depth, which by reciprocity is
  // the dose on the axis from unit fluence over the ring.
  const double per_mass_area = 1.0 / (materials.soft.density_g_cm3 * kKernelStep_cm);
  ScatterKernel kernel;
  kernel.E_keV = E_keV;
  kernel.values.reserve(static_cast<std::size_t>(kKernelRings * kKernelSlabs));
  for (int j = 1; j <= kKernelSlabs; ++j)
    for (int m = 1; m <= kKernelRings; ++m) {
      const mc::Estimate e = shells->bin(m - 1, j - 1);
      kernel.values.push_back({e.mean * per_mass_area, e.std_error * per_mass_area});
    }
  kernel.estimated.assign(kernel.values.size(), false);
  const mc::Estimate s5 = shells->summary(0), s10 = shells->summary(1);
  kernel.sum_5cm = {s5.mean * per_mass_area, s5.std_error * per_mass_area};
  kernel.sum_10cm = {s10.mean * per_mass_area, s10.std_error * per_mass_area};
  FillUnscoredKernelEntries(kernel, materials.soft_medium->mu_total(materials.grid->locate(E_keV)));
  return kernel;
}

void FillUnscoredKernelEntries(ScatterKernel& kernel, double mu_total_per_cm)
{
  if (!(mu_total_per_cm > 0.0)) throw std::invalid_argument("FillUnscoredKernelEntries: mu must be above 0");
  const std::size_t n = kernel.values.size();
  if (n != static_cast<std::size_t>(kKernelRings * kKernelSlabs))
    throw std::invalid_argument("FillUnscoredKernelEntries: the kernel must hold 80 x 80 values");
  bool any_scored = false;
  for (const mc::Estimate& e : kernel.values) any_scored = any_scored || e.mean > 0.0;
  if (!any_scored) throw std::invalid_argument("FillUnscoredKernelEntries: nothing was scored at all");

  // Largest estimate first (Dijkstra on -ln value): each entry takes the best
  // value any neighbour can hand on, attenuated over the step between centres.
  struct Item {
    double value;
    int index;
    bool operator<(const Item& other) const
    {
      return value < other.value || (value == other.value && index > other.index);
    }
  };
  std::priority_queue<Item> queue;
  std::vector<bool> done(n, false);
  for (std::size_t i = 0; i < n; ++i)
    if (kernel.values[i].mean > 0.0) queue.push({kernel.values[i].mean, static_cast<int>(i)});
  const double straight = std::exp(-mu_total_per_cm * kKernelStep_cm);
  const double diagonal = std::exp(-mu_total_per_cm * kKernelStep_cm * std::sqrt(2.0));
  while (!queue.empty()) {
    const Item item = queue.top();
    queue.pop();
    if (done[item.index]) continue;
    done[item.index] = true;
    const int j = item.index / kKernelRings, m = item.index % kKernelRings;
    for (int dj = -1; dj <= 1; ++dj)
      for (int dm = -1; dm <= 1; ++dm) {
        const int jj = j + dj, mm = m + dm;
        if ((dj == 0 && dm == 0) || jj < 0 || jj >= kKernelSlabs || mm < 0 || mm >= kKernelRings) continue;
        const int k = jj * kKernelRings + mm;
        if (done[k] || kernel.values[k].mean > 0.0) continue;
        const double candidate = item.value * (dj != 0 && dm != 0 ? diagonal : straight);
        if (candidate > 0.0) queue.push({candidate, k});
      }
    if (!(kernel.values[item.index].mean > 0.0)) {
      kernel.values[item.index] = {item.value, 0.0};
      kernel.estimated[item.index] = true;
    }
  }
  for (std::size_t i = 0; i < n; ++i)
    if (!(kernel.values[i].mean > 0.0))
      throw std::runtime_error("FillUnscoredKernelEntries: an entry underflowed to 0 at " +
                               std::to_string(kernel.E_keV) + " keV");
}

std::string ScatterKernelFile(const ScatterKernel& kernel)
{
  std::string text;
  for (int j = 1; j <= kKernelSlabs; ++j)
    for (int run = 0; run < 4; ++run) {
      for (int k = 0; k < 20; ++k) {
        if (k > 0) text += ',';
        const double v = kernel.value(run * 20 + k + 1, j);
        if (!(v > 0.0)) throw std::invalid_argument("ScatterKernelFile: every value must be above 0");
        text += Sci(v);
      }
      text += kCrLf;
    }
  return text;
}

}  // namespace vorn::datagen
