// The exposure condition of the current examination, as entered in the main
// window (lengths and filtration in cm, voltage in kV, current in mA, time in s).
#pragma once

#include <string>

#include "beam/field_side.h"

namespace vorn {

// RectificationType codes.
constexpr int kConstantPotential = 1;
constexpr int kThreePhase12Peak = 2;
constexpr int kSinglePhaseFullWave = 3;

// FieldShape codes.
constexpr int kRectangularField = 1;
constexpr int kCircularField = 2;

// OutputSource codes.
constexpr int kMeasuredExposure = 1;
constexpr int kOutputDataTable = 2;

struct ExposureCondition {
  double TubeVoltage = 0.0;      // kV
  double TubeCurrent = 0.0;      // mA
  double ExposureTime = 0.0;     // s
  int RectificationType = 0;     // 1 constant potential, 2 three-phase 12-peak, 3 single-phase
  double TargetAngle = 0.0;      // degrees
  double InherentFilterAl = 0.0;  // cm Al
  double AddedFilterAl = 0.0;    // cm
  double AddedFilterCu = 0.0;    // cm
  double FFD = 0.0;              // focus-film distance, cm
  double FSD = 0.0;              // focus-skin distance, cm
  double ObjectThickness = 0.0;  // cm
  std::string FieldSizeName;
  FieldSide FieldLength;         // at FFD, cm (the diameter of a circular field)
  FieldSide FieldWidth;          // at FFD, cm
  int FieldShape = 0;            // 1 rectangular, otherwise circular
  int OutputSource = 0;          // 1 measured exposure, 2 output-data table
  std::string SiteName;

  bool operator==(const ExposureCondition&) const = default;
};

}  // namespace vorn
