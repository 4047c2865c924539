// Photon interaction data for 1 keV .. 10 MeV, from xraylib's elemental data.
//
// Symbols: E energy [keV]; mass coefficients [cm2/g]; x = sin(theta/2) / lambda
// [1/Angstrom], the momentum-transfer variable of form factors and incoherent
// scattering functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn::physics {

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

// Elemental data.
double PhotoelectricMassCoeff(int Z, double E_keV);
double CoherentMassCoeff(int Z, double E_keV);
double IncoherentMassCoeff(int Z, double E_keV);
double PairNuclearMassCoeff(int Z, double E_keV);   // 0 below 1022 keV
double PairElectronMassCoeff(int Z, double E_keV);  // 0 below 2044 keV
double AtomicFormFactor(int Z, double x);
double IncoherentScatteringFunction(int Z, double x);
double KEdge_keV(int Z);  // 0 where the element has none listed

// Mixture data (mass-fraction weighted sums).
struct MassCoefficients {
  double coherent = 0.0;
  double incoherent = 0.0;
  double photoelectric = 0.0;
  double total() const { return coherent + incoherent + photoelectric; }
};
MassCoefficients MassCoeffs(const Material& material, double E_keV);
double MassAttenuation(const Material& material, double E_keV);    // total, cm2/g
double LinearAttenuation(const Material& material, double E_keV);  // 1/cm

// Mass energy-absorption coefficient, computed from the partial cross sections:
// photoelectric x (1 - mean fluorescence energy escaping / E) + incoherent x
// mean Klein-Nishina energy-transfer fraction (bremsstrahlung losses are
// negligible below 150 keV). xraylib's own CS_Energy is not used.
double MassEnergyAbsorption(const Material& material, double E_keV);

}  // namespace vorn::physics
