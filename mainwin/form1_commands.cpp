// The calculate command and the result-table view of the main window.
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "beam/output_data.h"
#include "mainwin/form1.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"

namespace vorn::mainwin {
namespace {

// The "ideographic space" that stands for a site left empty, so that the
// result table and its files always have a site text.
constexpr const char* kEmptySiteName = "　";

// The thickness must fit between the skin and the film. FFD - FSD carries the
// rounding of two decimal entries (100.1 - 80.1 is 19.999999999999986), so a
// thickness equal to the gap as typed passes.
bool ThicknessExceedsGap(double thickness, double ffd, double fsd)
{
  const double slack = 1e-9 * std::max({1.0, std::abs(ffd), std::abs(fsd)});
  return thickness > ffd - fsd + slack;
}

}  // namespace

void Form1::StoreAllBoxes()
{
  Module1& m = program_.Module();
  ExposureCondition& c = m.Condition;
  c.TargetAngle = Val(Text1.Text());
  c.InherentFilterAl = Val(Text2.Text()) * 0.1;
  c.AddedFilterAl = Val(Text3.Text()) * 0.1;
  c.AddedFilterCu = Val(Text4.Text()) * 0.1;
  m.OtherFilter.OtherFilterThickness = Val(Label26.Caption()) * 0.1;
  c.TubeVoltage = Val(Text5.Text());
  c.TubeCurrent = Val(Text6.Text());
  c.ExposureTime = Val(Text7.Text());
  c.FFD = Val(Text8.Text());
  c.FSD = Val(Text9.Text());
  c.ObjectThickness = Val(Text23.Text());
  c.FieldLength = Val(Text10.Text());
  c.FieldWidth = Val(Text11.Text());
}

std::optional<EntryRefusal> Form1::FirstBadEntry()
{
  const Edition edition = program_.edition;
  const MainWinTexts& t = texts_;
  struct Entry {
    ui::TextBox& box;
    std::string name;
    EntryRule rule;
  };
  std::vector<Entry> entries{
      {Text1, EntryBoxName(t.TargetAngle.caption, t.TargetAngle.unit), EntryRule::AboveZeroBelow90},
      {Text2, EntryBoxName(t.InherentFilter.caption, t.InherentFilter.unit), EntryRule::FittedFiltration},
      {Text3, EntryBoxName(t.AddedAl.caption, t.AddedAl.unit), EntryRule::ZeroOrMore},
      {Text4, EntryBoxName(t.AddedCu.caption, t.AddedCu.unit), EntryRule::ZeroOrMore},
      {Text5, EntryBoxName(t.TubeVoltage.caption, t.TubeVoltage.unit), EntryRule::AboveZero},
      {Text6, EntryBoxName(t.TubeCurrent.caption, t.TubeCurrent.unit), EntryRule::AboveZero},
      {Text7, EntryBoxName(t.ExposureTime.caption, t.ExposureTime.unit), EntryRule::AboveZero},
      {Text8, EntryBoxName(t.Ffd.caption, t.Ffd.unit), EntryRule::AboveZero},
      {Text23, EntryBoxName(t.Thickness.caption, t.Thickness.unit), EntryRule::ZeroOrMore},
      {Text9, EntryBoxName(t.Fsd.caption, t.Fsd.unit), EntryRule::AboveZero},
      // The long side or the diameter, named as the caption beside it says.
      {Text10, EntryBoxName(Label22.Caption(), t.FieldUnit), EntryRule::AboveZero},
  };
  // A circular field has no second side (its box shows 0).
  if (program_.Module().Condition.FieldShape != kCircularField) {
    entries.push_back({Text11, EntryBoxName(t.FieldShortSide, t.FieldUnit), EntryRule::AboveZero});
  }
  for (const Entry& entry : entries) {
    if (auto refusal = CheckEntry(entry.box, entry.box.Text(), entry.rule, entry.name, edition)) return refusal;
  }
  return std::nullopt;
}

void Form1::EndFailedCalculation()
{
  DiscardResult();
  // An open fit dialog would start a recalculation from what has just failed.
  if (program_.Form11.Exists()) program_.Form11->Hide();
}

bool Form1::RefuseCondition(bool storeBoxes)
{
  if (const std::optional<EntryRefusal> refusal = FirstBadEntry()) {
    EndFailedCalculation();
    ReportRefusal(App(), *refusal);
    return true;
  }
  if (storeBoxes) StoreAllBoxes();
  const ExposureCondition& c = program_.Module().Condition;
  if (ThicknessExceedsGap(c.ObjectThickness, c.FFD, c.FSD)) {
    EndFailedCalculation();
    App().MsgBox(std::string(texts_.ThicknessTooLarge), ui::vbExclamation);
    return true;
  }
  return false;
}

void Form1::DiscardResult()
{
  for (ui::Label* label : {&Label65, &Label66, &Label67, &Label68, &Label69, &Label70, &Label71, &Label72,
                           &Label73, &Label74, &Label75}) {
    label->SetCaption("");
  }
  // A measured exposure is an entry, not a result: it stays in use and on show.
  if (program_.Module().Condition.OutputSource != kMeasuredExposure) Label78.SetCaption("");
  Command3.SetEnabled(false);
  Command14.SetEnabled(false);
  Command11.SetEnabled(false);
  calculatedFor_.reset();
}

Form1::ResultBasis Form1::CurrentBasis()
{
  const Module1& m = program_.Module();
  ResultBasis basis{m.Condition, m.Phantom, m.OtherFilter, m.Result};
  // The effective dose comes back after the hand-over; it is not part of
  // what the result was computed from.
  basis.result.EffectiveDose = 0.0;
  return basis;
}

void Form1::RecordCalculatedResult() { calculatedFor_ = CurrentBasis(); }

bool Form1::RefuseStaleResult()
{
  if (calculatedFor_ && *calculatedFor_ == CurrentBasis()) return false;
  DiscardResult();
  App().Beep();
  App().MsgBox(std::string(EntryTextsFor(program_.edition).ConditionChangedSinceCalculation), ui::vbExclamation);
  return true;
}

bool Form1::RefuseStaleHandover()
{
  if (addedFor_ && *addedFor_ == CurrentBasis()) return false;
  App().Beep();
  App().MsgBox(std::string(EntryTextsFor(program_.edition).ConditionDiffersFromLastRow), ui::vbExclamation);
  return true;
}

void Form1::Command2_Click()
{
  Module1& m = program_.Module();
  ExposureCondition& c = m.Condition;
  const bool english = program_.edition == Edition::English;

  // The English edition reads every box again; the Japanese one stored each
  // when it was left.
  if (RefuseCondition(english)) return;

  try {
    m.CalcSpectrum();
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    c.SiteName = Combo2.Text().empty() ? std::string(kEmptySiteName) : Combo2.Text();
    RecordCalculatedResult();
    App().DoEvents();
    if (program_.Results.ResultRowCount <= results::kResultRows) {
      Command3.SetEnabled(true);
      Command14.SetEnabled(true);
      if (english) Command10.SetEnabled(true);
      Command3.SetFocus();
    }
    // The measured value stays in use (OutputSource), but the option shows it
    // no longer: the next measured value is entered afresh.
    Option4.SetValue(false);
  } catch (const VoltageBelowOutputData&) {
    EndFailedCalculation();
    App().Beep();
    App().MsgBox(std::string(EntryTextsFor(program_.edition).VoltageBelowOutputData), ui::vbExclamation);
  } catch (const DoseBeyondLimit&) {
    EndFailedCalculation();
    App().Beep();
    App().MsgBox(std::string(EntryTextsFor(program_.edition).DoseBeyondLimit), ui::vbExclamation);
  } catch (const std::exception&) {
    // Part of the result may have been written before the failure: none of it stays.
    EndFailedCalculation();
    App().Beep();
    App().MsgBox(std::string(texts_.CalculationFailed), ui::vbExclamation);
  }
}

void Form1::Command10_Click()
{
  results::Form10& results = *program_.Form10;
  results.ShowUserName(program_.UserName);
  results.Move(15, 15);
  results.Show();
}

}  // namespace vorn::mainwin
