// The organ file of the examination site: 16 records of 7 fields, the organ
// identified by its record's position.
#include "depthdose/organ_data.h"

#include <cmath>
#include <optional>
#include <string>

#include "depthdose/depth_dose_calculation.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "text/depthdose_texts.h"

namespace vorn::pdd {

namespace {

constexpr int kFieldCount = 7;

// A field read as a text item: its number, or nothing when it is not one. An
// empty field reads as 0, as an empty item does.
std::optional<double> FieldNumber(const std::string& field)
{
  if (field.empty()) return 0.0;
  const std::optional<double> value = ParseNumber(field);
  // 1E999 reads as infinity: no number of an organ row.
  if (value && !std::isfinite(*value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> OrganDepthFromMode(double mode, double value, double thickness_cm)
{
  if (mode == 0.0) return value;
  if (mode == 1.0) return value * thickness_cm;
  if (mode == 2.0) return thickness_cm - value;
  return std::nullopt;
}

OrganDataResult DepthDoseCalculation::LoadOrganData()
{
  OrganDataResult result;
  for (OrganArray* column : {&OrganOn, &OrganDepth1Mode, &OrganDepth1, &OrganDepth2Mode, &OrganDepth2, &OrganPercent}) {
    column->fill(0.0);
  }

  // All records are read before any row is filled, so a missing or short
  // file leaves every row reset.
  std::array<std::array<std::string, kFieldCount + 1>, kOrganRowCount + 1> fields;
  // The site name comes from the hand-over file: a name, never a path that
  // could lead out of the organ folder ("../Primary").
  if (!IsPlainName(InSiteName)) {
    result.message = NoOrganDataMessage(edition_, ShortStart(InSiteName));
    return result;
  }
  try {
    SeqReader in(FilePath(std::filesystem::path(kOrganFolderName) / (InSiteName + ".csv")));
    for (int row = 1; row <= kOrganRowCount; ++row) {
      for (int f = 1; f <= kFieldCount; ++f) fields[row][f] = in.ReadText();
    }
  } catch (const Error&) {
    result.message = NoOrganDataMessage(edition_, ShortStart(InSiteName));
    return result;
  }

  // A field that is not a number (or a depth mode other than 0, 1 and 2)
  // stops the filling at its row; the rows before it stay filled.
  for (int row = 1; row <= kOrganRowCount; ++row) {
    const std::optional<double> on = FieldNumber(fields[row][2]);
    if (!on) {
      result.message = NoOrganDataMessage(edition_, ShortStart(InSiteName));
      return result;
    }
    OrganOn[row] = *on;
    if (*on != 1.0) continue;  // the other fields do not matter then

    std::array<double, kFieldCount + 1> value{};
    for (int f = 3; f <= kFieldCount; ++f) {
      const std::optional<double> number = FieldNumber(fields[row][f]);
      if (!number) {
        result.message = NoOrganDataMessage(edition_, ShortStart(InSiteName));
        return result;
      }
      value[f] = *number;
    }
    OrganDepth1Mode[row] = value[3];
    OrganDepth1[row] = value[4];
    OrganDepth2Mode[row] = value[5];
    OrganDepth2[row] = value[6];
    OrganPercent[row] = value[7];

    const std::optional<double> near = OrganDepthFromMode(value[3], value[4], InObjectThickness);
    const std::optional<double> far = OrganDepthFromMode(value[5], value[6], InObjectThickness);
    if (!near || !far) {
      result.message = NoOrganDataMessage(edition_, ShortStart(InSiteName));
      return result;
    }
    OrganRowFill& fill = result.rows[row];
    fill.checked = true;
    fill.near_depth = Format(*near, "#0.0");
    fill.far_depth = Format(*far, "#0.0");
    fill.percent = NumberText(value[7]);
  }
  return result;
}

}  // namespace vorn::pdd
