#include "mainwin/entry_check.h"

#include <cmath>

#include "beam/energy_bins.h"
#include "beam/fit_limits.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"

namespace vorn::mainwin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view RuleText(const EntryTexts& t, EntryRule rule)
{
  switch (rule) {
    case EntryRule::AboveZero: return t.AboveZero;
    case EntryRule::ZeroOrMore: return t.ZeroOrMore;
    case EntryRule::FittedFiltration: return t.FittedFiltrationOrMore;
    case EntryRule::AboveZeroBelow90: return t.AboveZeroBelow90;
  }
  return t.AboveZero;  // not reached: every rule is listed above
}

std::string Framed(Edition edition, std::string_view boxName, std::string_view what)
{
  const EntryTexts& t = EntryTextsFor(edition);
  std::string message(t.Lead);
  message += boxName;
  message += t.Separator;
  message += what;
  message += t.Tail;
  return message;
}

// A typed text as a message quotes it: at most this many characters, so that
// a whole paste does not fill the screen.
constexpr std::size_t kQuotedCharacters = 24;

std::string Quoted(std::string_view text)
{
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (characters++ == kQuotedCharacters) return std::string(text.substr(0, i)) + "…";
  }
  return std::string(text);
}

// Blanks of both kinds at either end: the ASCII ones and the ideographic space.
std::string_view TrimCaption(std::string_view s)
{
  constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    if (!s.empty() && IsBlank(s.front())) { s.remove_prefix(1); trimmed = true; }
    if (!s.empty() && IsBlank(s.back())) { s.remove_suffix(1); trimmed = true; }
    if (s.starts_with(kIdeographicSpace)) { s.remove_prefix(kIdeographicSpace.size()); trimmed = true; }
    if (s.ends_with(kIdeographicSpace)) { s.remove_suffix(kIdeographicSpace.size()); trimmed = true; }
  }
  return s;
}

}  // namespace

std::optional<double> EntryNumber(std::string_view text)
{
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return ParseNumber(text);
}

bool KeepsRule(double value, EntryRule rule)
{
  switch (rule) {
    case EntryRule::AboveZero: return value > 0.0;
    case EntryRule::ZeroOrMore: return value >= 0.0;
    case EntryRule::FittedFiltration: return value >= 10.0 * kFitFiltrationMin_cm;
    case EntryRule::AboveZeroBelow90: return value > 0.0 && value < 90.0;
  }
  return false;  // not reached: every rule is listed above
}

std::string EntryBoxName(std::string_view caption, std::string_view unit)
{
  std::string_view name = TrimCaption(caption);
  if (name.ends_with('=')) name = TrimCaption(name.substr(0, name.size() - 1));
  std::string out(name);
  unit = TrimCaption(unit);
  if (!unit.empty()) {
    out += " (";
    out += unit;
    out += ')';
  }
  return out;
}

std::string EntryMessage(Edition edition, std::string_view boxName, EntryRule rule)
{
  return Framed(edition, boxName, RuleText(EntryTextsFor(edition), rule));
}

std::string TooLargeMessage(Edition edition, std::string_view boxName)
{
  return Framed(edition, boxName, EntryTextsFor(edition).TooLarge);
}

std::string NotANumberMessage(Edition edition, std::string_view boxName, std::string_view text)
{
  const EntryTexts& t = EntryTextsFor(edition);
  return Framed(edition, boxName, std::string(t.NotANumberBefore) + Quoted(text) + std::string(t.NotANumberAfter));
}

std::optional<EntryRefusal> CheckEntry(ui::Control& box, std::string_view text, EntryRule rule,
                                       std::string_view boxName, Edition edition)
{
  const std::optional<double> value = EntryNumber(text);
  if (!value && text.find_first_not_of(" \t") != std::string_view::npos) {
    return EntryRefusal{&box, NotANumberMessage(edition, boxName, text)};
  }
  if (value && std::isinf(*value) && KeepsRule(*value, rule)) {
    return EntryRefusal{&box, TooLargeMessage(edition, boxName)};
  }
  if (!value || !std::isfinite(*value) || !KeepsRule(*value, rule)) {
    return EntryRefusal{&box, EntryMessage(edition, boxName, rule)};
  }
  return std::nullopt;
}

std::optional<EntryRefusal> CheckConditionLimits(const ConditionBoxes& boxes, const ExposureCondition& condition,
                                                 const OutputData& output, Edition edition)
{
  const EntryTexts& t = EntryTextsFor(edition);
  static_assert(kHighestTubeVoltage_kV == BinEnergy_keV(kLastBin));
  double highest = kHighestTubeVoltage_kV;
  bool ofOutputData = false;
  if (condition.OutputSource == kOutputDataTable && output.OutputTable(1, kOutputPoints) < highest) {
    highest = output.OutputTable(1, kOutputPoints);
    ofOutputData = true;
  }
  if (condition.TubeVoltage > highest) {
    std::string what = std::string(t.VoltageUpToBefore) + NumberText(highest) + std::string(t.VoltageUpToAfter);
    if (ofOutputData) what += t.VoltageOfOutputData;
    return EntryRefusal{&boxes.tubeVoltage, Framed(edition, boxes.tubeVoltageName, what)};
  }
  if (!(condition.FSD < condition.FFD)) {
    const std::string what = std::string(t.FsdBelowFfdBefore) + NumberText(condition.FFD) + std::string(t.FsdBelowFfdAfter);
    return EntryRefusal{&boxes.fsd, Framed(edition, boxes.fsdName, what)};
  }
  return std::nullopt;
}

void ReportRefusal(ui::Application& app, const EntryRefusal& refusal)
{
  app.Beep();
  app.MsgBox(refusal.message, ui::vbExclamation);
  refusal.box->SetFocus();
}

}  // namespace vorn::mainwin
