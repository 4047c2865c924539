#include "results/result_read_dialog.h"

#include <string>

#include "platform/errors.h"
#include "results/file_dialog_lists.h"
#include "results/result_window.h"
#include "results/result_csv.h"
#include "text/error_texts.h"
#include "text/results_texts.h"

namespace vorn::results {

ResultReadDialog::ResultReadDialog(ResultHost& host) : Form(host.Desktop(), "Form3"), host_(host)
{
  const ResultsTexts& t = ResultsTextsFor(host.ProgramEdition());
  SetCaption(std::string(t.ReadCaption));
  SetSize(4665, 9195);
  headingCaption.SetCaption(std::string(t.ReadHeading));
  selectFileCaption.SetCaption(std::string(t.ReadSelectFile));
  commentCaption.SetCaption(std::string(t.ReadComment));
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
}

void ResultReadDialog::Form_Load() { OpenWorkingFolder(driveList, folderList, host_.WorkingFolder()); }

void ResultReadDialog::DriveList_Change() { FollowDrive(driveList, folderList); }

void ResultReadDialog::FolderList_Change() { fileList.SetPath(folderList.Path()); }

void ResultReadDialog::FileList_Click()
{
  try {
    commentBox.SetText(ReadResultComment(fileList.Path() / fileList.FileName()));
  } catch (const Error& e) {
    // Gone since it was listed, or unreadable: nothing to preview.
    commentBox.SetText("");
    App().Beep();
    App().MsgBox(std::string(ResultsTextsFor(host_.ProgramEdition()).CannotRead) +
                     FileCauseLine(e, host_.ProgramEdition(), host_.WorkingFolder()),
                 ui::vbExclamation);
  }
}

void ResultReadDialog::OkButton_Click()
{
  const ResultsTexts& t = ResultsTextsFor(host_.ProgramEdition());
  if (fileList.FileName().empty()) {
    App().Beep();
    App().MsgBox(std::string(t.SelectFile), ui::vbExclamation);
    return;
  }
  ResultFileContent read;
  try {
    read = ReadResultTableCsv(fileList.Path() / fileList.FileName(), host_.ProgramEdition());
  } catch (const Error& e) {
    // The table in memory is only replaced by a file read whole.
    App().Beep();
    App().MsgBox(std::string(t.CannotRead) + FileCauseLine(e, host_.ProgramEdition(), host_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  host_.Table() = std::move(read.table);
  host_.SetAirConversionFactor(read.airWValue);
  ShowReadTable();
  Hide();
}

void ResultReadDialog::ShowReadTable()
{
  // Drawn from the rows themselves: what the main window calculated last,
  // and the condition of its next calculation, stay as they are.
  host_.TableWindow().RedrawTable();
  host_.TableRead();
}

}  // namespace vorn::results
