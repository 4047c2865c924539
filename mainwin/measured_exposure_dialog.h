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

class MeasuredExposureDialog : public ui::Form {
public:
  explicit MeasuredExposureDialog(MainProgram& program);

  ui::Label headingCaption{*this, "Label1", {240, 180, 4560, 300}};
  ui::Frame unitFrame{*this, "Frame1", {240, 600, 2640, 1380}};
  ui::OptionButton coulombPerKgOption{unitFrame, "Option1", {150, 300, 2400, 300}};  // C/kg
  ui::OptionButton roentgenOption{unitFrame, "Option2", {150, 630, 2400, 300}};  // R
  ui::OptionButton airKermaOption{unitFrame, "Option3", {150, 960, 2400, 300}};  // Gy air kerma
  ui::TextBox measuredValueBox{*this, "Text1", {240, 2160, 2640, 375}};
  ui::Frame exampleFrame{*this, "Frame2", {3120, 600, 1680, 1380}};  // how to type it
  ui::Label example1Caption{exampleFrame, "Label2", {180, 300, 1380, 300}};
  ui::Label example2Caption{exampleFrame, "Label3", {180, 630, 1380, 300}};
  ui::Label example3Caption{exampleFrame, "Label4", {180, 960, 1380, 300}};
  ui::CommandButton okButton{*this, "Command1", {3120, 2130, 780, 435}};
  ui::CommandButton cancelButton{*this, "Command2", {3990, 2130, 810, 435}};

private:
  void MeasuredValueBox_KeyDown(int keyCode);
  void OkButton_Click();
  void CancelButton_Click();
  void Form_Unload();
  // Back to the output-data table (the main window's default-output option).
  void UseOutputTable();

  MainProgram& program_;
};

}  // namespace vorn::mainwin
