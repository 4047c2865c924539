// Organ doses from the mean depth dose over each organ's slabs, weighted with
// the tissue weighting factors into the effective dose.
#include "depthdose/effective_dose.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "beam/calculation_result.h"
#include "depthdose/depth_dose_calculation.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "text/depthdose_texts.h"
#include "text/error_texts.h"

namespace vorn::pdd {

namespace {

// The number a box holds: all of its text, blanks around it allowed. Nothing
// for a text that is no number: "17,6" would otherwise count as 17 cm and
// "3cm" as 3 without a word.
std::optional<double> BoxNumber(std::string_view text)
{
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  return ParseNumber(text);
}

}  // namespace

int OrganWeightIndex(int row) { return row <= kEntranceSkin ? row : row - 1; }

EffectiveDoseResult DepthDoseCalculation::EvaluateEffectiveDose(const OrganRowInputs& rows) const
{
  const DepthDoseTexts& texts = DepthDoseTextsFor(edition_);
  EffectiveDoseResult result;
  auto stop = [&](std::string_view message, int refused_row) {
    result.message = std::string(message);
    result.refused_row = refused_row;
    return result;
  };
  // A failed depth-dose computation leaves no table to take doses from: an
  // effective dose of 0 would be handed back as a result.
  if (!DepthDoseComputed) return stop(texts.EffectiveDoseFailed, 0);

  // The lungs lie between the breast and the exit skin in the chest views;
  // their low density (0.3) moves those rows' effective depths up by 0.3 of
  // the lung's thickness as the lung row's boxes stand.
  const bool chest_frontal = InSiteName == texts.ChestFrontalSite;
  const bool chest_lateral = InSiteName == texts.ChestLateralSite;
  // An emptied lung box counts as 0 there, whether the lung row is ticked or not.
  const auto lung_box = [](const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos ? std::optional<double>(0.0) : BoxNumber(text);
  };
  const std::optional<double> lung_near = lung_box(rows[kLung].near_depth);
  const std::optional<double> lung_far = lung_box(rows[kLung].far_depth);
  const auto not_a_number = [&](int row) {
    return stop(std::string(texts.OrganRowRefused[row]) + "\n" + std::string(texts.OrganBoxNotANumber), row);
  };

  // The organ rows show their depths to 0.1 cm, so a far depth at the exit
  // surface of a 20.25 cm body reads "20.3": such a depth is at the surface,
  // not beyond it, and must not be refused as a typing mistake.
  const double thickness_limit = std::max(InObjectThickness, Val(Format(InObjectThickness, "#0.0")));

  double E = 0.0;
  for (int row = 1; row <= kOrganRowCount; ++row) {
    const OrganRowInput& input = rows[row];
    if (!input.checked) {
      result.labels[row].emplace(1, '-');  // (not = "-": g++ 12 warns falsely there)
      continue;
    }
    const std::optional<double> near = BoxNumber(input.near_depth);
    const std::optional<double> far = BoxNumber(input.far_depth);
    const std::optional<double> percent = BoxNumber(input.percent);
    if (!near || !far || !percent) return not_a_number(row);
    double d1 = *near;
    double d2 = *far;
    if ((row == kBreast && chest_frontal) || (row == kExitSkin && (chest_frontal || chest_lateral))) {
      if (!lung_near || !lung_far) return not_a_number(kLung);
      const double lung_correction = 0.3 * (*lung_far - *lung_near);
      d1 -= lung_correction;
      d2 -= lung_correction;
    }
    const double f = 0.01 * *percent;
    if (!std::isfinite(d1) || !std::isfinite(d2) || !std::isfinite(f)) {
      return stop(texts.EffectiveDoseFailed, 0);  // a number beyond range: overflow
    }
    if (d2 < d1 || d2 > thickness_limit || f < 0.0 || f > 1.0) {
      return stop(texts.OrganRowRefused[row], row);
    }
    if (row == kLung) d2 = d1 + 0.3 * (d2 - d1);

    // Slabs from the one that holds the near depth (a depth on a boundary
    // belongs to the deeper slab; for the exit skin the slab above it) to
    // the deepest one that begins no deeper than the far depth.
    double s1 = std::floor(2.0 * d1) + (row == kExitSkin ? 0.0 : 1.0);
    double s2 = std::floor(2.0 * d2);
    if (s1 == 0.0) s1 = 1.0;
    if (s2 == 0.0) s2 = 1.0;
    if (s2 < s1) s2 = s1;
    if (s1 < 0.0) return stop(texts.EffectiveDoseFailed, 0);  // above the entrance surface

    // Slabs beyond the table are left out of the mean.
    double S = 0.0;
    int n = 0;
    if (s1 <= kLastSlab) {
      const int last = static_cast<int>(std::min(s2, static_cast<double>(kLastSlab)));
      for (int j = static_cast<int>(s1); j <= last; ++j) {
        S += 0.01 * PddTable[3][j];
        ++n;
      }
    }
    if (n == 0) return stop(texts.EffectiveDoseFailed, 0);
    const double m = S / n;

    const double H = TissueWeight[OrganWeightIndex(row)] * (f * (m * InEntranceSurfaceDose));
    if (!std::isfinite(H)) return stop(texts.EffectiveDoseFailed, 0);
    result.labels[row] = Format(1000.0 * H, "###0.0");  // microsievert
    result.organ_dose_mSv[row] = H;
    E += H;
  }

  if (!std::isfinite(E)) return stop(texts.EffectiveDoseFailed, 0);
  result.completed = true;
  result.total_mSv = E;
  result.total_text = Format(E, "##0.000");
  return result;
}

EffectiveDoseResult DepthDoseCalculation::ConfirmEffectiveDose(const OrganRowInputs& rows) const
{
  EffectiveDoseResult result = EvaluateEffectiveDose(rows);
  if (!result.completed) return result;
  // The total stays on show whatever becomes of the hand-back; only the file
  // is withheld, and the user is told why.
  const DepthDoseTexts& texts = DepthDoseTextsFor(edition_);
  const double handed = Val(result.total_text);
  if (!(handed >= 0.0 && handed < kDoseLimit_mGy)) {
    // The main program's result table (and its file) takes no such value.
    result.not_handed_back = std::string(texts.EffectiveDoseBeyondTable);
    return result;
  }
  switch (HandoverState()) {
    case HandoverNow::Unchanged: break;
    case HandoverNow::Replaced: result.not_handed_back = std::string(texts.LaterHandover); return result;
    case HandoverNow::Gone: result.not_handed_back = std::string(texts.HandoverGone); return result;
  }
  std::string content(texts.EffDoseFileHeader);
  content += "\r\n";
  content += result.total_text;
  content += "\r\n";
  try {
    // In one step: a failed write leaves the file of an earlier OK as it was.
    WriteFileAtomically(FilePath(kEffDoseFileName), content);
  } catch (const Error& e) {
    result.not_handed_back = std::string(texts.EffDoseNotWritten) + "\n" + ErrorText(e, edition_, folder_);
    return result;
  }
  result.handed_back = true;
  return result;
}

}  // namespace vorn::pdd
