// The differential backscatter tables by pencil beam and reciprocity.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "beam/field_rings.h"
#include "physics/mc/layered_slab.h"
#include "physics/mc/tallies/ring_exit.h"
#include "physics/mc/transport.h"
#include "tools/datagen/mc_tables.h"
#include "tools/datagen/text_out.h"

namespace vorn::datagen {

std::array<double, 31> DbsfGridEnergies()
{
  std::array<double, 31> E{};
  E[0] = 1.0;
  for (int j = 1; j < 31; ++j) E[j] = 5.0 * j;
  return E;
}

DiffBsfColumn RunDiffBsfColumn(const McMaterials& materials, BsfPhantom phantom, double E_keV, std::uint64_t seed,
                               const McStatistics& statistics)
{
  mc::Problem problem;
  if (phantom == BsfPhantom::Body) {
    // ICRU-44 soft tissue, 20 cm thick.
    problem.geometry = std::make_shared<mc::LayeredSlab>(std::vector<double>{0.0, 20.0});
    problem.media = {materials.soft_medium};
  } else {
    // Scalp 0.5 cm, skull 0.7 cm of cortical bone, brain as soft tissue to 15 cm.
    problem.geometry = std::make_shared<mc::LayeredSlab>(std::vector<double>{0.0, 0.5, 1.2, 15.0});
    problem.media = {materials.soft_medium, materials.bone_medium, materials.soft_medium};
  }
  problem.source = std::make_shared<mc::PencilBeam>(mc::Vec3{0.0, 0.0, -1.0}, mc::Vec3{0.0, 0.0, 1.0}, E_keV);

  // The summary: BSF - 1 of a 20 x 20 cm field at FSD 100 cm, with the very
  // ring weights the main program sums the tables with.
  const RingWeights field = RectangularFieldRings(20.0, 20.0, 100.0, 100.0);
  mc::RingExitTally::Options options;
  options.z_plane = 0.0;
  options.ring_width = kDbsfRingWidth_cm;
  options.rings = kDbsfRings;
  options.summary_weights = {std::vector<double>(field.begin() + 1, field.end())};
  auto rings = std::make_shared<mc::RingExitTally>(
      std::vector<std::shared_ptr<const mc::EnergyAbsorption>>{materials.soft_en, materials.air_en, materials.skin_en},
      options);
  problem.tallies = {rings};
  mc::RunTransport(problem, {.seed = seed,
                             .batches = statistics.batches,
                             .histories_per_batch = statistics.histories_per_batch,
                             .threads = statistics.threads});

  DiffBsfColumn column;
  column.E_keV = E_keV;
  const mc::EnergyAbsorption* scoring[3] = {materials.soft_en.get(), materials.air_en.get(), materials.skin_en.get()};
  for (int m = 0; m < 3; ++m) {
    const double primary = E_keV * scoring[m]->mu_en_rho_at(E_keV);
    for (int n = 0; n < kDbsfRings; ++n) {
      const mc::Estimate e = rings->ring(static_cast<std::size_t>(m), n);
      column.rings[m].push_back({e.mean / primary, e.std_error / primary});
    }
    const mc::Estimate s = rings->summary(static_cast<std::size_t>(m), 0);
    column.field_20x20[m] = {s.mean / primary, s.std_error / primary};
  }
  return column;
}

std::string DiffBsfFileName(BsfMedium medium, BsfPhantom phantom)
{
  static const char* const kMedium[3] = {"SoftDose", "AirDose", "SkinDose"};
  return std::string("dBSF-") + kMedium[medium] + (phantom == BsfPhantom::Body ? "-SoftPhantom.dat" : "-Soft_Head.dat");
}

std::string DiffBsfFile(const std::vector<DiffBsfColumn>& columns, BsfMedium medium, BsfPhantom phantom)
{
  const std::array<double, 31> grid = DbsfGridEnergies();
  if (columns.size() != grid.size()) throw std::invalid_argument("DiffBsfFile: needs the 31 grid energies");
  for (std::size_t j = 0; j < grid.size(); ++j)
    if (columns[j].E_keV != grid[j]) throw std::invalid_argument("DiffBsfFile: columns out of grid order");

  static const char* const kWhat[3] = {"soft-tissue dose", "air kerma", "skin dose"};
  std::string text = std::string("Contribution of each 1 mm ring to BSF - 1 for ") + kWhat[medium] + "; " +
                     (phantom == BsfPhantom::Body ? "body phantom (20 cm ICRU-44 soft tissue)"
                                                  : "head phantom (0.5 cm soft tissue / 0.7 cm cortical bone / "
                                                    "soft tissue to 15 cm)") +
                     ". Columns: ring mid radius (cm); photon energies 1 5 10 ... 150 keV. Monte Carlo by "
                     "vorn-datagen";
  text += kCrLf;
  for (int n = 1; n <= kDbsfRings; ++n) {
    char radius[16];
    std::snprintf(radius, sizeof radius, "%.2f", kDbsfRingWidth_cm * n - 0.5 * kDbsfRingWidth_cm);
    text += radius;
    for (const DiffBsfColumn& c : columns) {
      text += ',';
      text += Sci(c.rings[medium][n - 1].mean);
    }
    text += kCrLf;
  }
  return text;
}

}  // namespace vorn::datagen
