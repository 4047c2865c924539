// The ATR weights: air kerma free in air and behind 2 cm of PMMA.
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "physics/mc/bodies.h"
#include "physics/mc/shapes/box.h"
#include "physics/mc/tallies/point_detector.h"
#include "physics/mc/transport.h"
#include "tools/datagen/mc_tables.h"
#include "tools/datagen/text_out.h"

namespace vorn::datagen {

AtrScatterPoint RunAtrScatter(const McMaterials& materials, double E_keV, std::uint64_t seed,
                              const McStatistics& statistics)
{
  mc::Problem problem;
  problem.geometry = std::make_shared<mc::Bodies>(std::vector<std::shared_ptr<const mc::ConvexShape>>{
      std::make_shared<mc::Box>(
          mc::Box::Plate(kAtrPlateSide_cm, kAtrPlateSide_cm, kAtrPlateFront_cm, kAtrPlateThickness_cm))});
  problem.media = {materials.pmma_medium};
  auto source = std::make_shared<mc::PointSourceField>(kAtrField_cm, kAtrField_cm, kAtrChamber_cm, E_keV);
  problem.source = source;
  auto chamber = std::make_shared<mc::PointDetectorTally>(mc::Vec3{0.0, 0.0, kAtrChamber_cm}, materials.air_en);
  problem.tallies = {chamber};
  mc::RunTransport(problem, {.seed = seed,
                             .batches = statistics.batches,
                             .histories_per_batch = statistics.histories_per_batch,
                             .threads = statistics.threads});

  // Primary kerma at the chamber per emitted photon: photons spread evenly
  // over the field's solid angle, so the fluence there is 1 / (Omega d^2).
  const double free_air = E_keV * materials.air_en->mu_en_rho_at(E_keV) /
                          (source->solid_angle() * kAtrChamber_cm * kAtrChamber_cm);
  const double transmission =
      std::exp(-physics::LinearAttenuation(materials.pmma, E_keV) * kAtrPlateThickness_cm);
  const double primary = free_air * transmission;
  const mc::Estimate k = chamber->kerma();
  AtrScatterPoint point;
  point.E_keV = E_keV;
  point.spr = {k.mean / primary, k.std_error / primary};
  return point;
}

AtrRows BuildAtrRows(const McMaterials& materials, const std::vector<AtrScatterPoint>& scatter)
{
  if (scatter.empty()) throw std::invalid_argument("BuildAtrRows: needs at least one Monte Carlo energy");
  for (std::size_t k = 1; k < scatter.size(); ++k)
    if (!(scatter[k].E_keV > scatter[k - 1].E_keV))
      throw std::invalid_argument("BuildAtrRows: Monte Carlo energies must increase");
  AtrRows rows;
  for (int i = 2; i <= 300; ++i) {
    const double E = 0.5 * i;
    rows.free_air[i] = E * physics::MassEnergyAbsorption(materials.air, E);
    // Scatter-to-primary ratio: linear between the Monte Carlo energies, held
    // at the end values beyond them.
    double spr = scatter.front().spr.mean;
    if (E >= scatter.back().E_keV) {
      spr = scatter.back().spr.mean;
    } else if (E > scatter.front().E_keV) {
      std::size_t k = 1;
      while (scatter[k].E_keV < E) ++k;
      const AtrScatterPoint& lo = scatter[k - 1];
      const AtrScatterPoint& hi = scatter[k];
      spr = lo.spr.mean + (hi.spr.mean - lo.spr.mean) * (E - lo.E_keV) / (hi.E_keV - lo.E_keV);
    }
    const double transmission = std::exp(-physics::LinearAttenuation(materials.pmma, E) * kAtrPlateThickness_cm);
    rows.behind_plate[i] = rows.free_air[i] * transmission * (1.0 + spr);
  }
  return rows;
}

std::string AtrFile(const AtrRows& rows)
{
  std::string text =
      "ATR weights per 0.5 keV bin: E (keV); air kerma per photon and cm2 free in air at 100 cm (E mu_en/rho of air, "
      "keV cm2/g); the same behind a 2 cm PMMA plate 30 x 30 cm at 50 cm (10 x 10 cm field at 100 cm), transmitted "
      "primary plus the plate's scatter; their ratio. Computed by vorn-datagen";
  text += kCrLf;
  for (int i = 1; i <= 300; ++i) {
    char energy[16];
    std::snprintf(energy, sizeof energy, "%.1f", 0.5 * i);
    const double ratio = rows.free_air[i] > 0.0 ? rows.behind_plate[i] / rows.free_air[i] : 0.0;
    text += std::string(energy) + ',' + Sci(rows.free_air[i]) + ',' + Sci(rows.behind_plate[i]) + ',' + Sci(ratio);
    text += kCrLf;
  }
  return text;
}

}  // namespace vorn::datagen
