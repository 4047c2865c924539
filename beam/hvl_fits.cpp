// Fits of the spectrum to a measured first half-value layer, by the inherent
// filtration or by the tube voltage.

#include <cmath>

#include "beam/checked_math.h"
#include "beam/fit_limits.h"
#include "beam/fitted_value.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "text/beam_texts.h"

namespace vorn {
namespace {

void RequireFiltrationInRange(double f)
{
  if (f < kFitFiltrationMin_cm || f > kFitFiltrationMax_cm) {
    throw CalcError("the inherent filtration left -1 .. 10 cm Al before the fit was reached");
  }
}

}  // namespace

void BeamCalculation::ReportFitFailure(std::string_view text, MsgTitle title, bool beep, int& flag)
{
  flag = 1;
  if (beep) windows_.Beep();
  windows_.ShowMessage(text, MsgIcon::Warning, title);
}

// Any error of a fit by half-value layer ends it with the filtration fit's
// message (preceded by a beep in the English edition).
void BeamCalculation::ReportHvlFitFailure(int& flag)
{
  ReportFitFailure(BeamTextsFor(edition_).FitCannotCalculate, MsgTitle::None,
                   edition_ == Edition::English, flag);
}

void BeamCalculation::FitHvlByFiltration()
{
  FittedValue fitted(windows_, Condition.InherentFilterAl, MainBox::InherentFilter);
  try {
    const double m = Fit.HvlMeasured;
    const double kv = Condition.TubeVoltage;
    double f = Condition.InherentFilterAl;
    ComputeTubeSpectrum(kv);
    double h = TrialHvl(f, kv);
    double prev = h;
    double result = 0.0;
    if (h > m) {
      do {
        f -= 0.01;
        RequireFiltrationInRange(f);
        prev = h;
        h = TrialHvl(f, kv);
      } while (h > m);
      result = f + CheckedDivide(0.01 * (m - h), prev - h, "the filtration fit");
    } else {
      // Also when the measured value equals the present one: one step up,
      // and the interpolation comes back to the start.
      do {
        f += 0.01;
        RequireFiltrationInRange(f);
        prev = h;
        h = TrialHvl(f, kv);
      } while (h < m);
      result = (f - 0.01) + CheckedDivide(0.01 * (m - prev), h - prev, "the filtration fit");
    }
    fitted.Set(result, Format(10.0 * result, "0.000"));
    windows_.DoEvents();
    CalcSpectrum();
  } catch (const Error&) {
    fitted.Restore();
    ReportHvlFitFailure(Fit.FitFailHvlFilt);
  }
}

void BeamCalculation::FitHvlByVoltageUp()
{
  const BeamTexts& texts = BeamTextsFor(edition_);
  FittedValue fitted(windows_, Condition.TubeVoltage, MainBox::TubeVoltage);
  try {
    Fit.HvlMeasured = Val(windows_.FitBoxText(FitBox::MeasuredHvl)) * 0.1;
    const double m = Fit.HvlMeasured;
    if (Result.Hvl1 > m) {
      FitHvlByVoltageDown();
      return;
    }
    double h = Result.Hvl1;
    double prev = h;
    double kv = Condition.TubeVoltage;
    const double limit = kFitVoltageUpFactor * Condition.TubeVoltage;
    do {
      kv += kFitVoltageStep;
      if (kv > kFitVoltageMax) {
        ReportFitFailure(texts.VoltageAboveMaximum, MsgTitle::None, false, Fit.FitFailHvlUp);
        return;
      }
      if (kv > limit) {
        ReportFitFailure(texts.VoltageAboveSetPlus10, MsgTitle::None, false, Fit.FitFailHvlUp);
        return;
      }
      prev = h;
      ComputeTubeSpectrum(kv);
      h = TrialHvl(Condition.InherentFilterAl, kv);
    } while (h < m);
    // On a tie the voltage nearer the set one (the lower) is kept.
    const double result = std::abs(prev - m) > std::abs(h - m) ? kv : kv - kFitVoltageStep;
    fitted.Set(result, Format(result, "#00.0"));
    CalcSpectrum();
  } catch (const Error&) {
    fitted.Restore();
    ReportHvlFitFailure(Fit.FitFailHvlUp);
  }
}

void BeamCalculation::FitHvlByVoltageDown()
{
  const BeamTexts& texts = BeamTextsFor(edition_);
  FittedValue fitted(windows_, Condition.TubeVoltage, MainBox::TubeVoltage);
  try {
    Fit.HvlMeasured = Val(windows_.FitBoxText(FitBox::MeasuredHvl)) * 0.1;
    const double m = Fit.HvlMeasured;
    double h = Result.Hvl1;
    double prev = h;
    double kv = Condition.TubeVoltage;
    const double limit = kFitVoltageDownFactor * Condition.TubeVoltage;
    do {
      kv -= kFitVoltageStep;
      if (kv < kFitVoltageMin) {
        ReportFitFailure(texts.VoltageBelowMinimum, MsgTitle::None, false, Fit.FitFailHvlDown);
        return;
      }
      if (kv < limit) {
        ReportFitFailure(texts.HvlVoltageBelowSetMinus10, MsgTitle::None, false,
                         Fit.FitFailHvlDown);
        return;
      }
      prev = h;
      ComputeTubeSpectrum(kv);
      h = TrialHvl(Condition.InherentFilterAl, kv);
    } while (h > m);
    // On a tie the voltage nearer the set one (the higher) is kept.
    const double result = std::abs(prev - m) > std::abs(h - m) ? kv : kv + kFitVoltageStep;
    fitted.Set(result, Format(result, "#00.0"));
    CalcSpectrum();
  } catch (const Error&) {
    fitted.Restore();
    ReportHvlFitFailure(Fit.FitFailHvlDown);
  }
}

}  // namespace vorn
