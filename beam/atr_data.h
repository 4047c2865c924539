// The two weight columns from which the ATR index of a spectrum is formed:
// AtrTable(0, i) the air kerma free in air, AtrTable(1, i) behind the 2 cm
// acrylic plate, per photon of bin i.
#pragma once

#include <filesystem>

#include "beam/energy_bins.h"
#include "beam/indexed_tables.h"

namespace vorn {

inline constexpr const char* kAtrFileName = "dATR.dat";

struct AtrData {
  Table2<1, kLastBin> AtrTable;
};

// Reads the heading line and 300 records of 4 items (the first and last of
// each are not used). Raises FileError / DataError naming the file when it is
// missing, short or malformed; lines after the 300th record (the English
// edition keeps the user name there) are ignored.
AtrData LoadAtrData(const std::filesystem::path& folder);

}  // namespace vorn
