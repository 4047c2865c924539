// Filter material files (*.ele, *.mix): the attenuation table of one material
// that the optional filter puts into the beam, and its linear attenuation
// coefficient on the energy grid of the spectrum.
//
// Layout: line 1 the material name; then items separated by blanks, commas or
// line ends: the density, a number not used, and records of six numbers
// (energy in MeV, three partial mass attenuation coefficients that are summed,
// two numbers not used). Records rise in energy (an edge is listed twice at
// the same energy), start at 0.001 MeV or below and are read up to the first
// one at 10 MeV or more, which must come within the first 100.
#pragma once

#include <filesystem>
#include <string>

#include "beam/energy_bins.h"
#include "beam/indexed_tables.h"

namespace vorn::mainwin {

inline constexpr const char* kFilterMaterialPattern = "*.ele;*.mix";
inline constexpr int kMaxFilterRecords = 100;

struct FilterMaterialFile {
  std::string material;  // line 1, whole
  double density = 0.0;  // turns the mass coefficients into 1/cm
  int recordCount = 0;   // N: records read, the one that reaches 10 MeV included
  // Record r = 1..N in column r: row 1 the energy (MeV), rows 2..4 the partial
  // coefficients, row 0 their sum.
  Table2<4, kMaxFilterRecords> OtherFilterTable;
};

// Line 1 of a material file. Throws FileError when it cannot be read and
// DataError when it is empty.
std::string ReadFilterMaterialName(const std::filesystem::path& path);

// Reads and checks a material file. Throws FileError when it cannot be read
// and DataError, naming the file and the record, when it breaks the layout
// above, when the density is not above 0 or when a summed coefficient is not
// above 0 (it is interpolated on logarithms).
FilterMaterialFile ReadFilterMaterialFile(const std::filesystem::path& path);

// The linear attenuation coefficient (1/cm) per energy bin: log-log
// interpolation between the records at each whole keV (the even bins, taking
// the segment above an edge listed twice), the odd bins the mean of their
// neighbours, bin 1 equal to bin 2; bin 0 stays 0.
EnergyBinArray OtherFilterMuOf(const FilterMaterialFile& file);

}  // namespace vorn::mainwin
