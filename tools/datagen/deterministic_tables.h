// The data tables computed from interaction data alone. Each builder returns
// the whole file content (CR LF line ends), so tests can check it without
// touching the disk; the generators of DeterministicGenerators() write it.
#pragma once

#include <string>
#include <vector>

#include "physics/interaction.h"

namespace vorn::datagen {

inline constexpr const char* kAttCoeffFile = "Att_coeff2020.dat";
inline constexpr const char* kIcruSoftFile = "ICRUSoft.dat";
inline constexpr const char* kPrimaryFile = "Primary.dat";
inline constexpr const char* kSiteListFile = "撮影部位.txt";
inline constexpr const char* kFilterReadmeFile = "readme.txt";

// Att_coeff2020.dat: 300 records (bin i at 0.5 i keV) of 7 items: the energy,
// linear attenuation of W, Al, Cu (1/cm), mu_en/rho of air, ICRU-44 soft
// tissue and skin (cm2/g). Bin 1 (0.5 keV) lies below the interaction data;
// no spectrum reaches it, and it repeats bin 2.
std::string AttCoeffTable();

// ICRUSoft.dat: N = 37 and the density, then per row the energy (MeV) and the
// coherent, incoherent and photoelectric linear coefficients (1/cm) of
// ICRU-44 soft tissue.
std::vector<double> IcruSoftGrid_keV();
std::string IcruSoftTable();

// Primary.dat: 29 lines "E,E x mu_en/rho(soft tissue)" for 10..150 keV, then
// two lines that describe the file; no line 32 (the user name comes later).
double PrimaryFactor(double E_keV);  // keV cm2/g
std::string PrimaryTable();

// Filter material files (*.ele, *.mix) and the readme that tells a user how
// to write one.
struct FilterMaterialSpec {
  std::string file_name;     // "Cu.ele", "PMMA.mix"
  physics::Material material;  // its name is line 1 of the file
};
std::vector<FilterMaterialSpec> FilterMaterials();
// Energies of the records: a fixed grid from 1 keV to 10 MeV plus each
// absorption edge of the material's elements, which appears twice (the grid
// points within 0.5 % of an edge are dropped). At most 100 records.
struct FilterRecordEnergy {
  enum class Kind { Grid, BelowEdge, AboveEdge };
  double E_keV;
  Kind kind;  // an edge pair: values just below, then just above the jump
};
std::vector<FilterRecordEnergy> FilterRecordEnergies(const physics::Material& material);
std::string FilterMaterialFile(const FilterMaterialSpec& spec);
std::string FilterReadme();

// The Japanese examination-site list, one name a line.
std::vector<std::string> SiteNames();
std::string SiteList();

}  // namespace vorn::datagen
