#include <cmath>
#include <string>

#include "beam/checked_math.h"
#include "beam/field_rings.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "platform/format/format.h"

namespace vorn {
namespace {

void RequireVoltageOnGrid(double kv)
{
  if (2.0 * kv >= kLastBin + 1) {
    throw CalcError("TubeVoltage " + NumberText(kv) +
                    " kV is beyond the backscatter grid, which ends at 150 keV");
  }
}

}  // namespace

void BeamCalculation::CalcBsfAndSurfaceDose()
{
  const double kv = Condition.TubeVoltage;
  RequireVoltageOnGrid(kv);

  // Conversion factors over the air-kerma spectrum from bin 5 (2.5 keV) up;
  // bins 2 to 4 do not enter, so ConvFactorAir falls a little below AirWValue
  // when they carry kerma.
  double soft = 0.0;
  double skin = 0.0;
  double air = 0.0;
  const AttenuationData& a = Attenuation;
  for (int i = 5; i <= 2.0 * kv; ++i) {
    soft += KermaSpectrum[i] * CheckedDivide(a.MuenSoft[i], a.MuenAir[i], "MuenAir of 0");
    skin += KermaSpectrum[i] * CheckedDivide(a.MuenSkin[i], a.MuenAir[i], "MuenAir of 0");
    air += KermaSpectrum[i];
  }
  Result.ConvFactorSoft = soft * AirWValue;
  Result.ConvFactorSkin = skin * AirWValue;
  Result.ConvFactorAir = air * AirWValue;
  windows_.SetLabelCaption(ResultLabel::ConvFactorSoft, Format(Result.ConvFactorSoft, "#00.00"));
  windows_.SetLabelCaption(ResultLabel::ConvFactorSkin, Format(Result.ConvFactorSkin, "#00.00"));

  if (Phantom.BsfMethod == kFlatSurface) {
    CalcFlatSurfaceBsf();
  } else {
    CalcCurvedSurfaceBsf();
  }
  windows_.SetLabelCaption(ResultLabel::BsfSoft, Format(Result.BsfSoft, "#0.000"));
  windows_.SetLabelCaption(ResultLabel::BsfAir, Format(Result.BsfAir, "#0.000"));
  windows_.SetLabelCaption(ResultLabel::BsfSkin, Format(Result.BsfSkin, "#0.000"));

  // OutputAt1m is at 100 cm from the focus: 10000 / FSD^2 carries it to the
  // skin, 1000 turns Gy into mGy.
  const double fsd2 = Condition.FSD * Condition.FSD;
  const auto dose = [&](double bsf, double conv) {
    return CheckedDivide(1000.0 * bsf * conv * Result.OutputAt1m * 10000.0, fsd2,
                         "the entrance surface dose (FSD is 0)");
  };
  Result.EntranceSurfaceDoseSoft = dose(Result.BsfSoft, Result.ConvFactorSoft);
  Result.EntranceSurfaceDoseSkin = dose(Result.BsfSkin, Result.ConvFactorSkin);
  Result.EntranceSurfaceDoseAir = dose(Result.BsfAir, Result.ConvFactorAir);
  for (const double d : {Result.EntranceSurfaceDoseSoft, Result.EntranceSurfaceDoseSkin, Result.EntranceSurfaceDoseAir}) {
    if (!(d < kDoseLimit_mGy)) throw DoseBeyondLimit("entrance surface dose " + NumberText(d) + " mGy");
  }
  windows_.SetLabelCaption(ResultLabel::SurfaceDoseSoft, Format(Result.EntranceSurfaceDoseSoft, "#0.00"));
  windows_.SetLabelCaption(ResultLabel::SurfaceDoseSkin, Format(Result.EntranceSurfaceDoseSkin, "#0.00"));
  windows_.SetLabelCaption(ResultLabel::SurfaceDoseAir, Format(Result.EntranceSurfaceDoseAir, "#0.00"));
}

void BeamCalculation::CalcFlatSurfaceBsf()
{
  const ExposureCondition& c = Condition;
  const RingWeights rings =
      c.FieldShape == kRectangularField
          ? RectangularFieldRings(c.FieldLength.Cm("FieldLength"), c.FieldWidth.Cm("FieldWidth"),
                                  c.FFD, c.FSD)
          : CircularFieldRings(c.FieldLength.Cm("FieldLength"), c.FFD, c.FSD);
  const int h = Phantom.HeadFlag;
  if (h != kBodyPhantom && h != kHeadPhantom) {
    throw CalcError("HeadFlag " + std::to_string(h) + " names no backscatter table");
  }

  const auto mediumBsf = [&](const EnergyBinArray& muen, const DbsfTable& table,
                             Table2<1, kLastGridColumn>& atGrid) {
    const double kv = c.TubeVoltage;
    const auto& grid = DiffBsf.DbsfGrid;

    // Dose weight of each bin for this medium.
    for (int i = 2; i <= 2.0 * kv; ++i) DoseWeightSpectrum[i] = 0.0;
    double S = 0.0;
    for (int i = 2; i <= 2.0 * kv; ++i) {
      DoseWeightSpectrum[i] = BinEnergy_keV(i) * Spectrum[i] * muen[i];
      S += DoseWeightSpectrum[i];
    }
    if (S == 0.0 || !std::isfinite(S)) {
      throw CalcError("the dose weights of the spectrum sum to 0 (no spectrum in bins 2 to 2 x kV)");
    }
    for (int i = 2; i <= 2.0 * kv; ++i) {
      DoseWeightSpectrum[i] = CheckedDivide(DoseWeightSpectrum[i], S, "the dose weights");
    }

    // The grid columns up to the first at or above the tube voltage.
    int J = 2;
    while (kv > grid[J]) {
      ++J;
      if (J > kLastGridColumn) {
        throw CalcError("TubeVoltage " + NumberText(kv) + " kV is beyond the backscatter grid");
      }
    }
    for (int j = 1; j <= J; ++j) atGrid(h, j) = 1.0 + RingSum(rings, table, h, j);

    // Average over the spectrum, interpolating linearly between grid energies.
    double bsf = 0.0;
    for (int i = 1; i <= 2.0 * kv; ++i) {
      if (!(DoseWeightSpectrum[i] > 0.0)) continue;
      const double E = BinEnergy_keV(i);
      int k = 2;
      while (E >= grid[k]) {
        ++k;
        if (k > kLastGridColumn) {
          throw CalcError("a photon energy of " + NumberText(E) +
                          " keV has no backscatter grid column above it");
        }
      }
      const double B = atGrid(h, k) - (atGrid(h, k) - atGrid(h, k - 1)) * (grid[k] - E) /
                                          (grid[k] - grid[k - 1]);
      bsf += B * DoseWeightSpectrum[i];
    }
    return RequireFinite(bsf, "the backscatter factor");
  };

  Result.BsfSoft = mediumBsf(Attenuation.MuenSoft, DiffBsf.DbsfSoftDose, BsfAtGridSoft);
  Result.BsfSkin = mediumBsf(Attenuation.MuenSkin, DiffBsf.DbsfSkinDose, BsfAtGridSkin);
  Result.BsfAir = mediumBsf(Attenuation.MuenAir, DiffBsf.DbsfAirDose, BsfAtGridAir);
}

}  // namespace vorn
