#include "beam/attenuation_data.h"

#include "platform/files/seqfile.h"

namespace vorn {

AttenuationData LoadAttenuationData(const std::filesystem::path& folder)
{
  AttenuationData data;
  SeqReader in(folder / kAttenuationFileName);
  for (int i = 1; i <= kLastBin; ++i) {
    in.ReadNumber();  // the bin's energy, not used
    data.MuTarget[i] = in.ReadNumber();
    data.MuAl[i] = in.ReadNumber();
    data.MuCu[i] = in.ReadNumber();
    data.MuenAir[i] = in.ReadNumber();
    data.MuenSoft[i] = in.ReadNumber();
    data.MuenSkin[i] = in.ReadNumber();
  }
  return data;
}

}  // namespace vorn
