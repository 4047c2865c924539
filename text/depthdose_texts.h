// Texts of the depth-dose program's computing routines, one table per edition.
// Every text is used exactly as it stands, blanks included.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/edition.h"

namespace vorn {

struct DepthDoseTexts {
  // Thickness check at start-up: first box (exclamation icon, OK), then the
  // question (OK and Cancel, no icon).
  std::string_view ThicknessOver40;
  std::string_view AssumeThickness40;

  // The depth-dose computation failed (OK button, no icon).
  std::string_view DepthDoseFailed;

  // The effective-dose computation failed for a reason other than a refused
  // row (exclamation icon, OK).
  std::string_view EffectiveDoseFailed;

  // A refused organ row (exclamation icon, OK); index = organ row 1..16, 0 unused.
  std::array<std::string_view, 17> OrganRowRefused;

  // Line 1 of the effective-dose file.
  std::string_view EffDoseFileHeader;

  // Site names that select the lung corrections of the breast and exit-skin rows.
  std::string_view ChestFrontalSite;
  std::string_view ChestLateralSite;

  // The organ file of a site could not be read: before + site name + after.
  std::string_view NoOrganDataBefore;
  std::string_view NoOrganDataAfter;
};

const DepthDoseTexts& DepthDoseTextsFor(Edition edition);

// "There is no data of Abdomen-F" / "腹部正面 のデータはありません".
std::string NoOrganDataMessage(Edition edition, std::string_view site_name);

}  // namespace vorn
