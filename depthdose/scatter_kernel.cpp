#include "depthdose/scatter_kernel.h"

#include <string>

#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

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
      for (int m = 1; m <= 80; ++m) {
        const int line = in.line_number();
        kernel[m][j] = in.ReadNumber();
        // Scatter only adds dose: the ring sums must not shrink or turn negative.
        if (!(kernel[m][j] >= 0.0)) {
          throw MalformedFile(path, line, "a scatter value must be 0 or more, found " + NumberText(kernel[m][j]));
        }
      }
    }
  } catch (const DataError& e) {
    // The reader names the file alone; say which folder it came from.
    throw DataError(path.parent_path().filename().string() + "/" + e.what(), e.fault(), e.file(), e.line(),
                    e.detail());
  }
}

}  // namespace vorn::pdd
