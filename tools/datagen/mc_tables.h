// The tables made by photon transport: the differential backscatter tables
// (dBSF-*.dat), the scatter kernels of the depth-dose program (PDS-data/*.dat)
// and the ATR weights (dATR.dat). Each family has a run that computes one
// energy with its statistics, and a writer that turns the runs into the file.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "physics/interaction.h"
#include "physics/mc/batch_scores.h"
#include "physics/mc/medium.h"

namespace vorn::datagen {

// How many histories a run takes, and on how many threads.
struct McStatistics {
  std::uint64_t batches = 100;
  std::uint64_t histories_per_batch = 10000;
  int threads = 0;  // 0: all cores
  std::uint64_t histories() const { return batches * histories_per_batch; }
};

// Statistics and seeds of the shipped tables (the tests regenerate a few
// entries with fewer histories and compare).
constexpr McStatistics kDiffBsfProduction{200, 50000, 0};   // 1e7 histories per energy and phantom
constexpr McStatistics kKernelProduction{200, 50000, 0};    // 1e7 per energy
constexpr McStatistics kAtrProduction{100, 20000, 0};       // 2e6 per energy
constexpr std::uint64_t kBodySeedBase = 1000;   // + column 1..31
constexpr std::uint64_t kHeadSeedBase = 2000;   // + column 1..31
constexpr std::uint64_t kKernelSeedBase = 3000;  // + energy in keV
constexpr std::uint64_t kAtrSeedBase = 4000;     // + 1, 2, ... for 5, 7.5, ... 150 keV

// The materials of every arrangement, on one energy grid up to 151 keV.
struct McMaterials {
  physics::Material soft = physics::IcruSoftTissue();
  physics::Material skin = physics::IcruSkin();
  physics::Material bone = physics::NistMaterial("Bone, Cortical (ICRP)");
  physics::Material air = physics::NistMaterial("Air, Dry (near sea level)");
  physics::Material pmma = physics::NistMaterial("Polymethyl Methacralate (Lucite, Perspex)");
  std::shared_ptr<const mc::EnergyGrid> grid = mc::MakeEnergyGrid({soft, skin, bone, air, pmma}, 151.0);
  std::shared_ptr<const mc::Medium> soft_medium = std::make_shared<mc::Medium>(soft, grid);
  std::shared_ptr<const mc::Medium> bone_medium = std::make_shared<mc::Medium>(bone, grid);
  std::shared_ptr<const mc::Medium> pmma_medium = std::make_shared<mc::Medium>(pmma, grid);
  std::shared_ptr<const mc::EnergyAbsorption> soft_en = std::make_shared<mc::EnergyAbsorption>(soft, grid);
  std::shared_ptr<const mc::EnergyAbsorption> air_en = std::make_shared<mc::EnergyAbsorption>(air, grid);
  std::shared_ptr<const mc::EnergyAbsorption> skin_en = std::make_shared<mc::EnergyAbsorption>(skin, grid);
};

// ---- Differential backscatter tables -------------------------------------

enum class BsfPhantom { Body, Head };
// The three scoring media in the order of the arrays below.
enum BsfMedium { kBsfSoft = 0, kBsfAir = 1, kBsfSkin = 2 };
constexpr int kDbsfRings = 300;
constexpr double kDbsfRingWidth_cm = 0.1;

// Grid energies of the columns: 1 keV, then 5, 10, ... 150 keV.
std::array<double, 31> DbsfGridEnergies();

// One grid energy of one phantom.
struct DiffBsfColumn {
  double E_keV = 0.0;
  std::array<std::vector<mc::Estimate>, 3> rings;  // per medium, ring n-1 for n = 1..300: contribution to BSF - 1
  std::array<mc::Estimate, 3> field_20x20;         // BSF - 1 of a 20 x 20 cm field at FSD 100 cm
};

// Pencil beam of E at normal incidence on the phantom's entrance surface;
// photons leaving that surface are scored in 1 mm rings as E' mu_en/rho(E') /
// |cos| per medium and divided by the primary's E mu_en/rho(E): by
// reciprocity, each ring's contribution to BSF - 1 when it is irradiated whole.
DiffBsfColumn RunDiffBsfColumn(const McMaterials& materials, BsfPhantom phantom, double E_keV, std::uint64_t seed,
                               const McStatistics& statistics);

// The file of one medium and phantom: a heading line, then per ring the mid
// radius (cm) and the 31 columns.
std::string DiffBsfFile(const std::vector<DiffBsfColumn>& columns, BsfMedium medium, BsfPhantom phantom);
std::string DiffBsfFileName(BsfMedium medium, BsfPhantom phantom);

// ---- Scatter kernels -----------------------------------------------------

constexpr int kKernelRings = 80;
constexpr int kKernelSlabs = 80;
constexpr double kKernelStep_cm = 0.5;

struct ScatterKernel {
  double E_keV = 0.0;
  std::vector<mc::Estimate> values;  // index (j - 1) * 80 + (m - 1): slab j, ring m; keV cm2/g per photon
  std::vector<bool> estimated;       // true where nothing was scored and the value is the fall-off estimate
  mc::Estimate sum_5cm;              // rings 1..20 (10 cm radius) of slab 10 (4.5 - 5 cm)
  mc::Estimate sum_10cm;             // rings 1..20 of slab 20 (9.5 - 10 cm)
  double& value(int m, int j) { return values[(j - 1) * kKernelRings + (m - 1)].mean; }
  double value(int m, int j) const { return values[(j - 1) * kKernelRings + (m - 1)].mean; }
};

// Pencil beam of E into 40 cm of soft tissue, laterally unbounded; track-length
// kerma of scattered photons in 0.5 cm rings by 0.5 cm slabs, divided by
// density x 0.5 cm: the scatter dose on the axis at the slab from unit
// fluence over the ring. Entries where nothing was scored are filled by
// FillUnscoredKernelEntries.
ScatterKernel RunScatterKernel(const McMaterials& materials, double E_keV, std::uint64_t seed,
                               const McStatistics& statistics);

// Gives every entry that scored exactly 0 a small positive value: from its
// scored or already filled neighbours (8 directions), attenuated by
// exp(-mu d) over the distance d between the shell centres, mu the total
// linear attenuation of soft tissue at the kernel's (highest possible)
// energy; the largest such estimate, filled outward from the scored region.
void FillUnscoredKernelEntries(ScatterKernel& kernel, double mu_total_per_cm);

// 80 rows (slabs) of 80 values (rings), each row as four lines of 20.
std::string ScatterKernelFile(const ScatterKernel& kernel);

// ---- ATR weights ---------------------------------------------------------

// The measuring arrangement: point focus; field 10 x 10 cm at 100 cm; a
// 30 x 30 cm PMMA plate, 2 cm thick, its near face 50 cm from the focus;
// the chamber on the axis at 100 cm.
constexpr double kAtrChamber_cm = 100.0;
constexpr double kAtrField_cm = 10.0;
constexpr double kAtrPlateSide_cm = 30.0;
constexpr double kAtrPlateFront_cm = 50.0;
constexpr double kAtrPlateThickness_cm = 2.0;

struct AtrScatterPoint {
  double E_keV = 0.0;
  mc::Estimate spr;  // kerma of the plate's scatter at the chamber / kerma of the transmitted primary
};

AtrScatterPoint RunAtrScatter(const McMaterials& materials, double E_keV, std::uint64_t seed,
                              const McStatistics& statistics);

struct AtrRows {
  std::array<double, 301> free_air{};  // AtrTable(0, i): E mu_en/rho(air), keV cm2/g per photon per cm2
  std::array<double, 301> behind_plate{};  // AtrTable(1, i): the same behind the plate, primary and scatter
};

// Free-air kerma per photon at each bin energy; behind the plate the primary
// transmission exp(-mu t) exactly, times (1 + SPR) with SPR interpolated
// linearly between the Monte Carlo energies (held at the lowest one below it).
// Bin 1 (0.5 keV) lies below the interaction data and below every spectrum:
// both weights 0.
AtrRows BuildAtrRows(const McMaterials& materials, const std::vector<AtrScatterPoint>& scatter);

// Heading line and 300 records: bin energy, AtrTable(0, i), AtrTable(1, i),
// their ratio. Exactly 301 lines.
std::string AtrFile(const AtrRows& rows);

}  // namespace vorn::datagen
