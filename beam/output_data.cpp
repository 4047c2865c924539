#include "beam/output_data.h"

#include <optional>
#include <string_view>

#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn {

OutputData ReadOutputDataFile(const std::filesystem::path& path)
{
  OutputData data;
  SeqReader in(path, kUserFileMaxBytes);
  data.OptionFileHeader = in.ReadLine();
  for (int k = 1; k <= kOutputPoints; ++k) {
    data.OutputTable(1, k) = in.ReadNumber();
    // No tube output is measured at 0 kV; a 0 typed for a voltage would bend
    // every interpolation below the next column.
    if (!(data.OutputTable(1, k) > 0.0)) {
      throw MalformedFile(path, 0, "the tube voltage of column " + std::to_string(k) + " must be above 0 kV, found " +
                                       NumberText(data.OutputTable(1, k)));
    }
  }
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k) data.OutputTable(t + 1, k) = in.ReadNumber();
    data.OutputFilterAl[t] = in.ReadNumber();
    data.OutputFilterCu[t] = in.ReadNumber();
  }
  for (int t = 1; t <= 3; ++t) {
    data.OutputFilterAl[t] *= 0.1;  // mm to cm
    data.OutputFilterCu[t] *= 0.1;
  }
  data.OptionFileName = path.filename().string();
  return data;
}

void WriteOutputDataFile(const std::filesystem::path& path, const std::string& header,
                         const OutputTableArray& table, const OutputFilterArray& filterAl_mm,
                         const OutputFilterArray& filterCu_mm)
{
  constexpr const char* kLineEnd = "\r\n";
  std::string text = header + kLineEnd;
  for (int k = 1; k <= kOutputPoints; ++k) {
    // Never a file the reader refuses: "###.#" shows a voltage below 0.05 kV
    // as ".", and 0 kV or less is no tube voltage.
    const std::string voltage = Format(table(1, k), "###.# ");
    const std::optional<double> readBack = ParseNumber(std::string_view(voltage).substr(0, voltage.size() - 1));
    if (!readBack || !(*readBack > 0.0)) {
      throw MalformedFile(path, 0, "the tube voltage of column " + std::to_string(k) + ", " + NumberText(table(1, k)) +
                                       " kV, would not read back as a voltage above 0 kV");
    }
    text += voltage;
  }
  text += kLineEnd;
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k) text += Format(table(t + 1, k), "0.00E+00 ");
    text += Format(filterAl_mm[t], "#0.00 ");
    text += Format(filterCu_mm[t], "#0.00");
    text += kLineEnd;
  }
  WriteFileAtomically(path, text);
}

}  // namespace vorn
