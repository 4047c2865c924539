// The output-data chooser: lists the output-data files of the working folder,
// previews a file's comment and loads the chosen file as the data in use.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form8 : public ui::Form {
public:
  explicit Form8(MainProgram& program);

  ui::Label Label1{*this, "Label1", {240, 180, 4800, 300}};
  ui::FileListBox File1{*this, "File1", {240, 540, 4800, 2400}};  // *.op of the working folder
  ui::Label Label2{*this, "Label2", {240, 3090, 4800, 300}};
  ui::TextBox Text1{*this, "Text1", {240, 3390, 4800, 375}};  // the comment of the clicked file
  ui::CommandButton Command1{*this, "Command1", {1200, 3960, 1335, 435}};  // OK
  ui::CommandButton Command2{*this, "Command2", {2745, 3960, 1335, 435}};  // Cancel

private:
  void File1_Click();
  void Command1_Click();
  void Command2_Click() { Hide(); }

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
