// Physical constants of the photon transport.
//   E energy [keV]   mu cosine of the scattering angle   x = sin(theta/2) / lambda [1/Angstrom]
#pragma once

#include <cmath>

namespace vorn::mc {

constexpr double kPi = 3.14159265358979323846;
constexpr double kElectronRestEnergy_keV = 510.99895;  // CODATA 2018
constexpr double kHc_keV_Angstrom = 12.398419843320026;  // h c, CODATA 2018

// Transport cut-off: a photon below it deposits its energy where it is.
constexpr double kCutoff_keV = 1.0;

// Momentum transfer x of a photon of energy E scattered through the cosine mu.
inline double MomentumTransfer(double E_keV, double mu)
{
  const double half = 0.5 * (1.0 - mu);
  return (E_keV / kHc_keV_Angstrom) * std::sqrt(half > 0.0 ? half : 0.0);
}

}  // namespace vorn::mc
