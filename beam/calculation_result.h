// The results of the last calculation (exposure in C/kg, half-value layers
// in cm Al, energies in keV, conversion factors in Gy per C/kg, doses in mGy,
// effective dose in mSv).
#pragma once

#include "platform/errors.h"

namespace vorn {

// No examination comes near 1000 Gy at the skin; a dose at or above it comes
// from a slip in the tube current, the time or a measured exposure (or from a
// hand-edited file) and is never shown or kept as a result.
constexpr double kDoseLimit_mGy = 1e6;

// The entrance surface dose reached kDoseLimit_mGy.
class DoseBeyondLimit : public CalcError {
public:
  using CalcError::CalcError;
};

struct CalculationResult {
  double OutputAt1m = 0.0;
  double KermaRatio = 0.0;
  double Hvl1 = 0.0;
  double Hvl2 = 0.0;          // only what a result file read back holds
  double EffectiveEnergy = 0.0;
  double QualityIndex = 0.0;  // only what a result file read back holds
  double AtrIndex = 0.0;
  double ConvFactorSoft = 0.0;
  double ConvFactorSkin = 0.0;
  double ConvFactorAir = 0.0;
  double BsfSoft = 0.0;
  double BsfSkin = 0.0;
  double BsfAir = 0.0;
  double EntranceSurfaceDoseSoft = 0.0;
  double EntranceSurfaceDoseSkin = 0.0;
  double EntranceSurfaceDoseAir = 0.0;
  double EffectiveDose = 0.0;

  bool operator==(const CalculationResult&) const = default;
};

}  // namespace vorn
