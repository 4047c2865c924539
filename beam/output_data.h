// The tube-output data in use: exposure per mAs at 1 m for twelve tube
// voltages and each rectification type, with the filtration it was measured
// with; and its file, the output-data file (*.op).
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "beam/indexed_tables.h"
#include "platform/errors.h"

namespace vorn {

inline constexpr const char* kDefaultOutputDataFileName = "vorn_default.op";
constexpr int kOutputPoints = 12;

// OutputTable(1, k): tube voltage of point k (kV); OutputTable(t + 1, k):
// exposure per mAs at 1 m (C/kg per mAs) for rectification type t = 1..3.
using OutputTableArray = Table2<4, kOutputPoints>;
// Index t = 1..3 (rectification type); index 0 unused.
using OutputFilterArray = std::array<double, 4>;

struct OutputData {
  std::string OptionFileName;    // with its ".op", no folder
  std::string OptionFileHeader;  // line 1 of the file
  OutputTableArray OutputTable;
  OutputFilterArray OutputFilterAl{};  // cm in memory
  OutputFilterArray OutputFilterCu{};  // cm in memory
};

// The tube voltage lies below the output table's first point, where the
// table's linear extrapolation gives no exposure (0 or less).
class VoltageBelowOutputData : public CalcError {
public:
  using CalcError::CalcError;
};

// Reads an output-data file: line 1 whole as the header, then 54 numbers in
// item order (12 voltages; per rectification type 12 outputs, Al, Cu in mm),
// the filtration turned from mm into cm. OptionFileName is the file's name.
// Raises FileError when it cannot be opened and DataError, naming the file,
// when it holds fewer than 54 numbers, text where a number belongs, or a tube
// voltage that is not above 0 kV.
OutputData ReadOutputDataFile(const std::filesystem::path& path);

// Writes an output-data file the way the output-data editor saves it: the
// header line; the 12 voltages through "###.# "; per rectification type the
// 12 outputs through "0.00E+00 ", the Al filtration through "#0.00 " and the
// Cu filtration through "#0.00"; CR LF line ends. The filtration is given in
// mm, as the editor's boxes hold it. The file is written beside its target
// and then moved into place, so a failed save leaves an existing file whole;
// raises FileError naming the file on failure, and DataError, writing
// nothing, for a voltage the reader would not take back (one that the
// pattern shows as "." or as 0 or less).
void WriteOutputDataFile(const std::filesystem::path& path, const std::string& header,
                         const OutputTableArray& table, const OutputFilterArray& filterAl_mm,
                         const OutputFilterArray& filterCu_mm);

}  // namespace vorn
