// The spectrum model of the computing module, shared by CalcSpectrum and the
// fits: a semi-empirical thick-target model of a tungsten anode.
// Bremsstrahlung is integrated along the slowing-down of the electrons in the
// target (Thomson-Whiddington penetration, self-absorption on the way out
// through the anode), K-line photons are added above 70 kV, and the tube
// voltage waveform is sampled at phase angles.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "beam/checked_math.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "platform/format/format.h"

namespace vorn {
namespace {

// Degrees are turned into radians with this value of pi throughout the model
// (so the sample at 90 degrees lies just below the tube voltage).
constexpr double kModelPi = 3.14159;
constexpr double kTargetDensity = 19.3;  // g/cm3, tungsten

struct PhaseSample {
  double phi_deg;
  double weight;  // tube-current weight
};

std::vector<PhaseSample> WaveformSamples(int rectificationType, double phiToRadians)
{
  std::vector<PhaseSample> samples;
  switch (rectificationType) {
  case kConstantPotential:
    samples.push_back({90.0, 1.0});
    break;
  case kThreePhase12Peak:
    for (int phi = 75; phi <= 90; ++phi) samples.push_back({double(phi), 1.0});
    break;
  case kSinglePhaseFullWave:
    for (int phi = 2; phi <= 90; phi += 2) {
      const double s = std::sin(phi * phiToRadians);
      samples.push_back({double(phi), std::pow(std::min(s / 0.75, 1.0), 1.5)});
    }
    break;
  default:  // any other code: the single-phase angles, unweighted
    for (int phi = 2; phi <= 90; phi += 2) samples.push_back({double(phi), 1.0});
    break;
  }
  return samples;
}

// Thomson-Whiddington constant of tungsten for electrons entering with V keV
// (keV^2 cm^2 / g).
double ThomsonWhiddington(double V)
{
  return 141766.0 + 12157.0 * V - 111.046 * V * V + 0.552536 * V * V * V -
         0.000970158 * V * V * V * V;
}

// K-line photons in percent of the bremsstrahlung, for a sample voltage V.
double KLineYieldPercent(double V)
{
  if (V > 70.0) return (std::sqrt(8.79856 * V - 595.149) - 4.55528) / 4.39928;
  return 0.0;
}

// Electronic stopping term S(T) of tungsten.
double StoppingTerm(double T) { return 1036.1 * std::exp(-0.04695 * T) + 202.41; }

std::string KvText(double kv) { return NumberText(kv) + " kV"; }

}  // namespace

// Steps 1-4 of the spectrum: the unfiltered, energy-weighted tube spectrum
// for tube voltage kv, summed over the waveform's phase angles with K lines.
void BeamCalculation::ComputeTubeSpectrum(double kv)
{
  if (2.0 * kv >= kLastBin + 1) {
    throw CalcError("TubeVoltage " + KvText(kv) +
                    " is beyond the energy grid, which ends at 150 kV (bin 300)");
  }
  for (int i = 1; i <= kLastBin; ++i) Spectrum[i] = 0.0;

  const double t = Condition.TargetAngle * kModelPi / 180.0;
  if (std::tan(t) == 0.0) {
    throw CalcError("TargetAngle of " + NumberText(Condition.TargetAngle) +
                    " degrees: the target angle must not be 0");
  }
  const double cot = 1.0 / std::tan(t);

  // Per electron energy T = 0.5 m keV: the stopping factor and the depth in
  // the anode (cm) at which an electron that entered with V keV has slowed to T.
  std::array<double, kLastBin + 1> stopping{};
  std::array<double, kLastBin + 1> depth{};

  for (const PhaseSample& sample : WaveformSamples(Condition.RectificationType, kModelPi / 180.0)) {
    const double V = kv * std::sin(sample.phi_deg * kModelPi / 180.0);
    const double C = ThomsonWhiddington(V);
    const double Y = KLineYieldPercent(V);

    for (int m = 2; m <= 2.0 * V; ++m) {
      const double T = 0.5 * m;
      stopping[m] = (1.0 + 511.0 / T) / StoppingTerm(T);
      depth[m] = (V * V - T * T) / (kTargetDensity * C);
    }
    for (int i = 2; i <= 2.0 * V; ++i) {
      const double E = BinEnergy_keV(i);
      const double a = 0.03658 + 0.000029 * E;
      const double muPath = Attenuation.MuTarget[i] * cot;
      double sum = 0.0;
      // Electron energies T = E, E + 0.5, ... up to V: the bin's photons come
      // from every depth at which the electrons are still above E.
      for (int m = i; m <= 2.0 * V; ++m) {
        const double u = E / (0.5 * m);
        const double B =
            a * (1.0 - 5.049 * u + 10.847 * u * u - 10.516 * u * u * u + 3.842 * u * u * u * u);
        sum += B * stopping[m] * std::exp(-muPath * depth[m]);
      }
      BremsBins[i] = RequireFinite(sum, "the bremsstrahlung of the target (TargetAngle)");
    }

    if (V > 70.0) {
      double brems = 0.0;
      for (int i = 2; i <= 2.0 * V; ++i) brems += BremsBins[i];
      const double K = 0.01 * Y * brems;
      BremsBins[119] += 0.5048 * K;  // 59.5 keV
      BremsBins[116] += 0.2908 * K;  // 58.0 keV
      BremsBins[134] += 0.162 * K;   // 67.0 keV
      BremsBins[138] += 0.0424 * K;  // 69.0 keV
    }
    for (int i = 2; i <= 2.0 * V; ++i) Spectrum[i] += sample.weight * BremsBins[i];
  }
}

// Air kerma of the unfiltered Spectrum behind the inherent filtration
// inherentAl and the condition's other filters, into FiltKermaWork.
void BeamCalculation::FormFilteredKerma(double inherentAl, double kv)
{
  const ExposureCondition& c = Condition;
  for (int i = 2; i <= 2.0 * kv; ++i) {
    double k = Spectrum[i] *
               CheckedExp(-((inherentAl + c.AddedFilterAl) * Attenuation.MuAl[i] +
                            c.AddedFilterCu * Attenuation.MuCu[i]),
                          "the filtration (InherentFilterAl too far below 0)") *
               Attenuation.MuenAir[i];
    if (OtherFilter.OtherFilterOn == 1) {
      k *= CheckedExp(-OtherFilter.OtherFilterThickness * OtherFilter.OtherFilterMu[i],
                      "the optional filter");
    }
    FiltKermaWork[i] = k;
  }
}

// Normalises FiltKermaWork to sum 1; returns the running total of the
// normalised values (1 up to rounding).
double BeamCalculation::NormaliseFilteredKerma(double kv)
{
  double k = 0.0;
  for (int i = 2; i <= 2.0 * kv; ++i) k += FiltKermaWork[i];
  if (!(k > 0.0) || !std::isfinite(k)) {
    throw CalcError("no air kerma is left behind the filtration at " + KvText(kv));
  }
  double n = 0.0;
  for (int i = 2; i <= 2.0 * kv; ++i) {
    FiltKermaWork[i] = FiltKermaWork[i] / k;
    n += FiltKermaWork[i];
  }
  return n;
}

// Air-kerma transmission in percent behind j x 0.01 cm Al, j = 1..300.
void BeamCalculation::FillTransmissionCurve(double kv, double kermaTotal)
{
  EnergyBinArray step{};
  for (int i = 2; i <= 2.0 * kv; ++i) {
    step[i] = CheckedExp(-0.01 * Attenuation.MuAl[i], "the aluminium steps (MuAl below 0)");
  }
  for (int j = 1; j <= kLastBin; ++j) {
    double sum = 0.0;
    for (int i = 2; i <= 2.0 * kv; ++i) {
      FiltKermaWork[i] *= step[i];
      sum += FiltKermaWork[i];
    }
    TransmissionCurve[j] = CheckedDivide(100.0 * sum, kermaTotal, "the transmission curve");
  }
}

// First half-value layer (cm Al): logarithmic interpolation at 50 % between
// the last step at or above it and the first step j >= 2 below it.
double BeamCalculation::FirstHvlFromCurve() const
{
  const EnergyBinArray& T = TransmissionCurve;
  int j = 2;
  while (T[j] >= 50.0) {
    ++j;
    if (j > kLastBin) {
      throw CalcError(
          "Hvl1 is beyond 3.0 cm Al: the transmission is still 50 % or more behind 3.0 cm");
    }
  }
  const double lnBelow = CheckedLog(T[j], "the transmission curve (Hvl1)");
  const double lnAbove = CheckedLog(T[j - 1], "the transmission curve (Hvl1)");
  return 0.01 * ((j - 1) + CheckedDivide(std::log(50.0) - lnAbove, lnBelow - lnAbove,
                                         "Hvl1 (equal transmissions around 50 %)"));
}

double BeamCalculation::TrialHvl(double inherentAl, double kv)
{
  FormFilteredKerma(inherentAl, kv);
  const double n = NormaliseFilteredKerma(kv);
  FillTransmissionCurve(kv, n);
  // Below the first 0.1 mm step the curve is extrapolated, and a measured
  // value of 0 (a box without a number) would drive the search to a "half-value
  // layer" of 0 or less: no beam has one, so the fit must fail, not succeed.
  const double hvl = FirstHvlFromCurve();
  if (!(hvl > 0.0)) throw CalcError("a trial half-value layer is not above 0 cm Al");
  return hvl;
}

// Effective energy (keV): the energy at which aluminium's coefficient equals
// ln 2 / hvl, by log-log interpolation between neighbouring bins.
double BeamCalculation::EffectiveEnergyFor(double hvl) const
{
  if (!(hvl > 0.0)) throw CalcError("Hvl1 is not above 0 cm: no effective energy");
  const EnergyBinArray& mu = Attenuation.MuAl;
  const double target = 0.693147 / hvl;
  int j = 2;
  while (mu[j] >= target) {
    ++j;
    if (j > kLastBin) {
      throw CalcError("EffectiveEnergy is beyond 150 keV (bin 300) for Hvl1 " +
                      NumberText(hvl) + " cm Al");
    }
  }
  const double lnMu = CheckedLog(mu[j], "MuAl (EffectiveEnergy)");
  const double lnMuPrev = CheckedLog(mu[j - 1], "MuAl (EffectiveEnergy)");
  const double lnE = std::log(BinEnergy_keV(j));
  const double lnEPrev = std::log(BinEnergy_keV(j - 1));
  const double lnEffective =
      lnE - CheckedDivide(lnMu - std::log(target), lnMu - lnMuPrev,
                          "EffectiveEnergy (equal MuAl in neighbouring bins)") *
                (lnE - lnEPrev);
  return RequireFinite(std::exp(lnEffective), "EffectiveEnergy");
}

// Photons per bin behind the filtration: the energy-weighted Spectrum times
// the attenuation of inherentAl + the added and optional filters, divided by
// the photon energy.
void BeamCalculation::FilterPhotonSpectrum(double inherentAl, double kv)
{
  const ExposureCondition& c = Condition;
  for (int i = 2; i <= 2.0 * kv; ++i) {
    double s = Spectrum[i] *
               CheckedExp(-(inherentAl + c.AddedFilterAl) * Attenuation.MuAl[i],
                          "the filtration (InherentFilterAl too far below 0)") *
               CheckedExp(-c.AddedFilterCu * Attenuation.MuCu[i], "the copper filtration") /
               BinEnergy_keV(i);
    if (OtherFilter.OtherFilterOn == 1) {
      s *= CheckedExp(-OtherFilter.OtherFilterThickness * OtherFilter.OtherFilterMu[i],
                      "the optional filter");
    }
    Spectrum[i] = s;
  }
}

// Normalises Spectrum over bins 2..2kv to sum 1, optionally storing values
// below 1e-10 as 0; returns the sum before normalising.
double BeamCalculation::NormaliseSpectrum(double kv, bool zeroBelowFloor)
{
  double s = 0.0;
  for (int i = 2; i <= 2.0 * kv; ++i) s += Spectrum[i];
  if (!(s > 0.0) || !std::isfinite(s)) {
    throw CalcError("the spectrum at TubeVoltage " + KvText(kv) +
                    " holds no photons (a tube voltage below 1 kV, or everything filtered out)");
  }
  for (int i = 2; i <= 2.0 * kv; ++i) {
    Spectrum[i] = Spectrum[i] / s;
    if (zeroBelowFloor && Spectrum[i] < 1e-10) Spectrum[i] = 0.0;
  }
  return s;
}

double BeamCalculation::AtrIndexOf(const EnergyBinArray& spectrum, double kv) const
{
  double behindPlate = 0.0;
  double freeInAir = 0.0;
  for (int i = 2; i <= 2.0 * kv; ++i) {
    behindPlate += Atr.AtrTable(1, i) * spectrum[i];
    freeInAir += Atr.AtrTable(0, i) * spectrum[i];
  }
  return CheckedDivide(behindPlate, freeInAir, "AtrIndex (the free-in-air weights sum to 0)");
}

}  // namespace vorn
