// The soft-tissue attenuation table and the primary factors.
#include <cmath>
#include <string>

#include "depthdose/depth_dose_calculation.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn::pdd {

void DepthDoseCalculation::LoadAttenuationData()
{
  {
    const std::filesystem::path path = FilePath(kAttenuationFileName);
    SeqReader in(path);
    const double rows = in.ReadNumber();
    in.ReadNumber();  // the second number of the file is not used
    if (!(rows >= 1.0 && rows <= kLastAttnRow) || rows != std::floor(rows)) {
      throw MalformedFile(path, 1, "the row count must be a whole number from 1 to " + std::to_string(kLastAttnRow) +
                                       ", found " + NumberText(rows));
    }
    for (int i = 1; i <= static_cast<int>(rows); ++i) {
      AttnTable[4][i] = in.ReadNumber();
      AttnTable[1][i] = in.ReadNumber();
      AttnTable[2][i] = in.ReadNumber();
      AttnTable[3][i] = in.ReadNumber();
      AttnTable[4][i] = 1000.0 * AttnTable[4][i];  // MeV to keV
    }
  }
  {
    const std::filesystem::path path = FilePath(kPrimaryFileName);
    SeqReader in(path);
    for (int i = 2; i <= kLastPrimaryRow; ++i) {
      in.ReadNumber();  // the record's energy: taken from its position instead
      const int line = in.line_number();
      PrimaryTable[i] = in.ReadNumber();
      // Its logarithm is taken below.
      if (!(PrimaryTable[i] > 0.0) || !std::isfinite(PrimaryTable[i])) {
        throw MalformedFile(path, line, "the primary factor must be a positive number, found " +
                                            NumberText(PrimaryTable[i]));
      }
    }
  }

  // Log-linear in energy between the 5 keV grid points; a bin on a grid point
  // takes that point's value. Bin 300 (150 keV) has no grid point above it.
  for (int i = 21; i <= kLastBin - 1; ++i) {
    const double E = 0.5 * i;
    const int k = static_cast<int>(std::floor(E / 5.0));
    if (E == 5.0 * k) {  // on a grid point: its value as it stands
      PrimaryFactor[i] = PrimaryTable[k];
      continue;
    }
    const double E2 = 5.0 * k + 5.0;
    const double L1 = std::log(PrimaryTable[k]);
    const double L2 = std::log(PrimaryTable[k + 1]);
    PrimaryFactor[i] = std::exp(L2 - (E2 - E) * (L2 - L1) / 5.0);
  }
  PrimaryFactor[kLastBin] = PrimaryTable[kLastPrimaryRow];

  PiValue = 3.14159;
}

}  // namespace vorn::pdd
