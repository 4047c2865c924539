// MonteCarloGenerators(): the three families of tables made by photon
// transport, with their statistics and seeds. Each run reports its
// field-integrated value and uncertainty on standard output.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/seqfile.h"
#include "tools/datagen/generators.h"
#include "tools/datagen/mc_tables.h"

namespace vorn::datagen {

namespace {

// Histories per run: production, or few for the quick runs of the tests.
McStatistics Statistics(const GenContext& c, McStatistics production)
{
  if (c.quick) return {20, 1000, c.threads};
  production.threads = c.threads;
  return production;
}

void GenerateDiffBsf(const GenContext& c)
{
  const McMaterials materials;
  const McStatistics statistics = Statistics(c, kDiffBsfProduction);
  const std::array<double, 31> grid = DbsfGridEnergies();
  for (const BsfPhantom phantom : {BsfPhantom::Body, BsfPhantom::Head}) {
    std::vector<DiffBsfColumn> columns;
    for (std::size_t j = 0; j < grid.size(); ++j) {
      const std::uint64_t seed = (phantom == BsfPhantom::Body ? kBodySeedBase : kHeadSeedBase) + j + 1;
      columns.push_back(RunDiffBsfColumn(materials, phantom, grid[j], seed, statistics));
      const DiffBsfColumn& col = columns.back();
      std::printf("dBSF %s %5.1f keV  BSF-1 (20x20 cm, FSD 100 cm): soft %.5f +- %.5f  air %.5f +- %.5f  "
                  "skin %.5f +- %.5f\n",
                  phantom == BsfPhantom::Body ? "body" : "head", grid[j], col.field_20x20[kBsfSoft].mean,
                  col.field_20x20[kBsfSoft].std_error, col.field_20x20[kBsfAir].mean,
                  col.field_20x20[kBsfAir].std_error, col.field_20x20[kBsfSkin].mean,
                  col.field_20x20[kBsfSkin].std_error);
      std::fflush(stdout);
    }
    for (const BsfMedium medium : {kBsfSoft, kBsfAir, kBsfSkin})
      WriteFileAtomically(c.out_dir / DiffBsfFileName(medium, phantom), DiffBsfFile(columns, medium, phantom));
  }
}

void GenerateScatterKernels(const GenContext& c)
{
  const McMaterials materials;
  const McStatistics statistics = Statistics(c, kKernelProduction);
  const std::filesystem::path folder = c.out_dir / "PDS-data";
  std::filesystem::create_directories(folder);
  for (int E = 10; E <= 150; E += 5) {
    const ScatterKernel kernel = RunScatterKernel(materials, E, kKernelSeedBase + static_cast<std::uint64_t>(E),
                                                  statistics);
    int estimated = 0;
    for (const bool e : kernel.estimated) estimated += e ? 1 : 0;
    std::printf("PDS %3d keV  rings 1-20 at 4.5-5 cm: %.5g +- %.2g  at 9.5-10 cm: %.5g +- %.2g  "
                "(keV cm2/g); %d of 6400 entries estimated\n",
                E, kernel.sum_5cm.mean, kernel.sum_5cm.std_error, kernel.sum_10cm.mean, kernel.sum_10cm.std_error,
                estimated);
    std::fflush(stdout);
    WriteFileAtomically(folder / (std::to_string(E) + ".dat"), ScatterKernelFile(kernel));
  }
}

void GenerateAtr(const GenContext& c)
{
  const McMaterials materials;
  const McStatistics statistics = Statistics(c, kAtrProduction);
  std::vector<AtrScatterPoint> scatter;
  std::uint64_t k = 0;
  for (double E = 5.0; E <= 150.0; E += 2.5) {
    scatter.push_back(RunAtrScatter(materials, E, kAtrSeedBase + ++k, statistics));
    std::printf("dATR %5.1f keV  scatter / transmitted primary at the chamber: %.5f +- %.5f\n", E,
                scatter.back().spr.mean, scatter.back().spr.std_error);
    std::fflush(stdout);
  }
  WriteFileAtomically(c.out_dir / "dATR.dat", AtrFile(BuildAtrRows(materials, scatter)));
}

}  // namespace

std::vector<Generator> MonteCarloGenerators()
{
  return {Generator{"dBSF", true, GenerateDiffBsf}, Generator{"PDS", true, GenerateScatterKernels},
          Generator{"dATR", true, GenerateAtr}};
}

}  // namespace vorn::datagen
