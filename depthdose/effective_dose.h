// The effective-dose window's rows as the computation reads them, and what
// one press of its OK button produces.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "depthdose/organ_data.h"

namespace vorn::pdd {

// Organ rows in screen order (the order of processing).
enum OrganRow : int {
  kBreast = 1, kRedMarrow, kColon, kLung, kStomach, kGonads, kThyroid, kOesophagus,
  kLiver, kBladder, kBoneSurface, kEntranceSkin, kExitSkin, kBrain, kSalivaryGlands,
  kRemainder
};

// One row as the window holds it: the check box and the box texts, read as
// the number that leads each text.
struct OrganRowInput {
  bool checked = false;
  std::string near_depth;
  std::string far_depth;
  std::string percent;
};
using OrganRowInputs = std::array<OrganRowInput, kOrganRowCount + 1>;  // index = row 1..16

struct EffectiveDoseResult {
  // Result label of each row set by this press: "-" for an unticked row, the
  // tissue-weighted dose in microsievert ("###0.0") otherwise. Rows after a
  // refusal or an error are not reached and keep their old labels (empty here).
  std::array<std::optional<std::string>, kOrganRowCount + 1> labels;
  std::array<double, kOrganRowCount + 1> organ_dose_mSv{};

  bool completed = false;   // every row passed; the total is valid and shown
  double total_mSv = 0.0;
  std::string total_text;   // "##0.000", only when completed

  // When not completed: the message to show (exclamation icon, OK), and the
  // row whose input was refused (0 for any other error).
  std::string message;
  int refused_row = 0;

  // Completed and written to Eff-Dose.dat for the main program. A completed
  // total that was not handed back says why (exclamation icon, OK).
  bool handed_back = false;
  std::string not_handed_back;
};

// Index into TissueWeight of an organ row (both skin rows share index 12).
int OrganWeightIndex(int row);

}  // namespace vorn::pdd
