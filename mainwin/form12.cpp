#include "mainwin/form12.h"

#include <cmath>
#include <string>

#include "mainwin/entry_check.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"

namespace vorn::mainwin {

Form12::Form12(MainProgram& program)
    : Form(program.app, "Form12"), program_(program), texts_(DialogsBTextsFor(program.edition).Fluoroscopy)
{
  const FluoroscopyTexts& t = texts_;
  SetCaption(std::string(t.Caption));
  SetSize(5520, 4800);
  SetFont(ui::FontSpec{std::string(t.Font), program.edition == Edition::Japanese ? 10.5 : 12.0});

  Frame1.SetCaption(std::string(t.ModeFrame));
  Option1.SetCaption(std::string(t.Continuous));
  Option2.SetCaption(std::string(t.Pulsed));
  Label1.SetCaption(std::string(t.Current));
  Label2.SetCaption(std::string(t.UnitMilliampere));
  Label3.SetCaption(std::string(t.PulseRate));
  Label4.SetCaption(std::string(t.UnitPulsesPerSecond));
  Label5.SetCaption(std::string(t.PulseWidth));
  Label6.SetCaption(std::string(t.UnitMillisecond));
  Label7.SetCaption(std::string(t.Average));
  Label8.SetCaption(std::string(t.UnitMilliampere));
  Command3.SetCaption(std::string(t.ComputeIcon));
  Command1.SetCaption(std::string(t.Ok));
  Command2.SetCaption(std::string(t.Cancel));
  // Continuous fluoroscopy is the design state: no rate and no width.
  Option1.SetValue(true);
  Text2.SetEnabled(false);
  Text3.SetEnabled(false);

  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
  Text3.KeyDown = [this](int keyCode, int) { Text3_KeyDown(keyCode); };
  Text4.KeyDown = [this](int keyCode, int) { Text4_KeyDown(keyCode); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

// Back to continuous: the rate and width keep their texts, greyed.
void Form12::Option1_Click()
{
  Text2.SetEnabled(false);
  Text3.SetEnabled(false);
}

void Form12::Option2_Click()
{
  Text2.SetEnabled(true);
  Text3.SetEnabled(true);
}

// Enter walks the boxes in use and ends on the compute button (Text4 on OK).
void Form12::Text1_KeyDown(int keyCode)
{
  if (keyCode != ui::vbKeyReturn) return;
  if (Option2.Value()) {
    Text2.SetFocus();
  } else {
    Command3.SetFocus();
  }
}

void Form12::Text2_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Text3.SetFocus();
}

void Form12::Text3_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command3.SetFocus();
}

void Form12::Text4_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

// The mean tube current: continuous, the current as typed; pulsed,
// mA x pulses per second x pulse width in ms x 0.001. An empty box (or, when
// pulsed, a 0) is asked for as always; text that is not a number, or a
// negative one, is refused naming its box ("1,5" would be taken as 1).
void Form12::Command3_Click()
{
  const FluoroscopyTexts& t = texts_;
  const Edition edition = program_.edition;
  if (Option1.Value()) {
    if (Text1.Text().empty()) {
      App().Beep();
      App().MsgBox(std::string(texts_.CurrentEmpty), ui::vbExclamation);
      return;
    }
    if (const auto refusal = CheckEntry(Text1, Text1.Text(), EntryRule::AboveZero,
                                        EntryBoxName(t.Current, t.UnitMilliampere), edition)) {
      ReportRefusal(App(), *refusal);
      return;
    }
    Text4.SetText(Text1.Text());
  } else if (Option2.Value()) {
    const struct {
      ui::TextBox& box;
      std::string_view caption;
      std::string_view unit;
    } factors[] = {{Text1, t.Current, t.UnitMilliampere},
                   {Text2, t.PulseRate, t.UnitPulsesPerSecond},
                   {Text3, t.PulseWidth, t.UnitMillisecond}};
    for (const auto& factor : factors) {
      const std::string& text = factor.box.Text();
      if (text.empty() || EntryNumber(text) == 0.0) continue;  // asked for below
      if (const auto refusal = CheckEntry(factor.box, text, EntryRule::AboveZero,
                                          EntryBoxName(factor.caption, factor.unit), edition)) {
        ReportRefusal(App(), *refusal);
        return;
      }
    }
    const double product = Val(Text1.Text()) * Val(Text2.Text()) * Val(Text3.Text());
    // A product beyond the range of numbers is no more a current than zero is.
    if (product == 0.0 || !std::isfinite(product)) {
      App().Beep();
      App().MsgBox(std::string(texts_.DataEmpty), ui::vbExclamation);
      return;
    }
    Text4.SetText(NumberText(product * 0.001));
  }
}

// OK takes the mean current into the condition and the main window, without
// recalculating; the exposure time is not touched. The box must hold a
// current above 0: an empty or wrong box would give a current of 0 or a
// wrong one.
void Form12::Command1_Click()
{
  if (const auto refusal = CheckEntry(Text4, Text4.Text(), EntryRule::AboveZero,
                                      EntryBoxName(texts_.Average, texts_.UnitMilliampere), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return;
  }
  const double current = Val(Text4.Text());
  program_.Module().Condition.TubeCurrent = current;
  program_.Form1->Text6.SetText(NumberText(current));
  Hide();
}

}  // namespace vorn::mainwin
