#include <string>

#include "beam/checked_math.h"
#include "beam/beam_calculation.h"
#include "beam/x_spctl_export.h"
#include "platform/errors.h"
#include "platform/format/format.h"

namespace vorn {

void BeamCalculation::CalcSpectrum()
{
  const double kv = Condition.TubeVoltage;
  const int t = Condition.RectificationType;
  // The output data's filtration is kept for the three rectification types
  // (index 0 exists and holds no filtration).
  if (t < 0 || t > 3) {
    throw CalcError("RectificationType " + std::to_string(t) +
                    " has no filtration in the output data");
  }

  ComputeTubeSpectrum(kv);

  // Air kerma behind the condition's filtration, and behind the filtration at
  // which the output table was measured (the optional filter never enters that).
  FormFilteredKerma(Condition.InherentFilterAl, kv);
  for (int i = 2; i <= 2.0 * kv; ++i) {
    KermaSpectrum[i] = Spectrum[i] *
                       CheckedExp(-(Output.OutputFilterAl[t] * Attenuation.MuAl[i] +
                                    Output.OutputFilterCu[t] * Attenuation.MuCu[i]),
                                  "the output data's filtration") *
                       Attenuation.MuenAir[i];
  }
  FilterPhotonSpectrum(Condition.InherentFilterAl, kv);
  NormaliseSpectrum(kv, /*zeroBelowFloor=*/true);

  const bool withAtr = edition_ == Edition::Japanese;
  if (withAtr) Result.AtrIndex = AtrIndexOf(Spectrum, kv);

  WriteSpectrumExport(working_folder_ / kSpectrumExportFileName, Spectrum);

  double filtered = 0.0;
  double atOutputFiltration = 0.0;
  for (int i = 2; i <= 2.0 * kv; ++i) {
    filtered += FiltKermaWork[i];
    atOutputFiltration += KermaSpectrum[i];
  }
  Result.KermaRatio = CheckedDivide(filtered, atOutputFiltration,
                                    "KermaRatio (no air kerma behind the output data's filtration)");

  const double n = NormaliseFilteredKerma(kv);
  for (int i = 2; i <= 2.0 * kv; ++i) KermaSpectrum[i] = FiltKermaWork[i];
  FillTransmissionCurve(kv, n);
  Result.Hvl1 = FirstHvlFromCurve();
  Result.EffectiveEnergy = EffectiveEnergyFor(Result.Hvl1);

  windows_.SetLabelCaption(ResultLabel::Hvl, Format(10.0 * Result.Hvl1, "#0.000"));
  windows_.SetLabelCaption(ResultLabel::EffectiveEnergy, Format(Result.EffectiveEnergy, "#00.00"));
  if (withAtr) windows_.SetLabelCaption(ResultLabel::AtrIndex, Format(Result.AtrIndex, "0.000"));
}

}  // namespace vorn
