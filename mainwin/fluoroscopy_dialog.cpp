#include "mainwin/fluoroscopy_dialog.h"

#include <cmath>
#include <string>

#include "mainwin/entry_check.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"

namespace vorn::mainwin {

FluoroscopyDialog::FluoroscopyDialog(MainProgram& program)
    : Form(program.app, "Form12"), program_(program), texts_(DialogsBTextsFor(program.edition).Fluoroscopy)
{
  const FluoroscopyTexts& t = texts_;
  SetCaption(std::string(t.Caption));
  SetSize(5520, 4800);
  SetFont(ui::FontSpec{std::string(t.Font), program.edition == Edition::Japanese ? 10.5 : 12.0});

  modeFrame.SetCaption(std::string(t.ModeFrame));
  continuousOption.SetCaption(std::string(t.Continuous));
  pulsedOption.SetCaption(std::string(t.Pulsed));
  currentCaption.SetCaption(std::string(t.Current));
  currentUnit.SetCaption(std::string(t.UnitMilliampere));
  pulseRateCaption.SetCaption(std::string(t.PulseRate));
  pulseRateUnit.SetCaption(std::string(t.UnitPulsesPerSecond));
  pulseWidthCaption.SetCaption(std::string(t.PulseWidth));
  pulseWidthUnit.SetCaption(std::string(t.UnitMillisecond));
  meanCurrentCaption.SetCaption(std::string(t.Average));
  meanCurrentUnit.SetCaption(std::string(t.UnitMilliampere));
  computeButton.SetCaption(std::string(t.ComputeIcon));
  okButton.SetCaption(std::string(t.Ok));
  cancelButton.SetCaption(std::string(t.Cancel));
  // Continuous fluoroscopy is the design state: no rate and no width.
  continuousOption.SetValue(true);
  pulseRateBox.SetEnabled(false);
  pulseWidthBox.SetEnabled(false);

  continuousOption.Click = [this] { ContinuousOption_Click(); };
  pulsedOption.Click = [this] { PulsedOption_Click(); };
  currentBox.KeyDown = [this](int keyCode, int) { CurrentBox_KeyDown(keyCode); };
  pulseRateBox.KeyDown = [this](int keyCode, int) { PulseRateBox_KeyDown(keyCode); };
  pulseWidthBox.KeyDown = [this](int keyCode, int) { PulseWidthBox_KeyDown(keyCode); };
  meanCurrentBox.KeyDown = [this](int keyCode, int) { MeanCurrentBox_KeyDown(keyCode); };
  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  computeButton.Click = [this] { ComputeButton_Click(); };
}

// Back to continuous: the rate and width keep their texts, greyed.
void FluoroscopyDialog::ContinuousOption_Click()
{
  pulseRateBox.SetEnabled(false);
  pulseWidthBox.SetEnabled(false);
}

void FluoroscopyDialog::PulsedOption_Click()
{
  pulseRateBox.SetEnabled(true);
  pulseWidthBox.SetEnabled(true);
}

// Enter walks the boxes in use and ends on the compute button (meanCurrentBox on OK).
void FluoroscopyDialog::CurrentBox_KeyDown(int keyCode)
{
  if (keyCode != ui::vbKeyReturn) return;
  if (pulsedOption.Value()) {
    pulseRateBox.SetFocus();
  } else {
    computeButton.SetFocus();
  }
}

void FluoroscopyDialog::PulseRateBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) pulseWidthBox.SetFocus();
}

void FluoroscopyDialog::PulseWidthBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) computeButton.SetFocus();
}

void FluoroscopyDialog::MeanCurrentBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

// The mean tube current: continuous, the current as typed; pulsed,
// mA x pulses per second x pulse width in ms x 0.001. An empty box (or, when
// pulsed, a 0) is asked for as always; text that is not a number, or a
// negative one, is refused naming its box ("1,5" would be taken as 1).
void FluoroscopyDialog::ComputeButton_Click()
{
  const FluoroscopyTexts& t = texts_;
  const Edition edition = program_.edition;
  if (continuousOption.Value()) {
    if (currentBox.Text().empty()) {
      App().Beep();
      App().MsgBox(std::string(texts_.CurrentEmpty), ui::vbExclamation);
      return;
    }
    if (const auto refusal = CheckEntry(currentBox, currentBox.Text(), EntryRule::AboveZero,
                                        EntryBoxName(t.Current, t.UnitMilliampere), edition)) {
      ReportRefusal(App(), *refusal);
      return;
    }
    meanCurrentBox.SetText(currentBox.Text());
  } else if (pulsedOption.Value()) {
    const struct {
      ui::TextBox& box;
      std::string_view caption;
      std::string_view unit;
    } factors[] = {{currentBox, t.Current, t.UnitMilliampere},
                   {pulseRateBox, t.PulseRate, t.UnitPulsesPerSecond},
                   {pulseWidthBox, t.PulseWidth, t.UnitMillisecond}};
    for (const auto& factor : factors) {
      const std::string& text = factor.box.Text();
      if (text.empty() || EntryNumber(text) == 0.0) continue;  // asked for below
      if (const auto refusal = CheckEntry(factor.box, text, EntryRule::AboveZero,
                                          EntryBoxName(factor.caption, factor.unit), edition)) {
        ReportRefusal(App(), *refusal);
        return;
      }
    }
    const double product = Val(currentBox.Text()) * Val(pulseRateBox.Text()) * Val(pulseWidthBox.Text());
    // A product beyond the range of numbers is no more a current than zero is.
    if (product == 0.0 || !std::isfinite(product)) {
      App().Beep();
      App().MsgBox(std::string(texts_.DataEmpty), ui::vbExclamation);
      return;
    }
    meanCurrentBox.SetText(NumberText(product * 0.001));
  }
}

// OK takes the mean current into the condition and the main window, without
// recalculating; the exposure time is not touched. The box must hold a
// current above 0: an empty or wrong box would give a current of 0 or a
// wrong one.
void FluoroscopyDialog::OkButton_Click()
{
  if (const auto refusal = CheckEntry(meanCurrentBox, meanCurrentBox.Text(), EntryRule::AboveZero,
                                      EntryBoxName(texts_.Average, texts_.UnitMilliampere), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return;
  }
  const double current = Val(meanCurrentBox.Text());
  program_.Module().Condition.TubeCurrent = current;
  program_.mainWindow->tubeCurrentBox.SetText(NumberText(current));
  Hide();
}

}  // namespace vorn::mainwin
