#include "depthdose/scatter_kernel.h"

#include <string>

#include "platform/errors.h"
#include "platform/files/seqfile.h"

namespace vorn::pdd {

std::filesystem::path ScatterKernelPath(int energy_keV)
{
  return std::filesystem::path("PDS-data") / (std::to_string(energy_keV) + ".dat");
}

void ReadScatterKernel(const std::filesystem::path& path, KernelTable& kernel)
{
  SeqReader in(path);
  try {
    for (int j = 1; j <= 80; ++j) {
      for (int m = 1; m <= 80; ++m) kernel[m][j] = in.ReadNumber();
    }
  } catch (const DataError& e) {
    // The reader names the file alone; say which folder it came from.
    throw DataError(path.parent_path().filename().string() + "/" + e.what(), e.fault(), e.file(), e.line(),
                    e.detail());
  }
}

}  // namespace vorn::pdd
