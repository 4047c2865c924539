// The save dialog of the result table: a drive, folder and file list to pick
// the folder (existing result files shown), a comment and a file name typed
// without its extension. It closes by hiding, so it keeps its folder.
#pragma once

#include "platform/ui/ui.h"

namespace vorn::mainwin {
class MainProgram;
}

namespace vorn::results {

class Form2 : public ui::Form {
public:
  explicit Form2(mainwin::MainProgram& program);

  ui::Label Label5{*this, "Label5", {120, 150, 4380, 285}};
  ui::Label Label3{*this, "Label3", {120, 450, 4380, 285}};
  ui::DriveListBox Drive1{*this, "Drive1", {120, 900, 4380, 330}};
  ui::DirListBox Dir1{*this, "Dir1", {120, 1350, 4380, 2490}};
  ui::Label Label4{*this, "Label4", {120, 3990, 4380, 285}};
  ui::FileListBox File2{*this, "File2", {120, 4290, 4380, 2415}};
  ui::Label Label2{*this, "Label2", {120, 6870, 4380, 285}};
  ui::TextBox Text2{*this, "Text2", {120, 7170, 4380, 375}};  // comment
  ui::Label Label1{*this, "Label1", {120, 7710, 4380, 285}};
  ui::TextBox Text1{*this, "Text1", {120, 8010, 4380, 375}};  // file name without ".csv"
  ui::CommandButton Command1{*this, "Command1", {480, 8760, 1575, 495}};   // OK: save
  ui::CommandButton Command2{*this, "Command2", {2565, 8760, 1575, 495}};  // Cancel

private:
  void Form_Load();
  void Command1_Click();
  void Command2_Click() { Hide(); }
  void Drive1_Change();
  void Dir1_Change();
  void File2_Click();
  void Text1_KeyDown(int keyCode);
  void Text2_KeyDown(int keyCode);

  mainwin::MainProgram& program_;
};

}  // namespace vorn::results
