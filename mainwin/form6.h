// The exit dialog: asks before ending the program and removes the scratch
// and exchange files.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form6 : public ui::Form {
public:
  explicit Form6(MainProgram& program);

  ui::Label Label1{*this, "Label1", {240, 360, 5040, 360}};
  ui::CommandButton Command1{*this, "Command1", {960, 1020, 1335, 435}};  // yes
  ui::CommandButton Command2{*this, "Command2", {3225, 1020, 1335, 435}};  // no

private:
  void Command1_Click();
  void Command2_Click() { Hide(); }

  MainProgram& program_;
};

}  // namespace vorn::mainwin
