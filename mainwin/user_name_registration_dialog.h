// The user-name registration dialog: asked for on first use through the main
// window's welcome button. A cancelled registration gives full use under the
// guest name.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class UserNameRegistrationDialog : public ui::Form {
public:
  explicit UserNameRegistrationDialog(MainProgram& program);

  ui::Label welcomeCaption{*this, "Label2", {360, 240, 5880, 420}};
  ui::Label promptCaption{*this, "Label1", {360, 840, 5880, 300}};
  ui::Label nameHint1Caption{*this, "Label8", {600, 1200, 5640, 300}};  // what a name may be (Japanese edition)
  ui::Label nameHint2Caption{*this, "Label3", {600, 1500, 5640, 300}};
  ui::TextBox nameBox{*this, "Text1", {360, 1920, 5880, 375}};
  ui::Label changeHint1Caption{*this, "Label6", {360, 2520, 5880, 300}};  // how to change it later
  ui::Label changeHint2Caption{*this, "Label5", {360, 2820, 5880, 300}};
  ui::CommandButton okButton{*this, "Command1", {1680, 3420, 1335, 435}};
  ui::CommandButton cancelButton{*this, "Command2", {3600, 3420, 1335, 435}};

private:
  void OkButton_Click();
  void CancelButton_Click();

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
