// The example form of platform/ui/README.md: a tube-voltage box and a
// tube-current box with an Enter chain, a rectification group in a frame, a
// site combo, a calculate button and a picture that draws the result.
// The tests drive it headless (tests/ui) and through real widgets (tests/qt).
#pragma once

#include <string>

#include "platform/format/format.h"
#include "platform/ui/ui.h"

namespace vorn::example {

class ExampleForm : public ui::Form {
public:
  explicit ExampleForm(ui::Application& app);

  ui::Label voltageCaption{*this, "Label1", {120, 150, 1215, 315}};
  ui::TextBox voltageBox{*this, "Text1", {1440, 120, 975, 345}};
  ui::Label currentCaption{*this, "Label2", {120, 570, 1215, 315}};
  ui::TextBox currentBox{*this, "Text2", {1440, 540, 975, 345}};
  ui::Frame rectificationFrame{*this, "Frame1", {120, 1005, 2295, 1095}};
  ui::OptionButton constantPotentialOption{rectificationFrame, "Option1", {120, 300, 2055, 315}};
  ui::OptionButton singlePhaseOption{rectificationFrame, "Option2", {120, 660, 2055, 315}};
  ui::ComboBox siteCombo{*this, "Combo1", {120, 2220, 2295, 345}};
  ui::CommandButton calculateButton{*this, "Command1", {120, 2700, 2295, 495}};
  ui::PictureBox barPicture{*this, "Picture1", {2640, 120, 1935, 3075}};

  // What the form stores when a box is left or an option chosen (a real form
  // stores into the program's BeamCalculation instead).
  double tubeVoltage = 0.0;
  double tubeCurrent = 0.0;
  int rectification = 0;

private:
  void Form_Load();
  void VoltageBox_KeyDown(int keyCode);
  void VoltageBox_LostFocus();
  void CurrentBox_KeyDown(int keyCode);
  void CurrentBox_LostFocus();
  void ConstantPotentialOption_Click() { rectification = 1; }
  void SinglePhaseOption_Click() { rectification = 2; }
  void CalculateButton_Click();
};

inline ExampleForm::ExampleForm(ui::Application& app) : Form(app, "ExampleForm")
{
  SetCaption(" Example");
  SetSize(4800, 3360);
  SetFontName("Arial");
  voltageCaption.SetCaption("Voltage (kV)");
  currentCaption.SetCaption("Current (mA)");
  rectificationFrame.SetCaption(" Rectification ");
  constantPotentialOption.SetCaption("Constant potential");
  singlePhaseOption.SetCaption("Single phase");
  siteCombo.AddItem("Chest");
  siteCombo.AddItem("Abdomen");
  calculateButton.SetCaption("Calculate");
  calculateButton.SetBackColor(ui::colors::LightYellow);
  calculateButton.SetToolTipText(" Go ! ");
  barPicture.SetBackColor(ui::colors::White);

  Load = [this] { Form_Load(); };
  voltageBox.KeyDown = [this](int keyCode, int) { VoltageBox_KeyDown(keyCode); };
  voltageBox.LostFocus = [this] { VoltageBox_LostFocus(); };
  currentBox.KeyDown = [this](int keyCode, int) { CurrentBox_KeyDown(keyCode); };
  currentBox.LostFocus = [this] { CurrentBox_LostFocus(); };
  constantPotentialOption.Click = [this] { ConstantPotentialOption_Click(); };
  singlePhaseOption.Click = [this] { SinglePhaseOption_Click(); };
  calculateButton.Click = [this] { CalculateButton_Click(); };
}

inline void ExampleForm::Form_Load()
{
  voltageBox.SetText("75");
  tubeVoltage = 75;
  currentBox.SetText("200");
  tubeCurrent = 200;
  constantPotentialOption.SetValue(true);  // runs Option1_Click, as a click would
  siteCombo.SetText("Chest");
}

inline void ExampleForm::VoltageBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) currentBox.SetFocus();
}

inline void ExampleForm::VoltageBox_LostFocus() { tubeVoltage = Val(voltageBox.Text()); }

inline void ExampleForm::CurrentBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) calculateButton.SetFocus();
}

inline void ExampleForm::CurrentBox_LostFocus() { tubeCurrent = Val(currentBox.Text()); }

inline void ExampleForm::CalculateButton_Click()
{
  if (tubeVoltage <= 0.0 || tubeVoltage > 150.0) {
    App().Beep();
    App().MsgBox("  Input the tube voltage (up to 150 kV)  ", ui::vbExclamation);
    return;
  }
  // A bar as high as the voltage on a 0..150 kV axis that runs upward.
  barPicture.Cls();
  barPicture.Scale(0, 160, 10, -170);
  barPicture.Line(0, 0, 10, 0);
  barPicture.FilledBox(3, 0, 7, tubeVoltage, ui::colors::Blue);
  barPicture.SetCurrentX(1);
  barPicture.SetCurrentY(158);
  barPicture.Print(siteCombo.Text());
}

}  // namespace vorn::example
