// Attenuation and energy-absorption coefficients per energy bin, from
// Att_coeff2020.dat in the working folder.
#pragma once

#include <filesystem>

#include "beam/energy_bins.h"

namespace vorn {

inline constexpr const char* kAttenuationFileName = "Att_coeff2020.dat";

struct AttenuationData {
  EnergyBinArray MuTarget{};  // target (tungsten) linear attenuation, 1/cm
  EnergyBinArray MuAl{};      // aluminium, 1/cm
  EnergyBinArray MuCu{};      // copper, 1/cm
  EnergyBinArray MuenAir{};   // energy-absorption coefficients
  EnergyBinArray MuenSoft{};
  EnergyBinArray MuenSkin{};
};

// Reads the 300 records of 7 items (the first item of each is not used).
// Raises FileError when the file cannot be opened and DataError, naming the
// file and line, when it is short or holds text where a number belongs.
// Anything after the 300th record is ignored.
AttenuationData LoadAttenuationData(const std::filesystem::path& folder);

}  // namespace vorn
