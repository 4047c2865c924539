// The spectrum export X_SPCTL.dat, rewritten after every spectrum calculation
// for use outside the program.
#pragma once

#include <filesystem>

#include "beam/energy_bins.h"

namespace vorn {

inline constexpr const char* kSpectrumExportFileName = "X_SPCTL.dat";

// Writes 300 lines, one per bin i = 1..300: the energy through "0000.0",
// ", ", the value through "0.00000", CR LF. Raises FileError naming the file
// when it cannot be created or written.
void WriteSpectrumExport(const std::filesystem::path& path, const EnergyBinArray& spectrum);

}  // namespace vorn
