// The user-name change dialog, opened by a double-click on the main window's
// mascot with the name in use in its box.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class UserNameChangeDialog : public ui::Form {
public:
  explicit UserNameChangeDialog(MainProgram& program);

  ui::Label promptCaption{*this, "Label1", {360, 300, 5880, 300}};
  ui::Label nameHint1Caption{*this, "Label8", {600, 660, 5640, 300}};   // what a name may be (Japanese edition)
  ui::Label nameHint2Caption{*this, "Label3", {600, 960, 5640, 300}};
  ui::TextBox nameBox{*this, "Text1", {360, 1380, 5880, 375}};  // the new name
  ui::CommandButton okButton{*this, "Command1", {1680, 2040, 1335, 435}};
  ui::CommandButton cancelButton{*this, "Command2", {3600, 2040, 1335, 435}};

private:
  void OkButton_Click();
  void CancelButton_Click() { Hide(); }

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
