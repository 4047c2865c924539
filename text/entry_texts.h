// Texts of the checks made on entry boxes before a calculation or a save,
// one table per edition. A refused box is named in one message:
// Lead + the box's name + Separator + what it must hold + Tail.
#pragma once

#include <string_view>

#include "text/edition.h"

namespace vorn {

struct EntryTexts {
  // ---- the frame of a refused box's message ----
  std::string_view Lead;
  std::string_view Separator;
  std::string_view Tail;

  // ---- what a box must hold ----
  std::string_view AboveZero;         // voltage, current, time, distances, field sides, dimensions
  std::string_view ZeroOrMore;        // added filtrations, body thickness
  std::string_view FittedFiltrationOrMore;  // inherent filtration (a fit may leave it below 0)
  std::string_view AboveZeroBelow90;  // target angle
  std::string_view TooLarge;          // a number beyond what can be computed or written
  // A text that is not a number: the text as typed, quoted, then what a
  // number looks like ("2,5", "80kV", "８０").
  std::string_view NotANumberBefore;
  std::string_view NotANumberAfter;
  // The tube voltage above what can be computed: the spectrum ends at
  // 150 kV, and the output data in use end at their highest voltage.
  // Before + the largest voltage + After (+ OfOutputData where it is theirs).
  std::string_view VoltageUpToBefore;
  std::string_view VoltageUpToAfter;
  std::string_view VoltageOfOutputData;
  // The FSD not below the FFD: the skin lies between the focus and the
  // film. Before + the FFD in cm + After (which starts with a no-break
  // space: a line never breaks between the number and its unit).
  std::string_view FsdBelowFfdBefore;
  std::string_view FsdBelowFfdAfter;

  // ---- whole messages ----
  // The output table extrapolated below its first voltage gives no exposure.
  std::string_view VoltageBelowOutputData;
  // Output-data editor: no file name, and voltages that its file format cannot hold.
  std::string_view FileNameMissing;
  std::string_view VoltagesNotWritable;
  // The condition (a box left with a new number, an option, the site, a
  // dialog) changed after the result on show was calculated: adding it would
  // pair the new condition with the old doses.
  std::string_view ConditionChangedSinceCalculation;
  // A dose no examination gives (1000 Gy at the skin or more).
  std::string_view DoseBeyondLimit;
};

const EntryTexts& EntryTextsFor(Edition edition);

}  // namespace vorn
