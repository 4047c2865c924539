// The user-name registration dialog: asked for on first use through the main
// window's welcome button. A cancelled registration gives full use under the
// guest name.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form15 : public ui::Form {
public:
  explicit Form15(MainProgram& program);

  ui::Label Label2{*this, "Label2", {360, 240, 5880, 420}};   // welcome
  ui::Label Label1{*this, "Label1", {360, 840, 5880, 300}};   // the prompt
  ui::Label Label8{*this, "Label8", {600, 1200, 5640, 300}};  // what a name may be (Japanese edition)
  ui::Label Label3{*this, "Label3", {600, 1500, 5640, 300}};
  ui::TextBox Text1{*this, "Text1", {360, 1920, 5880, 375}};  // the name
  ui::Label Label6{*this, "Label6", {360, 2520, 5880, 300}};  // how to change it later
  ui::Label Label5{*this, "Label5", {360, 2820, 5880, 300}};
  ui::CommandButton Command1{*this, "Command1", {1680, 3420, 1335, 435}};  // OK
  ui::CommandButton Command2{*this, "Command2", {3600, 3420, 1335, 435}};  // Cancel

private:
  void Command1_Click();
  void Command2_Click();

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
