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
  std::string_view ZeroOrMore;        // filtrations, body thickness
  std::string_view AboveZeroBelow90;  // target angle
  std::string_view TooLarge;          // a number beyond what can be computed or written

  // ---- whole messages ----
  // The output table extrapolated below its first voltage gives no exposure.
  std::string_view VoltageBelowOutputData;
  // Output-data editor: no file name, and voltages that its file format cannot hold.
  std::string_view FileNameMissing;
  std::string_view VoltagesNotWritable;
};

const EntryTexts& EntryTextsFor(Edition edition);

}  // namespace vorn
