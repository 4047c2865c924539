#include "physics/klein_nishina.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "physics/constants.h"

namespace vorn::physics {
namespace {

double Alpha(double E_keV)
{
  if (!(E_keV > 0.0) || !std::isfinite(E_keV))
    throw std::domain_error("Klein-Nishina: photon energy must be above 0 keV, got " +
                            std::to_string(E_keV));
  return E_keV / kElectronRestEnergy_keV;
}

struct KnIntegrals {
  double sigma;     // cm2
  double transfer;  // cm2, weighted with the energy given to the electron
};

// Integrates over u = ln(E'/E): d sigma / du = pi r_e^2 / alpha x
// (eps^2 + 1 - eps sin^2 theta), with eps = E'/E. The integrand is smooth in u
// at every energy (in mu it is sharply forward-peaked at MeV energies), so
// Simpson's rule on 512 panels is exact to better than 1e-10.
KnIntegrals Integrate(double alpha)
{
  constexpr int kPanels = 512;
  const double u0 = -std::log1p(2.0 * alpha);
  const double h = -u0 / kPanels;
  double s = 0.0, t = 0.0;
  for (int i = 0; i <= kPanels; ++i) {
    const double u = u0 + h * i;
    const double eps = std::exp(u);
    // 1 - mu = (1/eps - 1) / alpha, written without cancelling digits.
    const double one_minus_mu = -std::expm1(u) / (eps * alpha);
    const double sin2 = one_minus_mu * (2.0 - one_minus_mu);
    const double f = eps * eps + 1.0 - eps * sin2;
    const double w = (i == 0 || i == kPanels) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
    s += w * f;
    t += w * f * (-std::expm1(u));
  }
  const double scale = kPi * kClassicalElectronRadius_cm * kClassicalElectronRadius_cm / alpha * h / 3.0;
  return {s * scale, t * scale};
}

}  // namespace

double KleinNishinaDcs_cm2_sr(double E_keV, double mu)
{
  const double alpha = Alpha(E_keV);
  if (!(mu >= -1.0 && mu <= 1.0))
    throw std::domain_error("Klein-Nishina: cosine of the scattering angle outside [-1, 1]: " +
                            std::to_string(mu));
  const double eps = 1.0 / (1.0 + alpha * (1.0 - mu));
  const double sin2 = 1.0 - mu * mu;
  return 0.5 * kClassicalElectronRadius_cm * kClassicalElectronRadius_cm * eps * eps *
         (eps + 1.0 / eps - sin2);
}

double KleinNishinaCrossSection_cm2(double E_keV)
{
  return Integrate(Alpha(E_keV)).sigma;
}

double KleinNishinaEnergyTransferFraction(double E_keV)
{
  const KnIntegrals k = Integrate(Alpha(E_keV));
  return k.transfer / k.sigma;
}

}  // namespace vorn::physics
