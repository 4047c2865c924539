#include "mainwin/form9.h"

#include <string>

#include "beam/exposure_condition.h"
#include "mainwin/dialog_layout.h"
#include "mainwin/entry_check.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"

namespace vorn::mainwin {

double MeasuredExposure_Ckg(double value, MeasuredUnit unit, double airW)
{
  switch (unit) {
    case MeasuredUnit::CoulombPerKg: return value;
    case MeasuredUnit::Roentgen: return value * kCoulombPerKgPerRoentgen;
    case MeasuredUnit::AirKermaGy: return value / airW;
  }
  return value;  // not reached: every unit is listed above
}

Form9::Form9(MainProgram& program) : Form(program.app, "Form9"), program_(program)
{
  const DialogTexts& t = DialogTextsFor(program.edition);
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form9Caption));
  SetSize(5040, 2820);
  Label1.SetCaption(std::string(t.MeasuredHeading));
  Label1.SetFontBold(true);
  Frame1.SetCaption(std::string(t.UnitFrame));
  Option1.SetCaption(std::string(t.UnitCkg));
  Option2.SetCaption(std::string(t.UnitRoentgen));
  Option3.SetCaption(std::string(t.UnitAirKermaGy));
  Option1.SetValue(true);
  Text1.SetAlignment(ui::Alignment::Right);
  Frame2.SetCaption(std::string(t.ExampleFrame));
  Label2.SetCaption(std::string(t.ExampleValues[0]));
  Label3.SetCaption(std::string(t.ExampleValues[1]));
  Label4.SetCaption(std::string(t.ExampleValues[2]));
  Command1.SetCaption(std::string(t.OK));
  Command2.SetCaption(std::string(t.Cancel));

  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Unload = [this](bool&) { Form_Unload(); };
}

void Form9::Text1_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

void Form9::UseOutputTable()
{
  program_.Module().Condition.OutputSource = kOutputDataTable;
  program_.Form1->Option5.SetValue(true);  // its routine empties the exposure label
}

// OK: a value above 0 becomes the exposure at 1 m; an empty box returns to
// the output-data table. Anything else typed is refused and the dialog stays:
// "2,58E-04" would otherwise be taken as 2 C/kg, and "-1" silently as the table.
void Form9::Command1_Click()
{
  if (!Text1.Text().empty()) {
    const DialogTexts& t = DialogTextsFor(program_.edition);
    if (const auto refusal = CheckEntry(Text1, Text1.Text(), EntryRule::AboveZero,
                                        EntryBoxName(t.MeasuredHeading, ""), program_.edition)) {
      ReportRefusal(App(), *refusal);
      return;
    }
  }
  const double value = Val(Text1.Text());
  if (!Text1.Text().empty() && value > 0.0) {
    Module1& m = program_.Module();
    m.Condition.OutputSource = kMeasuredExposure;
    const MeasuredUnit unit = Option1.Value()   ? MeasuredUnit::CoulombPerKg
                              : Option2.Value() ? MeasuredUnit::Roentgen
                                                : MeasuredUnit::AirKermaGy;
    m.Result.OutputAt1m = MeasuredExposure_Ckg(value, unit, m.AirWValue);
    program_.Form1->Label78.SetCaption(Format(m.Result.OutputAt1m, "0.00E+0"));
  } else {
    UseOutputTable();
  }
  Hide();
}

void Form9::Command2_Click()
{
  UseOutputTable();
  Hide();
}

// Closed through its frame: back to the output table; the next opening starts
// from the design state.
void Form9::Form_Unload() { UseOutputTable(); }

}  // namespace vorn::mainwin
