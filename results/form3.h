// The read dialog of the result table: a drive, folder and file list of
// result files, with the comment of the clicked file shown before it is read.
// It closes by hiding, so it keeps its folder.
#pragma once

#include "platform/ui/ui.h"

namespace vorn::mainwin {
class MainProgram;
}

namespace vorn::results {

class Form3 : public ui::Form {
public:
  explicit Form3(mainwin::MainProgram& program);

  ui::Label Label3{*this, "Label3", {120, 150, 4425, 285}};
  ui::Label Label1{*this, "Label1", {120, 450, 4425, 285}};
  ui::DriveListBox Drive1{*this, "Drive1", {120, 900, 4425, 330}};
  ui::DirListBox Dir1{*this, "Dir1", {120, 1350, 4425, 2490}};
  ui::FileListBox File1{*this, "File1", {120, 3990, 4425, 2805}};
  ui::Label Label2{*this, "Label2", {120, 6960, 4425, 285}};
  ui::TextBox Text2{*this, "Text2", {120, 7260, 4425, 375}};  // the file's comment
  ui::CommandButton Command1{*this, "Command1", {480, 8100, 1575, 495}};   // OK: read
  ui::CommandButton Command2{*this, "Command2", {2610, 8100, 1575, 495}};  // Cancel

private:
  void Form_Load();
  void Command1_Click();
  void Command2_Click() { Hide(); }
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  // The table read is in place: draw it and leave the main window reset.
  void ShowReadTable();

  mainwin::MainProgram& program_;
};

}  // namespace vorn::results
