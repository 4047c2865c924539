// Sampling of the photon interactions: Klein-Nishina and incoherent
// scattering, Thomson and coherent scattering, isotropic emission.
#pragma once

#include <cmath>

#include "physics/mc/rng.h"
#include "physics/mc/scattering_tables.h"
#include "physics/mc/vec3.h"

namespace vorn::mc {

struct ScatterSample {
  double E_keV;  // energy after scattering
  double mu;     // cosine of the scattering angle
};

// Energy of a photon of energy E after Compton scattering through the cosine mu
// off a free electron at rest.
double ComptonEnergy(double E_keV, double mu);

// Klein-Nishina cross section per unit solid angle, in units of r_e^2:
// 0.5 (E'/E)^2 (E'/E + E/E' - 1 + mu^2).
double KleinNishinaPerSolidAngle(double E_keV, double mu);

// Thomson scattering, density (3/8)(1 + mu^2) on [-1, 1].
double SampleThomsonMu(Rng& rng);

// Free-electron Compton scattering (Kahn's rejection method, as used in the
// classic photon codes; efficient for E well below 1.5 MeV).
ScatterSample SampleKleinNishina(double E_keV, Rng& rng);

// Incoherent scattering: Klein-Nishina times S(x)/S(infinity), by rejection.
// Binding lowers the forward (small x) scattering.
ScatterSample SampleIncoherent(double E_keV, const IncoherentFunctionTable& S, Rng& rng);

// Coherent scattering: Thomson times F^2(x). x^2 is drawn from F^2 over the
// allowed range, then the Thomson factor (1 + mu^2)/2 is applied by rejection.
double SampleCoherentMu(double E_keV, const CoherentFormTable& F2, Rng& rng);

// A uniform azimuth by its cosine and sine.
struct Azimuth {
  double cos_phi;
  double sin_phi;
};

// A point (x, y) uniform in the unit disc has a uniform polar angle t; the
// doubled angle 2t is as uniform, and its cosine and sine, (x^2 - y^2) / r^2
// and 2xy / r^2, need no trigonometric call. The disc takes pi/4 of the
// square's points.
inline Azimuth SampleAzimuthCosSin(Rng& rng)
{
  while (true) {
    const double x = 2.0 * rng.uniform() - 1.0;
    const double y = 2.0 * rng.uniform() - 1.0;
    const double r2 = x * x + y * y;
    if (r2 <= 1.0 && r2 > 0.0) {
      const double inv = 1.0 / r2;
      return {(x - y) * (x + y) * inv, 2.0 * x * y * inv};
    }
  }
}

// A direction uniform on the unit sphere.
inline Vec3 SampleIsotropic(Rng& rng)
{
  const double mu = 2.0 * rng.uniform() - 1.0;
  const Azimuth phi = SampleAzimuthCosSin(rng);
  const double s = SqrtOfPositivePart(1.0 - mu * mu);
  return {s * phi.cos_phi, s * phi.sin_phi, mu};
}

// The azimuth, uniform in [0, 2 pi).
double SampleAzimuth(Rng& rng);

// Distance to the next interaction in a medium of total attenuation mu [1/cm]:
// -ln(u) / mu with u in (0, 1], always finite.
inline double SampleFreePath(double mu_total_per_cm, Rng& rng)
{
  return -std::log(rng.uniform_positive()) / mu_total_per_cm;
}

}  // namespace vorn::mc
