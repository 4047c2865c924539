// What the fit dialog hands to the fit routines, and their failure flags
// (1 when a fit stopped with a message of its own).
#pragma once

namespace vorn {

struct FitRequest {
  double HvlMeasured = 0.0;  // cm Al
  double AtrMeasured = 0.0;  // the voltage fits by ATR index leave the last trial's index here
  int FitFailHvlFilt = 0;
  int FitFailHvlUp = 0;
  int FitFailHvlDown = 0;
  int FitFailAtrFilt = 0;
  int FitFailAtrUp = 0;
  int FitFailAtrDown = 0;
};

}  // namespace vorn
