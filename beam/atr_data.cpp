#include "beam/atr_data.h"

#include "platform/files/seqfile.h"

namespace vorn {

AtrData LoadAtrData(const std::filesystem::path& folder)
{
  AtrData data;
  SeqReader in(folder / kAtrFileName);
  in.ReadLine();  // heading
  for (int i = 1; i <= kLastBin; ++i) {
    in.ReadNumber();  // the bin's energy, not used
    data.AtrTable(0, i) = in.ReadNumber();
    data.AtrTable(1, i) = in.ReadNumber();
    in.ReadNumber();  // not used
  }
  return data;
}

}  // namespace vorn
