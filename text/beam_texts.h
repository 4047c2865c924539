// Messages of the computing module's routines, one table per edition.
#pragma once

#include <string_view>

#include "text/edition.h"

namespace vorn {

struct BeamTexts {
  std::string_view FitCannotCalculate;  // a fit by half-value layer (or the Japanese fit by ATR index and filtration) could not compute
  std::string_view VoltageAboveMaximum;  // a voltage fit would pass 150 kV
  std::string_view VoltageAboveSetPlus10;  // a voltage fit would pass 1.1 x the set voltage
  std::string_view VoltageBelowMinimum;  // a voltage fit would fall below 30 kV
  std::string_view HvlVoltageBelowSetMinus10;  // the half-value-layer voltage fit would fall below 0.9 x the set voltage
  std::string_view AtrVoltageBelowSetMinus10;  // the ATR voltage fit would fall below 0.9 x the set voltage
  std::string_view AtrOutOfRange;  // the measured ATR index lies outside 0.1 .. 0.74
  std::string_view AtrVoltageCannotCalculate;  // an ATR voltage fit could not compute
  std::string_view CurvedSurfaceWait;  // wait for the outside backscatter program
  // OK pressed before the program wrote this calculation's result (OK and
  // Cancel: OK waits again, Cancel gives the calculation up).
  std::string_view CurvedSurfaceNotFinished;
  // The program ended without writing this calculation's result.
  std::string_view CurvedSurfaceEndedWithoutResult;
  // This calculation's result holds a factor no body has: %1 the file, %2
  // the quantity (CurvedSurfaceFactorNames), %3 the factor, %4 and %5 the range.
  std::string_view CurvedSurfaceFactorRefused;
  // The three factors in the order of the result file: air kerma, soft tissue, skin.
  std::string_view CurvedSurfaceFactorNames[3];
};

// The table of an edition. The English edition has no ATR-index features:
// its ATR texts are empty.
const BeamTexts& BeamTextsFor(Edition edition);

}  // namespace vorn
