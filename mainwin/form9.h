// The measured-exposure dialog: the exposure at 1 m from the focus measured by
// the user, in C/kg, roentgen or gray of air kerma, used in place of the
// output-data table until the table is chosen again.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

enum class MeasuredUnit { CoulombPerKg, Roentgen, AirKermaGy };

// Exposure per roentgen (C/kg).
inline constexpr double kCoulombPerKgPerRoentgen = 0.000258;

// A measured value in its unit as an exposure in C/kg; air kerma goes through
// the air's conversion factor airW (Gy per C/kg).
double MeasuredExposure_Ckg(double value, MeasuredUnit unit, double airW);

class Form9 : public ui::Form {
public:
  explicit Form9(MainProgram& program);

  ui::Label Label1{*this, "Label1", {240, 180, 4560, 300}};
  ui::Frame Frame1{*this, "Frame1", {240, 600, 2640, 1380}};  // unit
  ui::OptionButton Option1{Frame1, "Option1", {150, 300, 2400, 300}};  // C/kg
  ui::OptionButton Option2{Frame1, "Option2", {150, 630, 2400, 300}};  // R
  ui::OptionButton Option3{Frame1, "Option3", {150, 960, 2400, 300}};  // Gy air kerma
  ui::TextBox Text1{*this, "Text1", {240, 2160, 2640, 375}};  // the measured value
  ui::Frame Frame2{*this, "Frame2", {3120, 600, 1680, 1380}};  // how to type it
  ui::Label Label2{Frame2, "Label2", {180, 300, 1380, 300}};
  ui::Label Label3{Frame2, "Label3", {180, 630, 1380, 300}};
  ui::Label Label4{Frame2, "Label4", {180, 960, 1380, 300}};
  ui::CommandButton Command1{*this, "Command1", {3120, 2130, 780, 435}};  // OK
  ui::CommandButton Command2{*this, "Command2", {3990, 2130, 810, 435}};  // Cancel

private:
  void Text1_KeyDown(int keyCode);
  void Command1_Click();
  void Command2_Click();
  void Form_Unload();
  // Back to the output-data table (the main window's default-output option).
  void UseOutputTable();

  MainProgram& program_;
};

}  // namespace vorn::mainwin
