// The result table: up to 15 results of the main window's calculation, kept
// as parallel columns (one per condition or result quantity) for the result
// window, the result files and the printed sheet.
#pragma once

#include <array>
#include <string>

namespace vorn::results {

// Rows 1..15 hold results; cell 0 of every column is not used.
inline constexpr int kResultRows = 15;
inline constexpr int kResultCells = kResultRows + 1;

using NumberColumn = std::array<double, kResultCells>;
using CodeColumn = std::array<int, kResultCells>;
using TextColumn = std::array<std::string, kResultCells>;

// Each column holds the quantity of the same name without "Res", in the
// units the computing module keeps it (lengths and filtration in cm).
struct ResultTable {
  TextColumn ResSiteName{};
  CodeColumn ResRectificationType{};  // 1 constant potential, 2 three-phase 12-peak, 3 single-phase
  NumberColumn ResOutputAt1m{};       // C/kg
  NumberColumn ResTargetAngle{};      // degrees
  NumberColumn ResInherentFilterAl{};
  NumberColumn ResAddedFilterAl{};
  NumberColumn ResAddedFilterCu{};
  TextColumn ResOtherFilterMaterial{};  // empty: no optional filter
  NumberColumn ResOtherFilterThickness{};
  NumberColumn ResTubeVoltage{};   // kV
  NumberColumn ResTubeCurrent{};   // mA
  NumberColumn ResExposureTime{};  // s
  NumberColumn ResFFD{};
  NumberColumn ResFSD{};
  NumberColumn ResObjectThickness{};
  TextColumn ResFieldSizeName{};
  NumberColumn ResFieldLength{};
  NumberColumn ResFieldWidth{};
  NumberColumn ResHvl1{};
  NumberColumn ResHvl2{};
  NumberColumn ResEffectiveEnergy{};  // keV
  NumberColumn ResQualityIndex{};
  NumberColumn ResBsfSoft{};
  NumberColumn ResBsfAir{};
  NumberColumn ResBsfSkin{};
  NumberColumn ResConvFactorSoft{};  // Gy per C/kg
  NumberColumn ResConvFactorSkin{};
  NumberColumn ResEntranceSurfaceDoseSoft{};  // mGy
  NumberColumn ResEntranceSurfaceDoseSkin{};
  NumberColumn ResEntranceSurfaceDoseAir{};
  CodeColumn ResPhantomModel{};  // 0 flat, 1 cylinder, 2 elliptic cylinder, 3 head, 4 racetrack
  NumberColumn ResCylinderRadius{};
  NumberColumn ResEllipseHRadius{};
  NumberColumn ResEllipseVRadius{};
  NumberColumn ResRacetrackA{};
  NumberColumn ResRacetrackB{};
  NumberColumn ResRacetrackL{};
  NumberColumn ResEffectiveDose{};  // mSv; 0 = not estimated

  // The next free row: 1 for an empty table, 16 for a full one.
  int ResultRowCount = 1;

  friend bool operator==(const ResultTable&, const ResultTable&) = default;
};

// Empties rows 1..15 of every column (0 or the empty text) and makes the table
// empty (ResultRowCount 1).
void ClearResultTable(ResultTable& table);

}  // namespace vorn::results
