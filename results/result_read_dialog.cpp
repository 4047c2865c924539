#include "results/result_read_dialog.h"

#include <string>

#include "mainwin/main_program.h"
#include "platform/errors.h"
#include "results/file_dialog_lists.h"
#include "results/main_window_reset.h"
#include "results/result_csv.h"
#include "text/results_texts.h"

namespace vorn::results {

ResultReadDialog::ResultReadDialog(mainwin::MainProgram& program) : Form(program.app, "Form3"), program_(program)
{
  const ResultsTexts& t = ResultsTextsFor(program.edition);
  SetCaption(std::string(t.ReadCaption));
  SetSize(4665, 9195);
  headingCaption.SetCaption(std::string(t.ReadHeading));
  selectFileCaption.SetCaption(std::string(t.ReadSelectFile));
  commentCaption.SetCaption(std::string(t.ReadComment));
  okButton.SetCaption(std::string(t.Ok));
  cancelButton.SetCaption(std::string(t.Cancel));
  fileList.SetPattern("*.csv");

  Load = [this] { Form_Load(); };
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  driveList.Change = [this] { DriveList_Change(); };
  folderList.Change = [this] { FolderList_Change(); };
  fileList.Click = [this] { FileList_Click(); };
}

void ResultReadDialog::Form_Load() { OpenWorkingFolder(driveList, folderList, program_.WorkingFolder()); }

void ResultReadDialog::DriveList_Change() { FollowDrive(driveList, folderList); }

void ResultReadDialog::FolderList_Change() { fileList.SetPath(folderList.Path()); }

void ResultReadDialog::FileList_Click()
{
  try {
    commentBox.SetText(ReadResultComment(fileList.Path() / fileList.FileName()));
  } catch (const Error&) {
    // Gone since it was listed, or unreadable: nothing to preview.
    commentBox.SetText("");
    App().Beep();
    App().MsgBox(std::string(ResultsTextsFor(program_.edition).CannotRead), ui::vbExclamation);
  }
}

void ResultReadDialog::OkButton_Click()
{
  const ResultsTexts& t = ResultsTextsFor(program_.edition);
  if (fileList.FileName().empty()) {
    App().Beep();
    App().MsgBox(std::string(t.SelectFile), ui::vbExclamation);
    return;
  }
  ResultFileContent read;
  try {
    read = ReadResultTableCsv(fileList.Path() / fileList.FileName(), program_.edition);
  } catch (const Error&) {
    // The table in memory is only replaced by a file read whole.
    App().Beep();
    App().MsgBox(std::string(t.CannotRead), ui::vbExclamation);
    return;
  }
  program_.Results = std::move(read.table);
  program_.Module().AirWValue = read.airWValue;
  ShowReadTable();
  Hide();
}

void ResultReadDialog::ShowReadTable()
{
  mainwin::MainProgram& p = program_;
  BeamCalculation& m = p.Module();
  ResultTable& table = p.Results;
  const int results = table.ResultRowCount - 1;

  ResultWindow& window = *p.resultWindow;
  window.tablePicture.Cls();
  window.ShowResultGrid();
  window.DrawResultHeadings();
  // Each row goes through the current-condition variables, which hold the
  // last row afterwards.
  p.AddingRowFlag = 0;
  for (int r = 1; r <= results; ++r) {
    LoadRow(table, r, m.Condition, m.Phantom, m.OtherFilter, m.Result);
    table.ResultRowCount = r;
    window.DrawResultRow();
  }
  table.ResultRowCount = results + 1;

  // The main window shows nothing of the last calculation any more.
  mainwin::MainWindow& main = *p.mainWindow;
  EmptyMainResultLabels(p);
  EmptyOptionalFilterLabels(p);
  m.OtherFilter.OtherFilterMaterial.clear();
  m.OtherFilter.OtherFilterThickness = 0;
  m.OtherFilter.OtherFilterOn = 0;
  SelectDefaultOutputData(p);
  main.flatSurfaceOption.SetValue(true);
  m.Phantom.BsfMethod = kFlatSurface;
  m.Phantom.PhantomModel = 0;
  main.addToTableButton.SetEnabled(false);
  // The condition now holds the last row read, not what the boxes show: no
  // fit may start from it.
  main.fitButton.SetEnabled(false);
  if (p.fitDialog.Exists()) p.fitDialog->Hide();
  main.effectiveDoseButton.SetEnabled(false);
  main.addEffectiveDoseButton.SetEnabled(false);
  // The show command stays as it is (enabled): closing the result window
  // through its frame unloads it, and with a full table no calculation would
  // enable the command again, leaving the table out of reach.
}

}  // namespace vorn::results
