#include "mainwin/fit_dialog.h"

#include <exception>
#include <initializer_list>
#include <string>

#include "beam/curved_surface.h"
#include "beam/output_data.h"
#include "mainwin/entry_check.h"
#include "mainwin/atr_explanation_window.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"
#include "text/error_texts.h"

namespace vorn::mainwin {
namespace {

// A calculated value: a white box with the number in its middle, as on the
// main window.
void StyleValue(ui::Label& label)
{
  label.SetBorderStyle(ui::BorderStyle::FixedSingle);
  label.SetBackColor(ui::colors::White);
  label.SetAlignment(ui::Alignment::Center);
}

}  // namespace

FitDialog::FitDialog(MainProgram& program)
    : Form(program.app, "Form11"),
      japanese_(program.edition == Edition::Japanese),
      program_(program),
      texts_(DialogsBTextsFor(program.edition).Fit)
{
  const FitDialogTexts& t = texts_;
  SetCaption(std::string(t.Caption));
  SetFont(ui::FontSpec{std::string(t.Font), japanese_ ? 10.5 : 12.0});

  calculatedHvlCaption.SetCaption(std::string(t.CalculatedHvl));
  measuredHvlCaption.SetCaption(std::string(t.MeasuredHvl));
  calculatedHvlUnit.SetCaption(std::string(t.HvlUnit));
  measuredHvlUnit.SetCaption(std::string(t.HvlUnit));
  StyleValue(calculatedHvlLabel);
  StyleValue(calculatedHvlEnglishLabel);
  methodFrame.SetCaption(std::string(t.MethodFrame));
  byFiltrationOption.SetCaption(std::string(t.ByFiltration));
  byVoltageOption.SetCaption(std::string(t.ByVoltage));
  okButton.SetCaption(std::string(t.Ok));
  cancelButton.SetCaption(std::string(t.Cancel));
  if (japanese_) {
    LayOutJapanese();
  } else {
    LayOutEnglish();
  }

  measuredHvlBox.KeyDown = [this](int keyCode, int) { MeasuredHvlBox_KeyDown(keyCode); };
  measuredAtrBox.KeyDown = [this](int keyCode, int) { MeasuredAtrBox_KeyDown(keyCode); };
  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  aboutAtrButton.Click = [this] { AboutAtrButton_Click(); };
}

void FitDialog::LayOutJapanese()
{
  const FitDialogTexts& t = texts_;
  SetSize(8040, 5880);
  headingCaption.SetCaption(std::string(t.Heading));
  headingCaption.Move(240, 150, 7560, 390);
  headingCaption.SetFontBold(true);
  headingLine2Caption.SetVisible(false);

  targetFrame.SetCaption(std::string(t.TargetFrame));
  targetFrame.Move(240, 660, 7560, 3060);
  fitToHvlOption.SetCaption(std::string(t.FitToHvl));
  fitToHvlOption.Move(240, 330, 5400, 375);
  calculatedHvlCaption.Move(600, 780, 2880, 330);
  calculatedHvlLabel.Move(3600, 735, 1320, 390);
  calculatedHvlUnit.Move(5040, 780, 900, 330);
  measuredHvlCaption.Move(600, 1230, 2880, 330);
  measuredHvlBox.Move(3600, 1185, 1320, 405);
  measuredHvlUnit.Move(5040, 1230, 900, 330);
  calculatedHvlEnglishLabel.SetVisible(false);
  fitToAtrOption.SetCaption(std::string(t.FitToAtr));
  fitToAtrOption.Move(240, 1740, 5400, 375);
  calculatedAtrCaption.SetCaption(std::string(t.CalculatedAtr));
  calculatedAtrCaption.Move(600, 2190, 2880, 330);
  StyleValue(calculatedAtrLabel);
  calculatedAtrLabel.Move(3600, 2145, 1320, 390);
  measuredAtrCaption.SetCaption(std::string(t.MeasuredAtr));
  measuredAtrCaption.Move(600, 2640, 2880, 330);
  measuredAtrBox.Move(3600, 2595, 1320, 405);

  methodFrame.Move(240, 3840, 7560, 1200);
  byFiltrationOption.Move(240, 330, 7080, 375);
  byVoltageOption.Move(240, 735, 7080, 375);

  okButton.Move(240, 5220, 1560, 495);
  cancelButton.Move(1920, 5220, 1560, 495);
  aboutAtrButton.SetCaption(std::string(t.AboutAtr));
  aboutAtrButton.Move(5160, 5220, 2640, 495);
}

void FitDialog::LayOutEnglish()
{
  const FitDialogTexts& t = texts_;
  SetSize(8040, 4500);
  headingCaption.SetCaption(std::string(t.HeadingLine1));
  headingCaption.Move(240, 150, 7560, 360);
  headingLine2Caption.SetCaption(std::string(t.HeadingLine2));
  headingLine2Caption.Move(240, 510, 7560, 360);
  // No target choice and no ATR index: the target frame and all inside it but
  // the half-value-layer rows stay hidden.
  targetFrame.SetVisible(false);
  for (ui::Control* atr : std::initializer_list<ui::Control*>{&calculatedHvlLabel, &aboutAtrButton})
    atr->SetVisible(false);

  calculatedHvlCaption.Move(480, 1080, 2880, 360);
  calculatedHvlEnglishLabel.Move(3480, 1035, 1320, 405);
  calculatedHvlUnit.Move(4920, 1080, 900, 360);
  measuredHvlCaption.Move(480, 1560, 2880, 360);
  measuredHvlBox.Move(3480, 1515, 1320, 420);
  measuredHvlUnit.Move(4920, 1560, 900, 360);

  methodFrame.Move(240, 2160, 7560, 1260);
  byFiltrationOption.Move(240, 360, 7080, 390);
  byVoltageOption.Move(240, 780, 7080, 390);

  okButton.Move(240, 3780, 1560, 495);
  cancelButton.Move(1920, 3780, 1560, 495);
}

void FitDialog::MeasuredHvlBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

void FitDialog::MeasuredAtrBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

// OK: the fit, then the exposure and the doses for the fitted beam. A fit that
// stops has shown its own message; the dialog then ends without recomputing
// and stays open with its entries, and the main window keeps the result it
// showed (the fit's trials never become a record). A computation that fails
// after the fit leaves no result on the main window that could be added.
void FitDialog::OkButton_Click()
{
  BeamCalculation& m = program_.Module();
  MainWindow& main = *program_.mainWindow;
  // The fit computes from the condition of the main window: its boxes first.
  if (main.RefuseCondition(false)) return;
  try {
    const FitOutcome outcome = (!japanese_ || fitToHvlOption.Value()) ? RunHvlFit() : RunAtrFit();
    if (outcome != FitOutcome::Fitted) return;
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    App().DoEvents();
  } catch (const BackscatterNotTaken&) {
    // The curved-surface procedure has told the user why already.
    main.DiscardResult();
    return;
  } catch (const std::exception& e) {
    // A failure inside the computation (a voltage beyond the output table, a
    // backscatter program that cannot be started, ...) is reported as the
    // calculate command reports it; the dialog stays open with its entries.
    main.DiscardResult();
    App().Beep();
    const EntryTexts& entry = EntryTextsFor(program_.edition);
    std::string message(texts_.CouldNotCalculate);
    if (dynamic_cast<const VoltageBelowOutputData*>(&e)) message = entry.VoltageBelowOutputData;
    if (dynamic_cast<const DoseBeyondLimit*>(&e)) message = entry.DoseBeyondLimit;
    App().MsgBox(message + FileCauseLine(e, program_.edition, program_.WorkingFolder()), ui::vbExclamation);
    return;
  }

  main.RecordCalculatedResult();
  if (japanese_) App().Beep();
  App().MsgBox(std::string(texts_.Finished), ui::vbOKOnly);
  if (program_.Results.ResultRowCount <= results::kResultRows) {
    main.addToTableButton.SetEnabled(true);
    // A failed run before this one may have disabled the recalculation.
    main.fitButton.SetEnabled(true);
  }
  Hide();
}

FitDialog::FitOutcome FitDialog::RunHvlFit()
{
  BeamCalculation& m = program_.Module();
  FitRequest& fit = m.Fit;
  if (measuredHvlBox.Text().empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.HvlEmpty), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (const auto refusal = CheckEntry(measuredHvlBox, measuredHvlBox.Text(), EntryRule::AboveZero,
                                      EntryBoxName(texts_.MeasuredHvl, texts_.HvlUnit), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return FitOutcome::Refused;
  }
  fit.HvlMeasured = 0.1 * Val(measuredHvlBox.Text());  // mm Al typed, cm Al held
  if (fit.HvlMeasured == m.Result.Hvl1) {
    App().Beep();
    App().MsgBox(std::string(texts_.HvlSame), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (byFiltrationOption.Value()) {
    fit.FitFailHvlFilt = 0;
    m.FitHvlByFiltration();
    App().DoEvents();
    if (fit.FitFailHvlFilt == 1) return FitOutcome::Stopped;
  } else if (byVoltageOption.Value()) {
    // The upward fit hands over to its downward twin when the voltage must fall.
    fit.FitFailHvlUp = 0;
    fit.FitFailHvlDown = 0;
    m.FitHvlByVoltageUp();
    App().DoEvents();
    if (fit.FitFailHvlUp == 1 || fit.FitFailHvlDown == 1) return FitOutcome::Stopped;
  }
  return FitOutcome::Fitted;
}

FitDialog::FitOutcome FitDialog::RunAtrFit()
{
  BeamCalculation& m = program_.Module();
  FitRequest& fit = m.Fit;
  if (measuredAtrBox.Text().empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.AtrEmpty), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (const auto refusal = CheckEntry(measuredAtrBox, measuredAtrBox.Text(), EntryRule::AboveZero,
                                      EntryBoxName(texts_.MeasuredAtr, ""), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return FitOutcome::Refused;
  }
  fit.AtrMeasured = Val(measuredAtrBox.Text());
  if (m.Result.AtrIndex == fit.AtrMeasured) {
    App().Beep();
    App().MsgBox(std::string(texts_.AtrSame), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (byFiltrationOption.Value()) {
    fit.FitFailAtrFilt = 0;
    m.FitAtrByFiltration();
    App().DoEvents();
    if (fit.FitFailAtrFilt == 1) return FitOutcome::Stopped;
  } else if (byVoltageOption.Value()) {
    fit.FitFailAtrUp = 0;
    fit.FitFailAtrDown = 0;
    m.FitAtrByVoltageUp();
    App().DoEvents();
    if (fit.FitFailAtrUp == 1 || fit.FitFailAtrDown == 1) return FitOutcome::Stopped;
  }
  return FitOutcome::Fitted;
}

void FitDialog::CancelButton_Click() { Hide(); }

// The ATR explanation beside the dialog, modeless.
void FitDialog::AboutAtrButton_Click()
{
  AtrExplanationWindow& about = *program_.atrExplanationWindow;
  about.MoveBeside(*this);
  about.Show();
}

}  // namespace vorn::mainwin
