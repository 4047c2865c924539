// Fits of the spectrum to a measured ATR index, by the inherent filtration
// or by the tube voltage (Japanese edition).

#include <cmath>
#include <stdexcept>
#include <string>

#include "beam/checked_math.h"
#include "beam/fit_limits.h"
#include "beam/fitted_value.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "text/beam_texts.h"

namespace vorn {

void BeamCalculation::RequireAtrFeatures(const char* routine) const
{
  if (edition_ != Edition::Japanese) {
    throw std::logic_error(std::string(routine) +
                           ": the English edition has no ATR-index features");
  }
}

// Index of the base spectrum (in Spectrum, without the inherent filtration)
// behind a trial inherent filtration, through AtrBaseSpectrum.
double BeamCalculation::AtrIndexForFiltration(double filtration, double kv)
{
  if (filtration < kFitFiltrationMin_cm || filtration > kFitFiltrationMax_cm) {
    throw CalcError("the inherent filtration left -1 .. 10 cm Al before the fit was reached");
  }
  for (int i = 2; i <= 2.0 * kv; ++i) {
    AtrBaseSpectrum[i] = Spectrum[i] * CheckedExp(-filtration * Attenuation.MuAl[i],
                                                  "the trial filtration of the ATR fit");
  }
  return AtrIndexOf(AtrBaseSpectrum, kv);
}

// Index of the fully filtered spectrum at a trial tube voltage.
double BeamCalculation::AtrIndexForVoltage(double kv)
{
  ComputeTubeSpectrum(kv);
  FilterPhotonSpectrum(Condition.InherentFilterAl, kv);
  NormaliseSpectrum(kv, /*zeroBelowFloor=*/false);
  return AtrIndexOf(Spectrum, kv);
}

void BeamCalculation::FitAtrByFiltration()
{
  RequireAtrFeatures("FitAtrByFiltration");
  const BeamTexts& texts = BeamTextsFor(edition_);
  FittedValue fitted(windows_, Condition.InherentFilterAl, MainBox::InherentFilter);
  try {
    for (int i = 1; i <= kLastBin; ++i) Spectrum[i] = 0.0;
    const double m = Val(windows_.FitBoxText(FitBox::MeasuredAtr));
    Fit.AtrMeasured = m;
    if (m < kAtrMeasuredMin || m > kAtrMeasuredMax) {
      ReportFitFailure(texts.AtrOutOfRange, MsgTitle::ProgramTitle, false, Fit.FitFailAtrFilt);
      return;
    }

    // The base spectrum: every filter but the inherent one, normalised.
    const double kv = Condition.TubeVoltage;
    ComputeTubeSpectrum(kv);
    FilterPhotonSpectrum(0.0, kv);
    NormaliseSpectrum(kv, /*zeroBelowFloor=*/true);

    // More filtration raises the index. A staircase of shrinking steps
    // brackets the measured value, then a linear interpolation over the last
    // 0.00001 cm.
    double F = Condition.InherentFilterAl;
    double A = Result.AtrIndex;
    const auto step = [&](double dF) {
      F += dF;
      A = AtrIndexForFiltration(F, kv);
    };
    double result = 0.0;
    if (m > Result.AtrIndex) {
      while (A < m) step(0.01);
      while (A > m) step(-0.001);
      while (A < m) step(0.0001);
      while (A > m) step(-0.00001);
      const double F2 = F + 0.00001;
      const double A2 = AtrIndexForFiltration(F2, kv);
      result = F + CheckedDivide(0.00001 * (m - A), A2 - A, "the ATR filtration fit");
    } else {
      while (A > m) step(-0.01);
      while (A < m) step(0.001);
      while (A > m) step(-0.0001);
      while (A < m) step(0.00001);
      const double F2 = F - 0.00001;
      const double A2 = AtrIndexForFiltration(F2, kv);
      result = F2 + CheckedDivide(0.00001 * (m - A2), A - A2, "the ATR filtration fit");
    }

    fitted.Set(result, Format(10.0 * result, "0.000"));
    windows_.DoEvents();
    CalcSpectrum();
  } catch (const Error&) {
    fitted.Restore();
    ReportFitFailure(texts.FitCannotCalculate, MsgTitle::ProgramTitle, false, Fit.FitFailAtrFilt);
  }
}

void BeamCalculation::FitAtrByVoltageUp()
{
  RequireAtrFeatures("FitAtrByVoltageUp");
  const BeamTexts& texts = BeamTextsFor(edition_);
  FittedValue fitted(windows_, Condition.TubeVoltage, MainBox::TubeVoltage);
  try {
    const double target = Val(windows_.FitBoxText(FitBox::MeasuredAtr));
    if (Result.AtrIndex > target) {
      FitAtrByVoltageDown();
      return;
    }
    double V = Condition.TubeVoltage;
    const double Vmax = kFitVoltageUpFactor * V;
    Fit.AtrMeasured = Result.AtrIndex;
    double prev = Fit.AtrMeasured;
    do {
      V += kFitVoltageStep;
      if (V > kFitVoltageMax) {
        ReportFitFailure(texts.VoltageAboveMaximum, MsgTitle::ProgramTitle, false,
                         Fit.FitFailAtrUp);
        return;
      }
      if (V > Vmax) {
        ReportFitFailure(texts.VoltageAboveSetPlus10, MsgTitle::ProgramTitle, false,
                         Fit.FitFailAtrUp);
        return;
      }
      prev = Fit.AtrMeasured;
      Fit.AtrMeasured = AtrIndexForVoltage(V);
    } while (Fit.AtrMeasured < target);
    // Only a strictly closer index moves the voltage to the last trial.
    const double result =
        std::abs(Fit.AtrMeasured - target) < std::abs(prev - target) ? V : V - kFitVoltageStep;
    fitted.Set(result, Format(result, "#00.0"));
    CalcSpectrum();
  } catch (const Error&) {
    fitted.Restore();
    ReportFitFailure(texts.AtrVoltageCannotCalculate, MsgTitle::ProgramTitle, false,
                     Fit.FitFailAtrUp);
  }
}

void BeamCalculation::FitAtrByVoltageDown()
{
  RequireAtrFeatures("FitAtrByVoltageDown");
  const BeamTexts& texts = BeamTextsFor(edition_);
  FittedValue fitted(windows_, Condition.TubeVoltage, MainBox::TubeVoltage);
  try {
    const double target = Val(windows_.FitBoxText(FitBox::MeasuredAtr));
    double V = Condition.TubeVoltage;
    const double Vmin = kFitVoltageDownFactor * V;
    Fit.AtrMeasured = Result.AtrIndex;
    double prev = Fit.AtrMeasured;
    do {
      V -= kFitVoltageStep;
      if (V < kFitVoltageMin) {
        ReportFitFailure(texts.VoltageBelowMinimum, MsgTitle::ProgramTitle, false,
                         Fit.FitFailAtrDown);
        return;
      }
      if (V < Vmin) {
        ReportFitFailure(texts.AtrVoltageBelowSetMinus10, MsgTitle::ProgramTitle, false,
                         Fit.FitFailAtrDown);
        return;
      }
      prev = Fit.AtrMeasured;
      Fit.AtrMeasured = AtrIndexForVoltage(V);
    } while (Fit.AtrMeasured > target);
    const double result =
        std::abs(Fit.AtrMeasured - target) < std::abs(prev - target) ? V : V + kFitVoltageStep;
    fitted.Set(result, Format(result, "#00.0"));
    CalcSpectrum();
  } catch (const Error&) {
    fitted.Restore();
    ReportFitFailure(texts.AtrVoltageCannotCalculate, MsgTitle::ProgramTitle, false,
                     Fit.FitFailAtrDown);
  }
}

}  // namespace vorn
