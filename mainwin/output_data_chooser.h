// The output-data chooser: lists the output-data files of the working folder,
// previews a file's comment and loads the chosen file as the data in use.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class OutputDataChooser : public ui::Form {
public:
  explicit OutputDataChooser(MainProgram& program);

  ui::Label headingCaption{*this, "Label1", {240, 180, 4800, 300}};
  ui::FileListBox outputFileList{*this, "File1", {240, 540, 4800, 2400}};  // *.op of the working folder
  ui::Label commentCaption{*this, "Label2", {240, 3090, 4800, 300}};
  ui::TextBox commentBox{*this, "Text1", {240, 3390, 4800, 375}};  // the comment of the clicked file
  ui::CommandButton okButton{*this, "Command1", {1200, 3960, 1335, 435}};
  ui::CommandButton cancelButton{*this, "Command2", {2745, 3960, 1335, 435}};

private:
  void OutputFileList_Click();
  void OkButton_Click();
  void CancelButton_Click() { Hide(); }

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
