// The fluoroscopy dialog: turns a fluoroscopic tube current, continuous or
// pulsed, into the mean tube current and puts it into the exposure condition.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form12 : public ui::Form {
public:
  explicit Form12(MainProgram& program);

  ui::Frame Frame1{*this, "Frame1", {240, 120, 5040, 1020}};
  ui::OptionButton Option1{Frame1, "Option1", {240, 390, 2280, 390}};  // continuous
  ui::OptionButton Option2{Frame1, "Option2", {2640, 390, 2160, 390}};  // pulsed
  ui::Label Label1{*this, "Label1", {240, 1425, 2040, 360}};
  ui::TextBox Text1{*this, "Text1", {2400, 1380, 1320, 405}};  // tube current, mA
  ui::Label Label2{*this, "Label2", {3840, 1425, 840, 360}};
  ui::Label Label3{*this, "Label3", {240, 1905, 2040, 360}};
  ui::TextBox Text2{*this, "Text2", {2400, 1860, 1320, 405}};  // pulse rate, pulses per second
  ui::Label Label4{*this, "Label4", {3840, 1905, 840, 360}};
  ui::Label Label5{*this, "Label5", {240, 2385, 2040, 360}};
  ui::TextBox Text3{*this, "Text3", {2400, 2340, 1320, 405}};  // pulse width, ms
  ui::Label Label6{*this, "Label6", {3840, 2385, 840, 360}};
  ui::CommandButton Command3{*this, "Command3", {2400, 2880, 1320, 420}};  // compute the mean current
  ui::Label Label7{*this, "Label7", {240, 3480, 2040, 360}};
  ui::TextBox Text4{*this, "Text4", {2400, 3435, 1320, 405}};  // mean tube current, mA
  ui::Label Label8{*this, "Label8", {3840, 3480, 840, 360}};
  ui::CommandButton Command1{*this, "Command1", {2040, 4080, 1560, 495}};  // OK
  ui::CommandButton Command2{*this, "Command2", {3720, 4080, 1560, 495}};  // Cancel

private:
  void Option1_Click();
  void Option2_Click();
  void Text1_KeyDown(int keyCode);
  void Text2_KeyDown(int keyCode);
  void Text3_KeyDown(int keyCode);
  void Text4_KeyDown(int keyCode);
  void Command1_Click();
  void Command2_Click() { Hide(); }
  void Command3_Click();

  MainProgram& program_;
  const FluoroscopyTexts& texts_;
};

}  // namespace vorn::mainwin
