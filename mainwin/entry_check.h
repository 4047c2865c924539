// The check every entry box passes before its number is used in a
// calculation or written to a file: the whole text must be one number (blanks
// before and after it allowed), inside what the quantity can physically be.
// The runtime's own rule would take the number that leads any text ("2,5" as
// 2, "abc" as 0), which turns a typing slip into a plausible wrong dose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "beam/exposure_condition.h"
#include "beam/output_data.h"
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
// The message that names a box whose text is no number, quoting the text.
std::string NotANumberMessage(Edition edition, std::string_view boxName, std::string_view text);

// A box that failed its check: where the focus goes and what the user is told.
struct EntryRefusal {
  ui::Control* box = nullptr;
  std::string message;
};

// The refusal for a box (a text box, or the text of a combo box) whose text
// breaks the rule, or nothing when it keeps it. A text that is no number is
// told so; an empty box and a number outside the rule are told the rule.
std::optional<EntryRefusal> CheckEntry(ui::Control& box, std::string_view text, EntryRule rule,
                                       std::string_view boxName, Edition edition);

// The spectrum's energy grid ends at 150 keV: no tube voltage above it.
constexpr double kHighestTubeVoltage_kV = 150.0;

// The main window's boxes that the checks between quantities name.
struct ConditionBoxes {
  ui::Control& tubeVoltage;
  std::string tubeVoltageName;
  ui::Control& fsd;
  std::string fsdName;
};

// The checks a condition whose boxes each keep their rule must still pass
// before a calculation: a tube voltage up to 150 kV and, with the output
// data, up to their highest voltage; an FSD below the FFD. The refusal names
// the box and its range; nothing when the condition passes.
std::optional<EntryRefusal> CheckConditionLimits(const ConditionBoxes& boxes, const ExposureCondition& condition,
                                                 const OutputData& output, Edition edition);

// Beep, the message with the warning icon, then the focus into the box.
void ReportRefusal(ui::Application& app, const EntryRefusal& refusal);

}  // namespace vorn::mainwin
