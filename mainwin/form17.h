// The examination-site dialog of the Japanese edition: adds a name to the site
// list file and the main window's site list, or deletes one from both.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form17 : public ui::Form {
public:
  explicit Form17(MainProgram& program);

  ui::Label Label1{*this, "Label1", {240, 180, 2640, 300}};
  ui::ListBox List1{*this, "List1", {240, 480, 2640, 3540}};  // the sites, filled by the opener
  ui::Label Label3{*this, "Label3", {240, 4140, 2640, 300}};  // how many sites
  ui::Label Label4{*this, "Label4", {240, 4440, 2640, 300}};
  ui::Label Label2{*this, "Label2", {3120, 480, 2520, 300}};
  ui::TextBox Text1{*this, "Text1", {3120, 780, 2520, 375}};  // the site to add
  ui::CommandButton Command1{*this, "Command1", {3120, 1320, 1215, 435}};  // add
  ui::CommandButton Command3{*this, "Command3", {3120, 2160, 1215, 435}};  // delete the selected site
  ui::CommandButton Command2{*this, "Command2", {4425, 4140, 1215, 435}};  // Cancel

private:
  void Command1_Click();
  void Command2_Click() { Hide(); }
  void Command3_Click();

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
