#include "beam/x_spctl_export.h"

#include <string>

#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn {

void WriteSpectrumExport(const std::filesystem::path& path, const EnergyBinArray& spectrum)
{
  std::string text;
  for (int i = 1; i <= kLastBin; ++i) {
    text += Format(BinEnergy_keV(i), "0000.0") + ", " + Format(spectrum[i], "0.00000") + "\r\n";
  }
  // A backscatter program may read it while the next calculation writes it.
  WriteFileAtomically(path, text);
}

}  // namespace vorn
