// The read dialog of the result table: a drive, folder and file list of
// result files, with the comment of the clicked file shown before it is read.
// It closes by hiding, so it keeps its folder.
#pragma once

#include "platform/ui/ui.h"
#include "results/result_host.h"

namespace vorn::results {

class ResultReadDialog : public ui::Form {
public:
  explicit ResultReadDialog(ResultHost& host);

  ui::Label headingCaption{*this, "Label3", {120, 150, 4425, 285}};
  ui::Label selectFileCaption{*this, "Label1", {120, 450, 4425, 285}};
  ui::DriveListBox driveList{*this, "Drive1", {120, 900, 4425, 330}};
  ui::DirListBox folderList{*this, "Dir1", {120, 1350, 4425, 2490}};
  ui::FileListBox fileList{*this, "File1", {120, 3990, 4425, 2805}};
  ui::Label commentCaption{*this, "Label2", {120, 6960, 4425, 285}};
  ui::TextBox commentBox{*this, "Text2", {120, 7260, 4425, 375}};  // the file's comment
  ui::CommandButton okButton{*this, "Command1", {480, 8100, 1575, 495}};   // OK: read
  ui::CommandButton cancelButton{*this, "Command2", {2610, 8100, 1575, 495}};

private:
  void Form_Load();
  void OkButton_Click();
  void CancelButton_Click() { Hide(); }
  void DriveList_Change();
  void FolderList_Change();
  void FileList_Click();
  // The table read is in place: draw it and leave the main window reset.
  void ShowReadTable();

  ResultHost& host_;
};

}  // namespace vorn::results
