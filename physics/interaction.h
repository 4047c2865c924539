// Photon interaction data for 1 keV .. 10 MeV, from xraylib's elemental data.
//
// Symbols: E energy [keV]; mass coefficients [cm2/g]; x = sin(theta/2) / lambda
// [1/Angstrom], the momentum-transfer variable of form factors and incoherent
// scattering functions.
//
// Range and errors: elements Z = 1 .. 98; energies 1 keV .. 10 MeV. An atomic
// number outside that range throws std::invalid_argument, an energy outside it
// (or a negative x) std::domain_error; a failure reported by xraylib itself
// throws std::domain_error with xraylib's message and the arguments.
//
// xraylib tabulates the partial cross sections up to 800 keV only. Above that
// the coherent part falls as 1/E^2 (form-factor limit), the incoherent part
// is the free-electron Klein-Nishina cross section less a binding deficit
// that fades as 1/E from its value at 800 keV, and the photoelectric
// part the shape of Sauter's K-shell cross section, each joined continuously
// to xraylib's value at 800 keV. Pair production comes from the Born
// (Bethe-Heitler) cross section without screening (physics/pair_production.h).
//
// Every function is pure (no caches), so any thread may call any of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn::physics {

constexpr double kMinEnergy_keV = 1.0;
constexpr double kMaxEnergy_keV = 10000.0;
constexpr int kMaxZ = 98;

struct ElementFraction {
  int Z;                 // atomic number
  double mass_fraction;  // of the material, 0..1
};

/// A material by mass fractions.
/// Invariant: at least one element, fractions positive and summing to 1
/// (normalised at construction), density above 0.
struct Material {
  std::string name;
  std::vector<ElementFraction> elements;
  double density_g_cm3 = 0.0;
};

// Builds a material, normalising the fractions; throws std::invalid_argument
// on an empty list, a fraction <= 0, an unknown element or a density <= 0.
Material MakeMaterial(std::string name, std::vector<ElementFraction> elements, double density_g_cm3);

Material PureElement(int Z, double density_g_cm3);
// ICRU Report 44 soft tissue (1.06 g/cm3) and skin (1.09 g/cm3), trace elements included.
Material IcruSoftTissue();
Material IcruSkin();
// A compound of xraylib's NIST list by its name there, e.g. "Air, Dry (near sea level)";
// throws std::invalid_argument for a name that is not in the list.
Material NistMaterial(std::string_view nist_name);

// Element names and weights.
std::string ElementSymbol(int Z);            // "W" for 74
int AtomicNumber(std::string_view symbol);   // 74 for "W"; throws std::invalid_argument
double AtomicWeight(int Z);                  // g/mol

// Elemental data.
double PhotoelectricMassCoeff(int Z, double E_keV);
double CoherentMassCoeff(int Z, double E_keV);
double IncoherentMassCoeff(int Z, double E_keV);
double PairNuclearMassCoeff(int Z, double E_keV);   // 0 below 1022 keV
double PairElectronMassCoeff(int Z, double E_keV);  // 0 below 2044 keV
double AtomicFormFactor(int Z, double x);
double IncoherentScatteringFunction(int Z, double x);
// K edge where xraylib's photoelectric data jump (within a few eV of the
// tabulated edge energy); 0 where the element has none listed.
double KEdge_keV(int Z);

// Absorption edges (K, L1-L3, M1-M5) of an element from lo_keV to hi_keV,
// rising; xraylib's photoelectric data jump exactly there.
std::vector<double> AbsorptionEdges_keV(int Z, double lo_keV = kMinEnergy_keV,
                                        double hi_keV = kMaxEnergy_keV);

// Fluorescence data for transport codes.
// Share of the photoelectric absorptions at E that take place in the K shell:
// 1 - 1/(K jump ratio) above the K edge, 0 below it.
double KShellPhotoFraction(int Z, double E_keV);
double KFluorescenceYield(int Z);   // 0 for elements without K lines (H, He)
// Mean energy of the K lines, weighted by their radiative rates.
double MeanKLineEnergy_keV(int Z);  // 0 for elements without K lines
// Mean energy of the fluorescence photons emitted per photoelectric absorption
// at E: K and L shells split by jump ratios, plus the L lines that follow a
// K alpha line; Coster-Kronig and Auger cascades neglected.
double MeanFluorescenceEnergy_keV(int Z, double E_keV);

// Mixture data (mass-fraction weighted sums).
struct MassCoefficients {
  double coherent = 0.0;
  double incoherent = 0.0;
  double photoelectric = 0.0;
  double pair = 0.0;  // nuclear and electron field together; 0 below 1022 keV
  double total() const { return coherent + incoherent + photoelectric + pair; }
};
MassCoefficients MassCoeffs(const Material& material, double E_keV);
double MassAttenuation(const Material& material, double E_keV);    // total, cm2/g
double LinearAttenuation(const Material& material, double E_keV);  // 1/cm

// Mass energy-absorption coefficient, computed from the partial cross sections:
// photoelectric x (1 - mean fluorescence energy escaping / E) + incoherent x
// mean Klein-Nishina energy-transfer fraction (bremsstrahlung losses are
// negligible below 150 keV; above 1022 keV pair production adds its share
// times (1 - 1022 keV / E)). xraylib's own CS_Energy is not used.
double MassEnergyAbsorption(const Material& material, double E_keV);

}  // namespace vorn::physics
