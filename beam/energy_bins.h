// The energy grid shared by every spectrum and coefficient table.
#pragma once

#include <array>

namespace vorn {

// Index i stands for the photon energy 0.5 * i keV (0.5 to 150 keV); index 0
// is not used, so loops read like the algorithms (bins 2 .. 2 x kV).
constexpr int kLastBin = 300;
using EnergyBinArray = std::array<double, kLastBin + 1>;

constexpr double BinEnergy_keV(int i) { return 0.5 * i; }

}  // namespace vorn
