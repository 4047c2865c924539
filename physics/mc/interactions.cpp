#include "physics/mc/interactions.h"

#include <cmath>

#include "physics/mc/constants.h"

namespace vorn::mc {

double ComptonEnergy(double E_keV, double mu)
{
  return E_keV / (1.0 + (E_keV / kElectronRestEnergy_keV) * (1.0 - mu));
}

double KleinNishinaPerSolidAngle(double E_keV, double mu)
{
  const double ratio = ComptonEnergy(E_keV, mu) / E_keV;  // E'/E
  return 0.5 * ratio * ratio * (ratio + 1.0 / ratio - 1.0 + mu * mu);
}

double SampleThomsonMu(Rng& rng)
{
  // Envelope uniform in mu; acceptance (1 + mu^2)/2 is at least 1/2.
  while (true) {
    const double mu = 2.0 * rng.uniform() - 1.0;
    if (2.0 * rng.uniform() < 1.0 + mu * mu) return mu;
  }
}

ScatterSample SampleKleinNishina(double E_keV, Rng& rng)
{
  // Kahn (1956), in the variable x = E/E' in [1, 1 + 2 alpha]: two branches
  // chosen with weights beta : 8 and each corrected by rejection.
  const double alpha = E_keV / kElectronRestEnergy_keV;
  const double beta = 1.0 + 2.0 * alpha;
  const double t = beta / (beta + 8.0);
  while (true) {
    if (rng.uniform() < t) {
      const double r = 2.0 * rng.uniform();
      const double x = 1.0 + alpha * r;
      if (rng.uniform() < 4.0 * (1.0 / x - 1.0 / (x * x))) return {E_keV / x, 1.0 - r};
    } else {
      const double x = beta / (1.0 + 2.0 * alpha * rng.uniform());
      const double mu = 1.0 + (1.0 - x) / alpha;
      if (rng.uniform() < 0.5 * (mu * mu + 1.0 / x)) return {E_keV / x, mu};
    }
  }
}

ScatterSample SampleIncoherent(double E_keV, const IncoherentFunctionTable& S, Rng& rng)
{
  while (true) {
    const ScatterSample s = SampleKleinNishina(E_keV, rng);
    if (rng.uniform() < S(MomentumTransfer(E_keV, s.mu))) return s;
  }
}

double SampleCoherentMu(double E_keV, const CoherentFormTable& F2, Rng& rng)
{
  const double k = E_keV / kHc_keV_Angstrom;  // largest x, at backscatter
  const double s_max = k * k;
  while (true) {
    const double s = F2.sample_s(s_max, rng.uniform());
    const double mu = 1.0 - 2.0 * s / s_max;
    if (2.0 * rng.uniform() < 1.0 + mu * mu) return mu;
  }
}

double SampleAzimuth(Rng& rng) { return 2.0 * kPi * rng.uniform(); }

}  // namespace vorn::mc
