// Central-axis percentage depth dose: a primary part from the attenuated
// spectrum and a scatter part from the scatter kernels summed over the rings
// of the field, on 0.5 cm slabs, in percent of the first slab's total.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "beam/ring_count.h"
#include "depthdose/depth_dose_calculation.h"
#include "depthdose/ring_share.h"
#include "depthdose/scatter_kernel.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "text/depthdose_texts.h"
#include "text/error_texts.h"

namespace vorn::pdd {

namespace {

// The divisions and logarithms of the computation raise an error where the
// old runtime did, instead of going on with an infinity or NaN.
double Divide(double numerator, double denominator, const char* what)
{
  if (denominator == 0.0) throw CalcError(std::string("division by zero in ") + what);
  return numerator / denominator;
}

double Ln(double x, const std::string& what)
{
  if (!(x > 0.0)) throw CalcError("the logarithm of " + what + " (" + NumberText(x) + ") cannot be taken");
  return std::log(x);
}

// The same for a value read from the attenuation table, told in the edition's words.
double LnOfTableValue(double x, std::string_view pattern)
{
  if (!(x > 0.0)) throw CalcError(FillIn(pattern, {NumberText(x)}));
  return std::log(x);
}

// How far a ring's share may stray outside 0..1 by rounding alone.
constexpr double kShareRounding = 1e-9;

void CheckFinite(double x, const char* what)
{
  if (!std::isfinite(x)) throw CalcError(std::string("overflow in ") + what);
}

// Total linear attenuation coefficient (1/cm) of the soft-tissue table at
// energy E (keV): its partial coefficients interpolated log-log between the
// two rows that bracket E (a row at E itself is the lower one).
double AttenuationAt(const DepthDoseCalculation& module, double E)
{
  const auto& table = module.AttnTable;
  const DepthDoseCauseTexts& causes = DepthDoseCauseTextsFor(module.edition());
  int k = 2;
  while (E >= table[4][k]) {
    ++k;
    if (k > kLastAttnRow) {
      throw CalcError(FillIn(causes.BeyondAttenuationTable, {NumberText(E)}));
    }
  }
  const double x = std::log(E);
  const double x1 = LnOfTableValue(table[4][k - 1], causes.EnergyWithoutLogarithm);
  const double x2 = LnOfTableValue(table[4][k], causes.EnergyWithoutLogarithm);
  const double t = Divide(x - x1, x2 - x1, "the energy interpolation of the attenuation");
  double mu = 0.0;
  for (int c = 1; c <= 3; ++c) {
    const double lower = LnOfTableValue(table[c][k - 1], causes.CoefficientWithoutLogarithm);
    const double upper = LnOfTableValue(table[c][k], causes.CoefficientWithoutLogarithm);
    mu += std::exp(lower + (upper - lower) * t);
  }
  return mu;
}

}  // namespace

bool DepthDoseCalculation::CalcDepthDose()
{
  DepthDoseComputed = false;
  try {
    ComputeDepthDose();
    DepthDoseComputed = true;
    return true;
  } catch (const std::exception& e) {
    if (OnCalcFailure) {
      OnCalcFailure({std::string(DepthDoseTextsFor(edition_).DepthDoseFailed), ErrorText(e, edition_, folder_)});
    }
    return false;
  }
}

void DepthDoseCalculation::ComputeDepthDose()
{
  for (int j = 1; j <= kLastSlab; ++j) {
    PrimaryDose[j] = 0.0;
    ScatterDose[j] = 0.0;
    for (int i = 1; i <= kLastBin; ++i) ScatterByEnergy[i][j] = 0.0;
  }

  // The hand-over is checked first, so that the message names the value
  // rather than a division or an empty sum it leads to.
  const DepthDoseCauseTexts& causes = DepthDoseCauseTextsFor(edition_);
  const auto require_above_zero = [](double value, std::string_view pattern) {
    if (!(value > 0.0) || !std::isfinite(value)) throw CalcError(FillIn(pattern, {NumberText(value)}));
  };
  require_above_zero(InTubeVoltage, causes.TubeVoltageNotAboveZero);
  require_above_zero(InFFD, causes.FfdNotAboveZero);
  require_above_zero(InFSD, causes.FsdNotAboveZero);
  if (!(InFieldLength >= 0.0 && InFieldWidth >= 0.0) || !std::isfinite(InFieldLength) ||
      !std::isfinite(InFieldWidth)) {
    throw CalcError(FillIn(causes.FieldSideBelowZero, {NumberText(InFieldLength), NumberText(InFieldWidth)}));
  }
  // Not needed for the depth dose, but no organ dose may be taken from it.
  if (!(InEntranceSurfaceDose >= 0.0) || !std::isfinite(InEntranceSurfaceDose)) {
    throw CalcError(FillIn(causes.SurfaceDoseBelowZero, {NumberText(InEntranceSurfaceDose)}));
  }
  for (int i = 1; i <= kLastBin; ++i) {
    if (!(InSpectrum[i] >= 0.0) || !std::isfinite(InSpectrum[i])) {
      throw CalcError(FillIn(causes.SpectrumValueBelowZero, {NumberText(InSpectrum[i]), std::to_string(7 + i)}));
    }
  }

  const int n = SlabCount(InObjectThickness);
  if (n < 1) throw CalcError(FillIn(causes.NoSlab, {NumberText(InObjectThickness)}));

  const bool circular = InFieldWidth == 0.0;
  if (InFieldLength < InFieldWidth) std::swap(InFieldLength, InFieldWidth);
  InFieldLength = Divide(InFieldLength * InFSD, InFFD, "the field size at the surface") / 2.0;
  InFieldWidth = Divide(InFieldWidth * InFSD, InFFD, "the field size at the surface") / 2.0;

  const double last_bin_d = std::floor(2.0 * InTubeVoltage);
  if (last_bin_d > kLastBin) throw CalcError(std::string(causes.VoltageAbove150));
  const int last_bin = static_cast<int>(std::max(last_bin_d, 0.0));
  if (last_bin < 21) {
    throw CalcError(FillIn(causes.NoPhotonToCompute, {NumberText(InTubeVoltage)}));
  }

  // Inverse-square factor from the surface to the centre of slab j.
  auto inverse_square = [this](int j) {
    const double r = InFSD + SlabCentre_cm(j);
    return Divide(InFSD * InFSD, r * r, "the inverse-square factor");
  };

  // Primary part.
  for (int i = 21; i <= last_bin; ++i) {
    const double E = 0.5 * i;
    const double mu = AttenuationAt(*this, E);
    for (int j = 1; j <= n; ++j) {
      PrimaryDose[j] += InSpectrum[i] * inverse_square(j) * PrimaryFactor[i] * std::exp(-mu * SlabCentre_cm(j));
    }
  }

  // Scatter at the kernel energies: every kernel, whatever the tube voltage.
  for (int E_keV = kFirstKernel_keV; E_keV <= kLastKernel_keV; E_keV += kKernelStep_keV) {
    const int k = 2 * E_keV;
    ReadScatterKernel(FilePath(ScatterKernelPath(E_keV)), ScatterKernel);
    for (int j = 1; j <= n; ++j) {
      const double g = inverse_square(j);
      // The product first, as at the surface; a half-diagonal on a ring
      // boundary counts as on it (see ring_count.h).
      const double focus_to_slab = InFSD + SlabCentre_cm(j);
      const double a = Divide(InFieldLength * focus_to_slab, InFSD, "the field size at depth");
      const double b = Divide(InFieldWidth * focus_to_slab, InFSD, "the field size at depth");
      const double R = std::sqrt(a * a + b * b);
      const double rings = WholeRingsWithin(2.0 * R) + 1.0;
      if (!(rings <= kLastRing)) {
        throw CalcError(FillIn(causes.TooManyRings, {NumberText(R), NumberText(SlabCentre_cm(j))}));
      }
      const int M = static_cast<int>(rings);
      for (int m = 1; m <= M; ++m) {
        // In a circular field the ring that holds the edge counts whole.
        double s = 1.0;
        if (!circular) {
          s = RingShareInRectangle(0.5 * (m - 1), 0.5 * m, a, b, PiValue).share;
          // Beyond rounding, a share outside 0..1 is a fault of the geometry, not a ring.
          if (!(s >= -kShareRounding && s <= 1.0 + kShareRounding)) {
            throw CalcError(FillIn(causes.RingShareOutside, {std::to_string(m), NumberText(s),
                                                              NumberText(SlabCentre_cm(j))}));
          }
          s = std::clamp(s, 0.0, 1.0);
        }
        ScatterByEnergy[k][j] += ScatterKernel[m][j] * g * s;
      }
    }
  }

  // Scatter between the kernel energies: log-linear in energy between the
  // two kernel sums around each bin. A sum of 0 (kernels without scatter
  // there) has no logarithm; the interpolation tends to 0 towards it, and
  // that is the scatter. (Taking it as 1 gave a fixed scatter of the order of
  // the whole first slab's dose at every depth.)
  for (int i = 21; i <= last_bin; ++i) {
    if (i % 10 == 0) continue;  // a kernel energy keeps its own sum
    const double E = 0.5 * i;
    int k = 20;
    while (E >= 0.5 * k) k += 10;
    const double Dk = 0.5 * k - E;
    for (int j = 1; j <= n; ++j) {
      if (ScatterByEnergy[k][j] == 0.0 || ScatterByEnergy[k - 10][j] == 0.0) {
        ScatterByEnergy[i][j] = 0.0;
        continue;
      }
      const double L2 = Ln(ScatterByEnergy[k][j], "a kernel sum");
      const double L1 = Ln(ScatterByEnergy[k - 10][j], "a kernel sum");
      ScatterByEnergy[i][j] = std::exp(L2 - (Dk / 5.0) * (L2 - L1));
    }
  }

  for (int j = 1; j <= n; ++j) {
    double sum = 0.0;
    for (int i = 21; i <= last_bin; ++i) sum += InSpectrum[i] * ScatterByEnergy[i][j];
    ScatterDose[j] = sum;
    CheckFinite(PrimaryDose[j], "the primary dose");
    CheckFinite(ScatterDose[j], "the scatter dose");
  }

  // Each share is formed as a quotient first, so that slab 1's total is
  // exactly 100.
  const double D1 = PrimaryDose[1] + ScatterDose[1];
  CheckFinite(D1, "the dose of the first slab");
  if (D1 == 0.0) throw CalcError("the dose of the first slab is zero");
  for (int j = 1; j <= n; ++j) {
    PddTable[1][j] = 100.0 * (PrimaryDose[j] / D1);
    PddTable[2][j] = 100.0 * (ScatterDose[j] / D1);
    PddTable[3][j] = 100.0 * ((PrimaryDose[j] + ScatterDose[j]) / D1);
  }

  WritePddScratchFile(n);
}

void DepthDoseCalculation::WritePddScratchFile(int slab_count) const
{
  // Replaced in one step like every other file: a reader, or a kill, never
  // finds half a table.
  std::string text;
  for (int j = 1; j <= slab_count; ++j) {
    text += PddScratchLine(edition_, SlabCentre_cm(j), PddTable[1][j], PddTable[2][j], PddTable[3][j]);
    text += "\r\n";
  }
  WriteFileAtomically(FilePath(kPddScratchFileName), text);
}

}  // namespace vorn::pdd
