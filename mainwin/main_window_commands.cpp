// The calculate command and the result-table view of the main window.
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "beam/curved_surface.h"
#include "beam/output_data.h"
#include "mainwin/main_window.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"
#include "text/error_texts.h"

namespace vorn::mainwin {
namespace {

// The thickness must fit between the skin and the film. FFD - FSD carries the
// rounding of two decimal entries (100.1 - 80.1 is 19.999999999999986), so a
// thickness equal to the gap as typed passes.
bool ThicknessExceedsGap(double thickness, double ffd, double fsd)
{
  const double slack = 1e-9 * std::max({1.0, std::abs(ffd), std::abs(fsd)});
  return thickness > ffd - fsd + slack;
}

}  // namespace

void MainWindow::StoreAllBoxes()
{
  BeamCalculation& m = program_.Module();
  ExposureCondition& c = m.Condition;
  c.TargetAngle = Val(targetAngleBox.Text());
  c.InherentFilterAl = Val(inherentFilterBox.Text()) * 0.1;
  c.AddedFilterAl = Val(addedAlBox.Text()) * 0.1;
  c.AddedFilterCu = Val(addedCuBox.Text()) * 0.1;
  m.OtherFilter.OtherFilterThickness = Val(optionalFilterThicknessLabel.Caption()) * 0.1;
  c.TubeVoltage = Val(tubeVoltageBox.Text());
  c.TubeCurrent = Val(tubeCurrentBox.Text());
  c.ExposureTime = Val(exposureTimeBox.Text());
  c.FFD = Val(ffdBox.Text());
  c.FSD = Val(fsdBox.Text());
  c.ObjectThickness = Val(thicknessBox.Text());
  c.FieldLength = Val(fieldLongSideBox.Text());
  c.FieldWidth = Val(fieldShortSideBox.Text());
}

std::optional<EntryRefusal> MainWindow::FirstBadEntry()
{
  const Edition edition = program_.edition;
  const MainWinTexts& t = texts_;
  struct Entry {
    ui::TextBox& box;
    std::string name;
    EntryRule rule;
  };
  std::vector<Entry> entries{
      {targetAngleBox, EntryBoxName(t.TargetAngle.caption, t.TargetAngle.unit), EntryRule::AboveZeroBelow90},
      {inherentFilterBox, EntryBoxName(t.InherentFilter.caption, t.InherentFilter.unit), EntryRule::FittedFiltration},
      {addedAlBox, EntryBoxName(t.AddedAl.caption, t.AddedAl.unit), EntryRule::ZeroOrMore},
      {addedCuBox, EntryBoxName(t.AddedCu.caption, t.AddedCu.unit), EntryRule::ZeroOrMore},
      {tubeVoltageBox, EntryBoxName(t.TubeVoltage.caption, t.TubeVoltage.unit), EntryRule::AboveZero},
      {tubeCurrentBox, EntryBoxName(t.TubeCurrent.caption, t.TubeCurrent.unit), EntryRule::AboveZero},
      {exposureTimeBox, EntryBoxName(t.ExposureTime.caption, t.ExposureTime.unit), EntryRule::AboveZero},
      {ffdBox, EntryBoxName(t.Ffd.caption, t.Ffd.unit), EntryRule::AboveZero},
      {thicknessBox, EntryBoxName(t.Thickness.caption, t.Thickness.unit), EntryRule::ZeroOrMore},
      {fsdBox, EntryBoxName(t.Fsd.caption, t.Fsd.unit), EntryRule::AboveZero},
      // The long side or the diameter, named as the caption beside it says.
      {fieldLongSideBox, EntryBoxName(fieldLongSideCaption.Caption(), t.FieldUnit), EntryRule::AboveZero},
  };
  // A circular field has no second side (its box shows 0).
  if (program_.Module().Condition.FieldShape != kCircularField) {
    entries.push_back({fieldShortSideBox, EntryBoxName(t.FieldShortSide, t.FieldUnit), EntryRule::AboveZero});
  }
  for (const Entry& entry : entries) {
    if (auto refusal = CheckEntry(entry.box, entry.box.Text(), entry.rule, entry.name, edition)) return refusal;
  }
  return std::nullopt;
}

bool MainWindow::RefuseCondition(bool storeBoxes)
{
  if (const std::optional<EntryRefusal> refusal = FirstBadEntry()) {
    ReportRefusal(App(), *refusal);
    return true;
  }
  if (storeBoxes) StoreAllBoxes();
  const ExposureCondition& c = program_.Module().Condition;
  const ConditionBoxes boxes{tubeVoltageBox, EntryBoxName(texts_.TubeVoltage.caption, texts_.TubeVoltage.unit), fsdBox,
                             EntryBoxName(texts_.Fsd.caption, texts_.Fsd.unit)};
  if (const auto refusal = CheckConditionLimits(boxes, c, program_.Module().Output, program_.edition)) {
    ReportRefusal(App(), *refusal);
    return true;
  }
  if (ThicknessExceedsGap(c.ObjectThickness, c.FFD, c.FSD)) {
    App().MsgBox(std::string(texts_.ThicknessTooLarge), ui::vbExclamation);
    return true;
  }
  return false;
}

std::string MainWindow::SiteText() const
{
  return siteCombo.Text().empty() ? std::string(results::kEmptySiteName) : siteCombo.Text();
}

void MainWindow::RecordCalculatedResult()
{
  BeamCalculation& m = program_.Module();
  m.Condition.SiteName = SiteText();
  // A filter switched off (printing does so) leaves its material in memory;
  // it was not in the beam, and the row must not name it.
  if (m.OtherFilter.OtherFilterOn != 1) {
    m.OtherFilter.OtherFilterMaterial.clear();
    m.OtherFilter.OtherFilterThickness = 0.0;
  }
  results::CalculationRecord record{m.Condition, m.Phantom, m.OtherFilter, m.Result, m.Spectrum};
  // The effective dose comes back later, for the row.
  record.result.EffectiveDose = 0.0;
  program_.Ledger.Calculated(std::move(record));
}

void MainWindow::EmptyResultLabels()
{
  for (ui::Label* label : {&exposureAt1mLabel, &hvlLabel, &effectiveEnergyLabel, &atrIndexLabel, &surfaceDoseAirLabel,
                           &bsfSoftLabel, &convFactorSoftLabel, &convFactorSkinLabel, &surfaceDoseSoftLabel,
                           &surfaceDoseSkinLabel, &bsfSkinLabel, &bsfAirLabel}) {
    // The English window has no ATR index.
    if (label == &atrIndexLabel && program_.edition != Edition::Japanese) continue;
    label->SetCaption("");
  }
}

void MainWindow::DiscardResult()
{
  // A measured exposure is an entry, not a result: it stays in use and on show.
  const std::string exposure = exposureAt1mLabel.Caption();
  EmptyResultLabels();
  if (program_.Module().Condition.OutputSource == kMeasuredExposure) exposureAt1mLabel.SetCaption(exposure);
  addToTableButton.SetEnabled(false);
  fitButton.SetEnabled(false);
  program_.Ledger.DiscardCalculation();
}

results::CalculationRecord MainWindow::EnteredCondition()
{
  const BeamCalculation& m = program_.Module();
  results::CalculationRecord entered{m.Condition, m.Phantom, m.OtherFilter, m.Result, {}};
  entered.condition.SiteName = SiteText();
  return entered;
}

bool MainWindow::RefuseStaleResult()
{
  const results::CalculationRecord* calculated = program_.Ledger.Calculation();
  const BeamCalculation& m = program_.Module();
  // A measured exposure entered since would stand on the window beside doses
  // that are not its own; the default output chosen for the next calculation
  // changes nothing on show.
  const bool exposureChanged = m.Condition.OutputSource == kMeasuredExposure && calculated != nullptr &&
                               NumberText(m.Result.OutputAt1m) != NumberText(calculated->result.OutputAt1m);
  if (calculated && !exposureChanged && results::SameRowCondition(calculated->Row(), EnteredCondition().Row())) {
    return false;
  }
  DiscardResult();
  App().Beep();
  App().MsgBox(std::string(EntryTextsFor(program_.edition).ConditionChangedSinceCalculation), ui::vbExclamation);
  return true;
}

void MainWindow::CalculateButton_Click()
{
  BeamCalculation& m = program_.Module();
  const bool english = program_.edition == Edition::English;

  // The English edition reads every box again; the Japanese one stored each
  // when it was left.
  if (RefuseCondition(english)) return;

  try {
    m.CalcSpectrum();
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    RecordCalculatedResult();
    App().DoEvents();
    if (program_.Results.ResultRowCount <= results::kResultRows) {
      addToTableButton.SetEnabled(true);
      fitButton.SetEnabled(true);
      if (english) showTableButton.SetEnabled(true);
      addToTableButton.SetFocus();
    }
    // The measured value stays in use (OutputSource), but the option shows it
    // no longer: the next measured value is entered afresh.
    measuredExposureOption.SetValue(false);
  } catch (const BackscatterNotTaken&) {
    // The curved-surface procedure has told the user why already.
    DiscardResult();
  } catch (const VoltageBelowOutputData&) {
    DiscardResult();
    App().Beep();
    App().MsgBox(std::string(EntryTextsFor(program_.edition).VoltageBelowOutputData), ui::vbExclamation);
  } catch (const DoseBeyondLimit&) {
    DiscardResult();
    App().Beep();
    App().MsgBox(std::string(EntryTextsFor(program_.edition).DoseBeyondLimit), ui::vbExclamation);
  } catch (const std::exception& e) {
    // Part of the result may have been written before the failure: none of it stays.
    DiscardResult();
    App().Beep();
    App().MsgBox(std::string(texts_.CalculationFailed) + FileCauseLine(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
  }
}

void MainWindow::ShowTableButton_Click()
{
  results::ResultWindow& results = *program_.resultWindow;
  results.ShowUserName(program_.UserName);
  results.Move(15, 15);
  results.Show();
}

}  // namespace vorn::mainwin
