// The scatter kernel files: per photon energy, the scatter dose on the axis
// at the centre of each 0.5 cm slab from each 0.5 cm ring of the field.
#pragma once

#include <array>
#include <filesystem>

namespace vorn::pdd {

inline constexpr int kFirstKernel_keV = 10;
inline constexpr int kLastKernel_keV = 150;
inline constexpr int kKernelStep_keV = 5;

// [ring m][slab j], both 1..80; index 0 unused.
using KernelTable = std::array<std::array<double, 81>, 81>;

// "PDS-data/10.dat" ... "PDS-data/150.dat", relative to the working folder.
std::filesystem::path ScatterKernelPath(int energy_keV);

// Reads 80 depth rows of 80 ring values, item by item (commas and line ends
// both separate values). Throws FileError / DataError naming the file when
// it is missing, short, holds text where a value belongs or a value below 0.
void ReadScatterKernel(const std::filesystem::path& path, KernelTable& kernel);

}  // namespace vorn::pdd
