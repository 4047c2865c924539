// The optional-filter dialog: one further filter of any material in the beam,
// chosen from the filter material files (*.ele, *.mix) of the working folder,
// with its thickness in mm.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class OptionalFilterDialog : public ui::Form {
public:
  explicit OptionalFilterDialog(MainProgram& program);

  ui::Label filterListCaption{*this, "Label1", {240, 180, 3120, 300}};
  ui::FileListBox materialFileList{*this, "File1", {240, 480, 2640, 2760}};  // material files
  ui::Label materialCaption{*this, "Label4", {3120, 480, 1200, 300}};
  ui::Label materialLabel{*this, "Label5", {3120, 780, 3240, 345}};  // material of the clicked file
  ui::Label thicknessCaption{*this, "Label2", {3120, 1320, 1200, 300}};
  ui::TextBox thicknessBox{*this, "Text2", {3120, 1620, 1200, 345}};  // thickness, mm
  ui::Label thicknessUnit{*this, "Label3", {4380, 1650, 600, 300}};
  ui::CommandButton setButton{*this, "Command1", {3120, 2280, 1515, 435}};
  ui::CommandButton removeButton{*this, "Command2", {4845, 2280, 1515, 435}};
  ui::CommandButton cancelButton{*this, "Command3", {4845, 2805, 1515, 435}};
  ui::Frame noteFrame{*this, "Frame1", {240, 3420, 6120, 1020}};  // where other materials are described
  ui::PictureBox noteIconPicture{noteFrame, "Picture1", {150, 270, 510, 510}};
  ui::Label noteLine1Caption{noteFrame, "Label6", {840, 180, 5160, 270}};
  ui::Label noteLine2Caption{noteFrame, "Label7", {840, 450, 5160, 270}};
  ui::Label noteLine3Caption{noteFrame, "Label8", {840, 720, 5160, 270}};

private:
  void MaterialFileList_Click();
  void ThicknessBox_KeyDown(int keyCode);
  void SetButton_Click();
  void RemoveButton_Click();
  void CancelButton_Click() { Hide(); }
  void DrawNoteIcon();

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
