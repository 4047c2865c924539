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

  ui::Label Label1{*this, "Label1", {120, 150, 1215, 315}};
  ui::TextBox Text1{*this, "Text1", {1440, 120, 975, 345}};
  ui::Label Label2{*this, "Label2", {120, 570, 1215, 315}};
  ui::TextBox Text2{*this, "Text2", {1440, 540, 975, 345}};
  ui::Frame Frame1{*this, "Frame1", {120, 1005, 2295, 1095}};
  ui::OptionButton Option1{Frame1, "Option1", {120, 300, 2055, 315}};
  ui::OptionButton Option2{Frame1, "Option2", {120, 660, 2055, 315}};
  ui::ComboBox Combo1{*this, "Combo1", {120, 2220, 2295, 345}};
  ui::CommandButton Command1{*this, "Command1", {120, 2700, 2295, 495}};
  ui::PictureBox Picture1{*this, "Picture1", {2640, 120, 1935, 3075}};

  // What the form stores when a box is left or an option chosen (a real form
  // stores into the program's Module1 instead).
  double tubeVoltage = 0.0;
  double tubeCurrent = 0.0;
  int rectification = 0;

private:
  void Form_Load();
  void Text1_KeyDown(int keyCode);
  void Text1_LostFocus();
  void Text2_KeyDown(int keyCode);
  void Text2_LostFocus();
  void Option1_Click() { rectification = 1; }
  void Option2_Click() { rectification = 2; }
  void Command1_Click();
};

inline ExampleForm::ExampleForm(ui::Application& app) : Form(app, "ExampleForm")
{
  SetCaption(" Example");
  SetSize(4800, 3360);
  SetFontName("Arial");
  Label1.SetCaption("Voltage (kV)");
  Label2.SetCaption("Current (mA)");
  Frame1.SetCaption(" Rectification ");
  Option1.SetCaption("Constant potential");
  Option2.SetCaption("Single phase");
  Combo1.AddItem("Chest");
  Combo1.AddItem("Abdomen");
  Command1.SetCaption("Calculate");
  Command1.SetBackColor(ui::colors::LightYellow);
  Command1.SetToolTipText(" Go ! ");
  Picture1.SetBackColor(ui::colors::White);

  Load = [this] { Form_Load(); };
  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Text1.LostFocus = [this] { Text1_LostFocus(); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
  Text2.LostFocus = [this] { Text2_LostFocus(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  Command1.Click = [this] { Command1_Click(); };
}

inline void ExampleForm::Form_Load()
{
  Text1.SetText("75");
  tubeVoltage = 75;
  Text2.SetText("200");
  tubeCurrent = 200;
  Option1.SetValue(true);  // runs Option1_Click, as a click would
  Combo1.SetText("Chest");
}

inline void ExampleForm::Text1_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Text2.SetFocus();
}

inline void ExampleForm::Text1_LostFocus() { tubeVoltage = Val(Text1.Text()); }

inline void ExampleForm::Text2_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

inline void ExampleForm::Text2_LostFocus() { tubeCurrent = Val(Text2.Text()); }

inline void ExampleForm::Command1_Click()
{
  if (tubeVoltage <= 0.0 || tubeVoltage > 150.0) {
    App().Beep();
    App().MsgBox("  Input the tube voltage (up to 150 kV)  ", ui::vbExclamation);
    return;
  }
  // A bar as high as the voltage on a 0..150 kV axis that runs upward.
  Picture1.Cls();
  Picture1.Scale(0, 160, 10, -170);
  Picture1.Line(0, 0, 10, 0);
  Picture1.FilledBox(3, 0, 7, tubeVoltage, ui::colors::Blue);
  Picture1.SetCurrentX(1);
  Picture1.SetCurrentY(158);
  Picture1.Print(Combo1.Text());
}

}  // namespace vorn::example
