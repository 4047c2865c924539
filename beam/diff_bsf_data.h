// The differential backscatter tables: per phantom, grid energy and 1 mm ring
// of the entrance surface, that ring's contribution to (BSF - 1) when the
// whole ring is irradiated.
#pragma once

#include <array>
#include <filesystem>

#include "beam/indexed_tables.h"

namespace vorn {

constexpr int kLastGridColumn = 31;  // grid energies 1..31
constexpr int kLastRing = 300;       // rings 1..300 of 1 mm
constexpr int kBodyPhantom = 0;
constexpr int kHeadPhantom = 1;

// (phantom 0..1, grid column 0..31, ring 0..300); index 0 of the last two unused.
using DbsfTable = Table3<1, kLastGridColumn, kLastRing>;

struct DiffBsfData {
  std::array<double, kLastGridColumn + 1> DbsfGrid{};  // keV; element 0 unused
  DbsfTable DbsfSoftDose;
  DbsfTable DbsfAirDose;
  DbsfTable DbsfSkinDose;
};

// The grid energies: element 1 = 1 keV, element j = 5 x (j - 1) keV.
std::array<double, kLastGridColumn + 1> MakeDbsfGrid();

// File names in the order they are read, with the table and phantom each fills.
inline constexpr const char* kDbsfFileNames[6] = {
    "dBSF-SoftDose-SoftPhantom.dat", "dBSF-AirDose-SoftPhantom.dat",
    "dBSF-SkinDose-SoftPhantom.dat", "dBSF-SoftDose-Soft_Head.dat",
    "dBSF-AirDose-Soft_Head.dat",    "dBSF-SkinDose-Soft_Head.dat"};

// Sets the grid and reads the six tables from folder. Each file: a heading
// line, then 300 records of 32 items (the first of each is not used, the
// others are columns 1..31 of ring n). Raises FileError / DataError naming
// the file when one is missing, short or malformed; anything after the 300th
// record is ignored.
DiffBsfData LoadDiffBsfTables(const std::filesystem::path& folder);

}  // namespace vorn
