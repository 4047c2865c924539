// The check every entry box passes before its number is used in a
// calculation or written to a file: the whole text must be one number (blanks
// before and after it allowed), inside what the quantity can physically be.
// The runtime's own rule would take the number that leads any text ("2,5" as
// 2, "abc" as 0), which turns a typing slip into a plausible wrong dose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/ui.h"
#include "text/edition.h"

namespace vorn::mainwin {

enum class EntryRule {
  AboveZero,         // tube voltage, current, time, distances, field sides, dimensions
  ZeroOrMore,        // added filtrations, body thickness
  // The inherent filtration in mm Al: a fit to a measured half-value layer may
  // leave it below 0, down to the fit's own bound, and the next calculation
  // must take it.
  FittedFiltration,
  AboveZeroBelow90,  // target angle in degrees
};

// The number of a box whose whole text is one number in the runtime's grammar,
// blanks (spaces, tabs) before and after it allowed: "80", " 2.5 ",
// "2.58E-04". Nothing for "", "abc", "2,5", "3,2e2", "80kV". A number beyond
// the range of doubles comes back infinite. Where there is a number, it is the
// one the runtime's rule reads from the same text.
std::optional<double> EntryNumber(std::string_view text);

// Whether a finite number keeps the rule.
bool KeepsRule(double value, EntryRule rule);

// The name a message gives a box: the caption beside it without the blanks
// around it and without a closing "=", then the unit in brackets when there
// is one ("管電圧", "kV" -> "管電圧 (kV)"; "a =", "cm" -> "a (cm)").
std::string EntryBoxName(std::string_view caption, std::string_view unit);

// The message that names a box and what it must hold.
std::string EntryMessage(Edition edition, std::string_view boxName, EntryRule rule);
// The message that names a box whose number is too large.
std::string TooLargeMessage(Edition edition, std::string_view boxName);

// A box that failed its check: where the focus goes and what the user is told.
struct EntryRefusal {
  ui::Control* box = nullptr;
  std::string message;
};

// The refusal for a box (a text box, or the text of a combo box) whose text
// breaks the rule, or nothing when it keeps it.
std::optional<EntryRefusal> CheckEntry(ui::Control& box, std::string_view text, EntryRule rule,
                                       std::string_view boxName, Edition edition);

// Beep, the message with the warning icon, then the focus into the box.
void ReportRefusal(ui::Application& app, const EntryRefusal& refusal);

}  // namespace vorn::mainwin
