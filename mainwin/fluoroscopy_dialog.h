// The fluoroscopy dialog: turns a fluoroscopic tube current, continuous or
// pulsed, into the mean tube current and puts it into the exposure condition.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class FluoroscopyDialog : public ui::Form {
public:
  explicit FluoroscopyDialog(MainProgram& program);

  ui::Frame modeFrame{*this, "Frame1", {240, 120, 5040, 1020}};
  ui::OptionButton continuousOption{modeFrame, "Option1", {240, 390, 2280, 390}};
  ui::OptionButton pulsedOption{modeFrame, "Option2", {2640, 390, 2160, 390}};
  ui::Label currentCaption{*this, "Label1", {240, 1425, 2040, 360}};
  ui::TextBox currentBox{*this, "Text1", {2400, 1380, 1320, 405}};  // tube current, mA
  ui::Label currentUnit{*this, "Label2", {3840, 1425, 840, 360}};
  ui::Label pulseRateCaption{*this, "Label3", {240, 1905, 2040, 360}};
  ui::TextBox pulseRateBox{*this, "Text2", {2400, 1860, 1320, 405}};  // pulse rate, pulses per second
  ui::Label pulseRateUnit{*this, "Label4", {3840, 1905, 840, 360}};
  ui::Label pulseWidthCaption{*this, "Label5", {240, 2385, 2040, 360}};
  ui::TextBox pulseWidthBox{*this, "Text3", {2400, 2340, 1320, 405}};  // pulse width, ms
  ui::Label pulseWidthUnit{*this, "Label6", {3840, 2385, 840, 360}};
  ui::CommandButton computeButton{*this, "Command3", {2400, 2880, 1320, 420}};  // compute the mean current
  ui::Label meanCurrentCaption{*this, "Label7", {240, 3480, 2040, 360}};
  ui::TextBox meanCurrentBox{*this, "Text4", {2400, 3435, 1320, 405}};  // mean tube current, mA
  ui::Label meanCurrentUnit{*this, "Label8", {3840, 3480, 840, 360}};
  ui::CommandButton okButton{*this, "Command1", {2040, 4080, 1560, 495}};
  ui::CommandButton cancelButton{*this, "Command2", {3720, 4080, 1560, 495}};

private:
  void ContinuousOption_Click();
  void PulsedOption_Click();
  void CurrentBox_KeyDown(int keyCode);
  void PulseRateBox_KeyDown(int keyCode);
  void PulseWidthBox_KeyDown(int keyCode);
  void MeanCurrentBox_KeyDown(int keyCode);
  void OkButton_Click();
  void CancelButton_Click() { Hide(); }
  void ComputeButton_Click();

  MainProgram& program_;
  const FluoroscopyTexts& texts_;
};

}  // namespace vorn::mainwin
