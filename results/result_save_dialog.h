// The save dialog of the result table: a drive, folder and file list to pick
// the folder (existing result files shown), a comment and a file name typed
// without its extension. It closes by hiding, so it keeps its folder.
#pragma once

#include "platform/ui/ui.h"
#include "results/result_host.h"

namespace vorn::results {

class ResultSaveDialog : public ui::Form {
public:
  explicit ResultSaveDialog(ResultHost& host);

  ui::Label headingLine1Caption{*this, "Label5", {120, 150, 4380, 285}};
  ui::Label headingLine2Caption{*this, "Label3", {120, 450, 4380, 285}};
  ui::DriveListBox driveList{*this, "Drive1", {120, 900, 4380, 330}};
  ui::DirListBox folderList{*this, "Dir1", {120, 1350, 4380, 2490}};
  ui::Label existingFilesCaption{*this, "Label4", {120, 3990, 4380, 285}};
  ui::FileListBox fileList{*this, "File2", {120, 4290, 4380, 2415}};
  ui::Label commentCaption{*this, "Label2", {120, 6870, 4380, 285}};
  ui::TextBox commentBox{*this, "Text2", {120, 7170, 4380, 375}};
  ui::Label fileNameCaption{*this, "Label1", {120, 7710, 4380, 285}};
  ui::TextBox fileNameBox{*this, "Text1", {120, 8010, 4380, 375}};  // file name without ".csv"
  ui::CommandButton okButton{*this, "Command1", {480, 8760, 1575, 495}};   // OK: save
  ui::CommandButton cancelButton{*this, "Command2", {2565, 8760, 1575, 495}};

private:
  void Form_Load();
  void OkButton_Click();
  void CancelButton_Click() { Hide(); }
  void DriveList_Change();
  void FolderList_Change();
  void FileList_Click();
  void FileNameBox_KeyDown(int keyCode);
  void CommentBox_KeyDown(int keyCode);

  ResultHost& host_;
};

}  // namespace vorn::results
