#include "results/calculation_record.h"

#include <array>

#include "platform/format/format.h"
#include "results/result_table.h"

namespace vorn::results {

bool SameRowCondition(const RowSource& a, const RowSource& b)
{
  // Each condition stored as the add command would store it, so that what is
  // compared is exactly what a row would hold.
  ResultTable rows;
  StoreRow(rows, 1, a);
  StoreRow(rows, 2, b);
  const auto same = [&rows](const auto& column) { return column[1] == column[2]; };
  const auto sameNumber = [&rows](const NumberColumn& column) {
    return NumberText(column[1]) == NumberText(column[2]);
  };
  if (!same(rows.ResSiteName) || !same(rows.ResRectificationType) || !same(rows.ResOtherFilterMaterial) ||
      !same(rows.ResFieldSizeName) || !same(rows.ResPhantomModel)) {
    return false;
  }
  const std::array<const NumberColumn*, 19> numbers{
      &rows.ResTargetAngle,     &rows.ResInherentFilterAl,  &rows.ResAddedFilterAl,        &rows.ResAddedFilterCu,
      &rows.ResOtherFilterThickness, &rows.ResTubeVoltage, &rows.ResTubeCurrent,          &rows.ResExposureTime,
      &rows.ResFFD,             &rows.ResFSD,               &rows.ResObjectThickness,      &rows.ResFieldLength,
      &rows.ResFieldWidth,      &rows.ResCylinderRadius,    &rows.ResEllipseHRadius,       &rows.ResEllipseVRadius,
      &rows.ResRacetrackA,      &rows.ResRacetrackB,        &rows.ResRacetrackL};
  for (const NumberColumn* column : numbers) {
    if (!sameNumber(*column)) return false;
  }
  return true;
}

}  // namespace vorn::results
