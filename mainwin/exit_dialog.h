// The exit dialog: asks before ending the program and removes the scratch
// and exchange files.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class ExitDialog : public ui::Form {
public:
  explicit ExitDialog(MainProgram& program);

  ui::Label questionCaption{*this, "Label1", {240, 360, 5040, 360}};
  ui::CommandButton yesButton{*this, "Command1", {960, 1020, 1335, 435}};
  ui::CommandButton noButton{*this, "Command2", {3225, 1020, 1335, 435}};

private:
  void YesButton_Click();
  void NoButton_Click() { Hide(); }

  MainProgram& program_;
};

}  // namespace vorn::mainwin
