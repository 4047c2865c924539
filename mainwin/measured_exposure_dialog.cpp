#include "mainwin/measured_exposure_dialog.h"

#include <limits>
#include <optional>
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

MeasuredExposureDialog::MeasuredExposureDialog(MainProgram& program) : Form(program.app, "Form9"), program_(program)
{
  const DialogTexts& t = DialogTextsFor(program.edition);
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.MeasuredExposureCaption));
  SetSize(5040, 2820);
  headingCaption.SetCaption(std::string(t.MeasuredHeading));
  headingCaption.SetFontBold(true);
  unitFrame.SetCaption(std::string(t.UnitFrame));
  coulombPerKgOption.SetCaption(std::string(t.UnitCkg));
  roentgenOption.SetCaption(std::string(t.UnitRoentgen));
  airKermaOption.SetCaption(std::string(t.UnitAirKermaGy));
  coulombPerKgOption.SetValue(true);
  measuredValueBox.SetAlignment(ui::Alignment::Right);
  exampleFrame.SetCaption(std::string(t.ExampleFrame));
  example1Caption.SetCaption(std::string(t.ExampleValues[0]));
  example2Caption.SetCaption(std::string(t.ExampleValues[1]));
  example3Caption.SetCaption(std::string(t.ExampleValues[2]));
  okButton.SetCaption(std::string(t.OK));
  cancelButton.SetCaption(std::string(t.Cancel));

  measuredValueBox.KeyDown = [this](int keyCode, int) { MeasuredValueBox_KeyDown(keyCode); };
  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  Unload = [this](bool&) { Form_Unload(); };
}

void MeasuredExposureDialog::MeasuredValueBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

void MeasuredExposureDialog::UseOutputTable()
{
  program_.Module().Condition.OutputSource = kOutputDataTable;
  program_.mainWindow->outputDataOption.SetValue(true);  // its routine empties the exposure label
}

// OK: a value above 0 becomes the exposure at 1 m; an empty box, 0 or a
// negative number return to the output-data table without a word, as Cancel
// does. A text that is no number is refused and the dialog stays: "2,58E-04"
// would otherwise be taken as 2 C/kg.
void MeasuredExposureDialog::OkButton_Click()
{
  const std::string& text = measuredValueBox.Text();
  const std::optional<double> value = EntryNumber(text);
  const bool blank = text.find_first_not_of(" \t") == std::string::npos;
  if (!blank && (!value || *value == std::numeric_limits<double>::infinity())) {
    const DialogTexts& t = DialogTextsFor(program_.edition);
    if (const auto refusal = CheckEntry(measuredValueBox, text, EntryRule::AboveZero,
                                        EntryBoxName(t.MeasuredHeading, ""), program_.edition)) {
      ReportRefusal(App(), *refusal);
      return;
    }
  }
  if (value && *value > 0.0) {
    BeamCalculation& m = program_.Module();
    m.Condition.OutputSource = kMeasuredExposure;
    const MeasuredUnit unit = coulombPerKgOption.Value()   ? MeasuredUnit::CoulombPerKg
                              : roentgenOption.Value() ? MeasuredUnit::Roentgen
                                                : MeasuredUnit::AirKermaGy;
    m.Result.OutputAt1m = MeasuredExposure_Ckg(*value, unit, m.AirWValue);
    program_.mainWindow->exposureAt1mLabel.SetCaption(Format(m.Result.OutputAt1m, "0.00E+0"));
  } else {
    UseOutputTable();
  }
  Hide();
}

void MeasuredExposureDialog::CancelButton_Click()
{
  UseOutputTable();
  Hide();
}

// Closed through its frame: back to the output table; the next opening starts
// from the design state.
void MeasuredExposureDialog::Form_Unload() { UseOutputTable(); }

}  // namespace vorn::mainwin
