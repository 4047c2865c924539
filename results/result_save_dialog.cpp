#include "results/result_save_dialog.h"

#include <string>

#include "platform/errors.h"
#include "results/file_dialog_lists.h"
#include "results/result_csv.h"
#include "text/results_texts.h"
#include "text/error_texts.h"

namespace vorn::results {

ResultSaveDialog::ResultSaveDialog(ResultHost& host) : Form(host.Desktop(), "Form2"), host_(host)
{
  const ResultsTexts& t = ResultsTextsFor(host.ProgramEdition());
  SetCaption(std::string(t.SaveCaption));
  SetSize(4620, 9855);
  headingLine1Caption.SetCaption(std::string(t.SaveHeadingLine1));
  headingLine2Caption.SetCaption(std::string(t.SaveHeadingLine2));
  existingFilesCaption.SetCaption(std::string(t.SaveExistingFiles));
  commentCaption.SetCaption(std::string(t.SaveComment));
  fileNameCaption.SetCaption(std::string(t.SaveFileName));
  okButton.SetCaption(std::string(t.Ok));
  cancelButton.SetCaption(std::string(t.Cancel));
  fileList.SetPattern("*.csv");

  Load = [this] { Form_Load(); };
  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  driveList.Change = [this] { DriveList_Change(); };
  folderList.Change = [this] { FolderList_Change(); };
  fileList.Click = [this] { FileList_Click(); };
  fileNameBox.KeyDown = [this](int keyCode, int) { FileNameBox_KeyDown(keyCode); };
  commentBox.KeyDown = [this](int keyCode, int) { CommentBox_KeyDown(keyCode); };
}

void ResultSaveDialog::Form_Load() { OpenWorkingFolder(driveList, folderList, host_.WorkingFolder()); }

void ResultSaveDialog::DriveList_Change() { FollowDrive(driveList, folderList); }

void ResultSaveDialog::FolderList_Change() { fileList.SetPath(folderList.Path()); }

void ResultSaveDialog::FileList_Click() { fileNameBox.SetText(WithoutExtension(fileList.FileName())); }

void ResultSaveDialog::CommentBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn && !commentBox.Text().empty()) fileNameBox.SetFocus();
}

void ResultSaveDialog::FileNameBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn && !fileNameBox.Text().empty()) okButton.SetFocus();
}

void ResultSaveDialog::OkButton_Click()
{
  const ResultsTexts& t = ResultsTextsFor(host_.ProgramEdition());
  if (commentBox.Text().empty() || fileNameBox.Text().empty()) {
    App().Beep();
    App().MsgBox(std::string(t.InputNameAndComment), ui::vbExclamation);
    return;
  }
  const std::string fileName = CsvFileName(fileNameBox.Text());
  const std::filesystem::path path = fileList.Path() / fileName;
  try {
    if (fileName.find('/') != std::string::npos) {
      throw FileError(fileName + ": a file name cannot hold \"/\"", FileFault::BadName, fileName);
    }
    SaveResultTableCsv(path, host_.Table(), host_.AirConversionFactor(), commentBox.Text(), host_.ProgramEdition());
  } catch (const Error& e) {
    // Nothing was written; the dialog stays open for another name or folder.
    App().Beep();
    App().MsgBox(std::string(t.CannotSave) + "\n" + ErrorText(e, host_.ProgramEdition(), host_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  App().Beep();
  App().MsgBox(std::string(t.Saved), ui::vbOKOnly);
  Hide();
}

}  // namespace vorn::results
