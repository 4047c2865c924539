// Klein-Nishina scattering of a photon by a free electron at rest.
// E photon energy [keV]; mu cosine of the scattering angle.
#pragma once

namespace vorn::physics {

// Differential cross section per electron, d sigma / d Omega [cm2/sr].
double KleinNishinaDcs_cm2_sr(double E_keV, double mu);

// Total cross section per electron [cm2], integrated numerically.
double KleinNishinaCrossSection_cm2(double E_keV);

// Mean share of the photon energy given to the electron,
// (1/sigma) * integral of d sigma/d Omega * (1 - E'/E) dOmega, integrated
// numerically over the scattered energy.
double KleinNishinaEnergyTransferFraction(double E_keV);

// Both throw std::domain_error for E <= 0 or E not finite.

}  // namespace vorn::physics
