#include "beam/output_data.h"

#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn {

OutputData ReadOutputDataFile(const std::filesystem::path& path)
{
  OutputData data;
  SeqReader in(path, kUserFileMaxBytes);
  data.OptionFileHeader = in.ReadLine();
  for (int k = 1; k <= kOutputPoints; ++k) data.OutputTable(1, k) = in.ReadNumber();
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
  for (int k = 1; k <= kOutputPoints; ++k) text += Format(table(1, k), "###.# ");
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
