// Sampling of the photon interactions: Klein-Nishina and incoherent
// scattering, Thomson and coherent scattering, isotropic emission.
#pragma once

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

// A direction uniform on the unit sphere.
Vec3 SampleIsotropic(Rng& rng);

// The azimuth, uniform in [0, 2 pi).
double SampleAzimuth(Rng& rng);

// Distance to the next interaction in a medium of total attenuation mu [1/cm].
double SampleFreePath(double mu_total_per_cm, Rng& rng);

}  // namespace vorn::mc
