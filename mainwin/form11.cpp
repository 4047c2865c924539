#include "mainwin/form11.h"

#include <exception>
#include <initializer_list>
#include <string>

#include "beam/output_data.h"
#include "mainwin/entry_check.h"
#include "mainwin/form16.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"

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

Form11::Form11(MainProgram& program)
    : Form(program.app, "Form11"),
      japanese_(program.edition == Edition::Japanese),
      program_(program),
      texts_(DialogsBTextsFor(program.edition).Fit)
{
  const FitDialogTexts& t = texts_;
  SetCaption(std::string(t.Caption));
  SetFont(ui::FontSpec{std::string(t.Font), japanese_ ? 10.5 : 12.0});

  Label4.SetCaption(std::string(t.CalculatedHvl));
  Label7.SetCaption(std::string(t.MeasuredHvl));
  Label9.SetCaption(std::string(t.HvlUnit));
  Label5.SetCaption(std::string(t.HvlUnit));
  StyleValue(Label6);
  StyleValue(Label15);
  Frame2.SetCaption(std::string(t.MethodFrame));
  Option3.SetCaption(std::string(t.ByFiltration));
  Option4.SetCaption(std::string(t.ByVoltage));
  Command1.SetCaption(std::string(t.Ok));
  Command2.SetCaption(std::string(t.Cancel));
  if (japanese_) {
    LayOutJapanese();
  } else {
    LayOutEnglish();
  }

  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

void Form11::LayOutJapanese()
{
  const FitDialogTexts& t = texts_;
  SetSize(8040, 5880);
  Label1.SetCaption(std::string(t.Heading));
  Label1.Move(240, 150, 7560, 390);
  Label1.SetFontBold(true);
  Label10.SetVisible(false);

  Frame1.SetCaption(std::string(t.TargetFrame));
  Frame1.Move(240, 660, 7560, 3060);
  Option1.SetCaption(std::string(t.FitToHvl));
  Option1.Move(240, 330, 5400, 375);
  Label4.Move(600, 780, 2880, 330);
  Label6.Move(3600, 735, 1320, 390);
  Label9.Move(5040, 780, 900, 330);
  Label7.Move(600, 1230, 2880, 330);
  Text1.Move(3600, 1185, 1320, 405);
  Label5.Move(5040, 1230, 900, 330);
  Label15.SetVisible(false);
  Option2.SetCaption(std::string(t.FitToAtr));
  Option2.Move(240, 1740, 5400, 375);
  Label3.SetCaption(std::string(t.CalculatedAtr));
  Label3.Move(600, 2190, 2880, 330);
  StyleValue(Label8);
  Label8.Move(3600, 2145, 1320, 390);
  Label2.SetCaption(std::string(t.MeasuredAtr));
  Label2.Move(600, 2640, 2880, 330);
  Text2.Move(3600, 2595, 1320, 405);

  Frame2.Move(240, 3840, 7560, 1200);
  Option3.Move(240, 330, 7080, 375);
  Option4.Move(240, 735, 7080, 375);

  Command1.Move(240, 5220, 1560, 495);
  Command2.Move(1920, 5220, 1560, 495);
  Command3.SetCaption(std::string(t.AboutAtr));
  Command3.Move(5160, 5220, 2640, 495);
}

void Form11::LayOutEnglish()
{
  const FitDialogTexts& t = texts_;
  SetSize(8040, 4500);
  Label1.SetCaption(std::string(t.HeadingLine1));
  Label1.Move(240, 150, 7560, 360);
  Label10.SetCaption(std::string(t.HeadingLine2));
  Label10.Move(240, 510, 7560, 360);
  // No target choice and no ATR index: the target frame and all inside it but
  // the half-value-layer rows stay hidden.
  Frame1.SetVisible(false);
  for (ui::Control* atr : std::initializer_list<ui::Control*>{&Label6, &Command3}) atr->SetVisible(false);

  Label4.Move(480, 1080, 2880, 360);
  Label15.Move(3480, 1035, 1320, 405);
  Label9.Move(4920, 1080, 900, 360);
  Label7.Move(480, 1560, 2880, 360);
  Text1.Move(3480, 1515, 1320, 420);
  Label5.Move(4920, 1560, 900, 360);

  Frame2.Move(240, 2160, 7560, 1260);
  Option3.Move(240, 360, 7080, 390);
  Option4.Move(240, 780, 7080, 390);

  Command1.Move(240, 3780, 1560, 495);
  Command2.Move(1920, 3780, 1560, 495);
}

void Form11::Text1_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

void Form11::Text2_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

// OK: the fit, then the exposure and the doses for the fitted beam. A fit that
// stops has shown its own message; the dialog then ends without recomputing
// and stays open with its entries. A fit that stops or a computation that
// fails leaves no result on the main window that could be added.
void Form11::Command1_Click()
{
  Module1& m = program_.Module();
  Form1& main = *program_.Form1;
  // The fit computes from the condition of the main window: its boxes first.
  if (main.RefuseCondition(false)) return;
  try {
    const FitOutcome outcome = (!japanese_ || Option1.Value()) ? RunHvlFit() : RunAtrFit();
    if (outcome == FitOutcome::Refused) return;
    if (outcome == FitOutcome::Stopped) {
      main.DiscardResult();
      return;
    }
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    App().DoEvents();
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
    App().MsgBox(message, ui::vbExclamation);
    return;
  }

  main.RecordCalculatedResult();
  if (japanese_) App().Beep();
  App().MsgBox(std::string(texts_.Finished), ui::vbOKOnly);
  if (program_.Results.ResultRowCount <= results::kResultRows) {
    main.Command3.SetEnabled(true);
    // A failed run before this one may have disabled the recalculation.
    main.Command14.SetEnabled(true);
  }
  Hide();
}

Form11::FitOutcome Form11::RunHvlFit()
{
  Module1& m = program_.Module();
  FitRequest& fit = m.Fit;
  if (Text1.Text().empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.HvlEmpty), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (const auto refusal = CheckEntry(Text1, Text1.Text(), EntryRule::AboveZero,
                                      EntryBoxName(texts_.MeasuredHvl, texts_.HvlUnit), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return FitOutcome::Refused;
  }
  fit.HvlMeasured = 0.1 * Val(Text1.Text());  // mm Al typed, cm Al held
  if (fit.HvlMeasured == m.Result.Hvl1) {
    App().Beep();
    App().MsgBox(std::string(texts_.HvlSame), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (Option3.Value()) {
    fit.FitFailHvlFilt = 0;
    m.FitHvlByFiltration();
    App().DoEvents();
    if (fit.FitFailHvlFilt == 1) return FitOutcome::Stopped;
  } else if (Option4.Value()) {
    // The upward fit hands over to its downward twin when the voltage must fall.
    fit.FitFailHvlUp = 0;
    fit.FitFailHvlDown = 0;
    m.FitHvlByVoltageUp();
    App().DoEvents();
    if (fit.FitFailHvlUp == 1 || fit.FitFailHvlDown == 1) return FitOutcome::Stopped;
  }
  return FitOutcome::Fitted;
}

Form11::FitOutcome Form11::RunAtrFit()
{
  Module1& m = program_.Module();
  FitRequest& fit = m.Fit;
  if (Text2.Text().empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.AtrEmpty), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (const auto refusal = CheckEntry(Text2, Text2.Text(), EntryRule::AboveZero,
                                      EntryBoxName(texts_.MeasuredAtr, ""), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return FitOutcome::Refused;
  }
  fit.AtrMeasured = Val(Text2.Text());
  if (m.Result.AtrIndex == fit.AtrMeasured) {
    App().Beep();
    App().MsgBox(std::string(texts_.AtrSame), ui::vbExclamation);
    return FitOutcome::Refused;
  }
  if (Option3.Value()) {
    fit.FitFailAtrFilt = 0;
    m.FitAtrByFiltration();
    App().DoEvents();
    if (fit.FitFailAtrFilt == 1) return FitOutcome::Stopped;
  } else if (Option4.Value()) {
    fit.FitFailAtrUp = 0;
    fit.FitFailAtrDown = 0;
    m.FitAtrByVoltageUp();
    App().DoEvents();
    if (fit.FitFailAtrUp == 1 || fit.FitFailAtrDown == 1) return FitOutcome::Stopped;
  }
  return FitOutcome::Fitted;
}

void Form11::Command2_Click() { Hide(); }

// The ATR explanation beside the dialog, modeless.
void Form11::Command3_Click()
{
  Form16& about = *program_.Form16;
  about.MoveBeside(*this);
  about.Show();
}

}  // namespace vorn::mainwin
