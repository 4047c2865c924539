#include <string>

#include "beam/checked_math.h"
#include "beam/beam_calculation.h"
#include "beam/output_data.h"
#include "platform/errors.h"
#include "platform/format/format.h"

namespace vorn {

void BeamCalculation::CalcExposureFromOutput()
{
  const ExposureCondition& c = Condition;
  // A measured exposure stays as the user entered it.
  if (c.OutputSource != kOutputDataTable) return;

  const int t = c.RectificationType;
  if (t < 1 || t > 3) {
    throw CalcError("RectificationType " + std::to_string(t) + " has no row in the output table");
  }
  const int r = t + 1;
  const OutputTableArray& table = Output.OutputTable;

  int k = 2;
  while (c.TubeVoltage > table(1, k)) {
    ++k;
    if (k > kOutputPoints) {
      throw CalcError("TubeVoltage " + NumberText(c.TubeVoltage) +
                      " kV is above the output table's last point (" +
                      NumberText(table(1, kOutputPoints)) + " kV)");
    }
  }
  const double X = table(r, k - 1) +
                   CheckedDivide((table(r, k) - table(r, k - 1)) * (c.TubeVoltage - table(1, k - 1)),
                                 table(1, k) - table(1, k - 1),
                                 "the output table (two points at the same voltage)");
  // Below the first point the table is extrapolated; far enough below, the
  // line crosses zero and no exposure, dose or negative dose means anything.
  if (!(X > 0.0)) {
    if (c.TubeVoltage < table(1, 1)) {
      throw VoltageBelowOutputData("TubeVoltage " + NumberText(c.TubeVoltage) + " kV lies below the output table (" +
                                   NumberText(table(1, 1)) + " kV and up), which gives no exposure there");
    }
    throw CalcError("the output table gives no exposure at " + NumberText(c.TubeVoltage) + " kV");
  }
  const double output = RequireFinite(X * Result.KermaRatio * c.TubeCurrent * c.ExposureTime,
                                      "OutputAt1m");
  Result.OutputAt1m = output;
  windows_.SetLabelCaption(ResultLabel::ExposureAt1m, Format(Result.OutputAt1m, "0.00E+0"));
}

}  // namespace vorn
