// Result rows for the tests, with values chosen so that every number survives
// the file's formats exactly (2.58E-04, "#0.000" half-value layers, ...), and
// helpers to compare whole tables column by column.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "results/result_table.h"
#include "results/row_cells.h"

namespace vorn::results::testing {

// Row 1: flat surface, constant potential, no optional filter, no effective dose.
// Row 2: cylinder of radius 15 cm, three-phase, 0.03 mm Mo, effective dose 0.123 mSv.
// Row 3: racetrack 12.5 x 8 x 30, single-phase, "その他" field, no effective dose.
ResultTable ThreeRowTable();

// One row's condition and results, as the computing module would hold them
// after a calculation (the flat row 1 of ThreeRowTable by default).
RowValues FlatRowValues();

inline constexpr std::array<NumberColumn ResultTable::*, 33> kNumberColumns{
    &ResultTable::ResOutputAt1m,          &ResultTable::ResTargetAngle,
    &ResultTable::ResInherentFilterAl,    &ResultTable::ResAddedFilterAl,
    &ResultTable::ResAddedFilterCu,       &ResultTable::ResOtherFilterThickness,
    &ResultTable::ResTubeVoltage,         &ResultTable::ResTubeCurrent,
    &ResultTable::ResExposureTime,        &ResultTable::ResFFD,
    &ResultTable::ResFSD,                 &ResultTable::ResObjectThickness,
    &ResultTable::ResFieldLength,         &ResultTable::ResFieldWidth,
    &ResultTable::ResHvl1,                &ResultTable::ResHvl2,
    &ResultTable::ResEffectiveEnergy,     &ResultTable::ResQualityIndex,
    &ResultTable::ResBsfSoft,             &ResultTable::ResBsfAir,
    &ResultTable::ResBsfSkin,             &ResultTable::ResConvFactorSoft,
    &ResultTable::ResConvFactorSkin,      &ResultTable::ResEntranceSurfaceDoseSoft,
    &ResultTable::ResEntranceSurfaceDoseSkin, &ResultTable::ResEntranceSurfaceDoseAir,
    &ResultTable::ResCylinderRadius,      &ResultTable::ResEllipseHRadius,
    &ResultTable::ResEllipseVRadius,      &ResultTable::ResRacetrackA,
    &ResultTable::ResRacetrackB,          &ResultTable::ResRacetrackL,
    &ResultTable::ResEffectiveDose,
};
inline constexpr std::array<CodeColumn ResultTable::*, 2> kCodeColumns{&ResultTable::ResRectificationType,
                                                                      &ResultTable::ResPhantomModel};
inline constexpr std::array<TextColumn ResultTable::*, 3> kTextColumns{
    &ResultTable::ResSiteName, &ResultTable::ResOtherFilterMaterial, &ResultTable::ResFieldSizeName};

// Every cell of rows 0..15 and the row count equal; numbers within a few
// units in the last place (a mm value read back is multiplied by 0.1).
void ExpectSameTable(const ResultTable& expected, const ResultTable& actual);

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace vorn::results::testing
