// The optional-filter dialog: one further filter of any material in the beam,
// chosen from the filter material files (*.ele, *.mix) of the working folder,
// with its thickness in mm.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form5 : public ui::Form {
public:
  explicit Form5(MainProgram& program);

  ui::Label Label1{*this, "Label1", {240, 180, 3120, 300}};
  ui::FileListBox File1{*this, "File1", {240, 480, 2640, 2760}};  // material files
  ui::Label Label4{*this, "Label4", {3120, 480, 1200, 300}};
  ui::Label Label5{*this, "Label5", {3120, 780, 3240, 345}};  // material of the clicked file
  ui::Label Label2{*this, "Label2", {3120, 1320, 1200, 300}};
  ui::TextBox Text2{*this, "Text2", {3120, 1620, 1200, 345}};  // thickness, mm
  ui::Label Label3{*this, "Label3", {4380, 1650, 600, 300}};
  ui::CommandButton Command1{*this, "Command1", {3120, 2280, 1515, 435}};  // set
  ui::CommandButton Command2{*this, "Command2", {4845, 2280, 1515, 435}};  // remove
  ui::CommandButton Command3{*this, "Command3", {4845, 2805, 1515, 435}};  // Cancel
  ui::Frame Frame1{*this, "Frame1", {240, 3420, 6120, 1020}};  // where other materials are described
  ui::PictureBox Picture1{Frame1, "Picture1", {150, 270, 510, 510}};
  ui::Label Label6{Frame1, "Label6", {840, 180, 5160, 270}};
  ui::Label Label7{Frame1, "Label7", {840, 450, 5160, 270}};
  ui::Label Label8{Frame1, "Label8", {840, 720, 5160, 270}};

private:
  void File1_Click();
  void Text2_KeyDown(int keyCode);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click() { Hide(); }
  void DrawNoteIcon();

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
