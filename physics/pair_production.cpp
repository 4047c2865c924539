#include "physics/pair_production.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "physics/constants.h"

namespace vorn::physics {
namespace {

constexpr double kZeta3 = 1.2020569031595943;

// Maximon (1968), threshold expansion; k = E / m c^2 (2 < k <= 4).
double MaximonLow(double k)
{
  const double eps = (2.0 * k - 4.0) / (2.0 + k + 2.0 * std::sqrt(2.0 * k));
  const double r = (k - 2.0) / k;
  return 2.0 * kPi / 3.0 * r * r * r *
         (1.0 + eps / 2.0 + 23.0 / 40.0 * eps * eps + 11.0 / 60.0 * std::pow(eps, 3) +
          29.0 / 960.0 * std::pow(eps, 4));
}

// Maximon (1968), high-energy expansion in (2/k)^2 (k >= 4).
double MaximonHigh(double k)
{
  const double L = std::log(2.0 * k);
  const double t2 = (2.0 / k) * (2.0 / k);
  const double pi2 = kPi * kPi;
  return 28.0 / 9.0 * L - 218.0 / 27.0 +
         t2 * (6.0 * L - 3.5 + 2.0 / 3.0 * L * L * L - L * L - pi2 / 3.0 * L + 2.0 * kZeta3 + pi2 / 6.0) -
         t2 * t2 * (3.0 / 16.0 * L + 1.0 / 8.0) -
         t2 * t2 * t2 * (29.0 / (9.0 * 256.0) * L - 77.0 / (27.0 * 512.0));
}

void CheckArguments(int Z, double E_keV)
{
  if (Z < 1 || Z > 98)
    throw std::invalid_argument("pair production: no element with atomic number " + std::to_string(Z));
  if (!(E_keV > 0.0) || !std::isfinite(E_keV))
    throw std::domain_error("pair production: photon energy must be above 0 keV, got " +
                            std::to_string(E_keV));
}

constexpr double kUnit_cm2 = kFineStructure * kClassicalElectronRadius_cm * kClassicalElectronRadius_cm;

}  // namespace

double BetheHeitlerUnitCrossSection(double E_keV)
{
  const double k = E_keV / kElectronRestEnergy_keV;
  if (!(k > 2.0)) return 0.0;
  return k <= 4.0 ? MaximonLow(k) : MaximonHigh(k);
}

double PairNuclearCrossSection_cm2(int Z, double E_keV)
{
  CheckArguments(Z, E_keV);
  return kUnit_cm2 * Z * Z * BetheHeitlerUnitCrossSection(E_keV);
}

double PairElectronCrossSection_cm2(int Z, double E_keV)
{
  CheckArguments(Z, E_keV);
  const double shifted = E_keV - 2.0 * kElectronRestEnergy_keV;
  if (shifted <= 2.0 * kElectronRestEnergy_keV) return 0.0;
  return kUnit_cm2 * Z * BetheHeitlerUnitCrossSection(shifted);
}

}  // namespace vorn::physics
