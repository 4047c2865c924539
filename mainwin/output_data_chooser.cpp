#include "mainwin/output_data_chooser.h"

#include <exception>
#include <string>

#include "beam/output_data.h"
#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/output_data_title.h"
#include "platform/files/seqfile.h"
#include "text/error_texts.h"

namespace vorn::mainwin {

OutputDataChooser::OutputDataChooser(MainProgram& program)
    : Form(program.app, "Form8"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.ChooserCaption));
  SetSize(5280, 4620);
  headingCaption.SetCaption(std::string(t.ChooserHeading));
  commentCaption.SetCaption(std::string(t.CommentLabel));
  outputFileList.SetPattern("*.op");
  outputFileList.SetPath(program.WorkingFolder());
  okButton.SetCaption(std::string(t.OK));
  cancelButton.SetCaption(std::string(t.Cancel));

  outputFileList.Click = [this] { OutputFileList_Click(); };
  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
}

// Preview: the first item of the comment line (up to a comma).
void OutputDataChooser::OutputFileList_Click()
{
  std::string comment;
  try {
    SeqReader file(program_.WorkingFolder() / outputFileList.FileName(), kUserFileMaxBytes);
    comment = file.ReadText();
  } catch (const std::exception&) {
    // A file without a first line previews as no comment; the load reports it.
  }
  commentBox.SetText(comment);
}

// Load the chosen file as the output data in use.
void OutputDataChooser::OkButton_Click()
{
  const std::string fileName = outputFileList.FileName();
  if (fileName.empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.SelectFile), ui::vbOKOnly);
    return;
  }
  try {
    // Read whole before anything changes: a short or broken file leaves the data in use.
    OutputData loaded = ReadOutputDataFile(program_.WorkingFolder() / fileName);
    program_.Module().Output = std::move(loaded);
  } catch (const std::exception& e) {
    App().MsgBox(std::string(texts_.OutputDataNotRead) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  program_.mainWindow->outputDataInUseLabel.SetCaption(OutputDataTitle(fileName));
  Hide();
}

// The main window's select command: the list shows the files as they are now.
void MainWindow::ChooseOutputDataButton_Click()
{
  OutputDataChooser& chooser = *program_.outputDataChooser;
  chooser.outputFileList.Refresh();
  chooser.commentBox.SetText("");
  chooser.Show();
}

}  // namespace vorn::mainwin
